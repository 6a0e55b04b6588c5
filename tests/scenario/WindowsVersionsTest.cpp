// The real player under the Windows version that Wine reports in this run's prefix, named by
// WINE_WINDOWS_VERSION (build/win32/wine-run keeps a prefix per version). Each show runs in a folder
// of its own beside the stand-ins of the 9x password services, which record their calls there: the
// player uses them where the system is of the 9x family and never where it is of the NT family.
#include "../../src/dialogs/DialogIds.h"
#include "../../src/framework/Dialog.h"
#include "../../src/framework/Handles.h"
#include "../../src/settings/SaverSettings.h"
#include "../support/MessagePump.h"
#include "../support/PlayerLog.h"
#include "../support/Processes.h"
#include "../support/Registry.h"
#include "../support/Shows.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>

namespace {
using Lines = std::vector<std::string>;

// What the system reports under each version that a prefix is made for.
struct WindowsVersion {
    const char* name;  // Wine's name of it
    DWORD major, minor, platform;
};
constexpr WindowsVersion kVersions[] = {
    {"win98", 4, 10, VER_PLATFORM_WIN32_WINDOWS},
    {"winxp", 5, 1, VER_PLATFORM_WIN32_NT},
    {"win10", 10, 0, VER_PLATFORM_WIN32_NT},
};

const WindowsVersion* RunVersion()
{
    char name[32] = {};
    const DWORD length = ::GetEnvironmentVariableA("WINE_WINDOWS_VERSION", name, sizeof name);
    if (length == 0 || length >= sizeof name) return nullptr;
    const auto found = std::find_if(std::begin(kVersions), std::end(kVersions),
                                    [&](const WindowsVersion& v) { return std::strcmp(v.name, name) == 0; });
    return found == std::end(kVersions) ? nullptr : found;
}

std::string Decimal(HWND window)
{
    return std::to_string(reinterpret_cast<std::uintptr_t>(window));
}

class WindowsVersions : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The players started from here load MPR.DLL from their own folder, the stand-in's, not Wine's.
        const DWORD size = ::GetEnvironmentVariableA("WINEDLLOVERRIDES", nullptr, 0);
        std::string overrides(size, '\0');
        ::GetEnvironmentVariableA("WINEDLLOVERRIDES", &overrides[0], size);
        overrides.resize(size > 0 ? size - 1 : 0);
        ::SetEnvironmentVariableA("WINEDLLOVERRIDES", (overrides + (overrides.empty() ? "" : ";") + "mpr=n,b").c_str());
    }

    void SetUp() override
    {
        version = RunVersion();
        ASSERT_NE(nullptr, version) << "WINE_WINDOWS_VERSION names none of win98, winxp and win10";
        for (const char* library : {"PASSWORD.CPL", "MPR.DLL"})
            ASSERT_TRUE(::CopyFileA((ProgramFolder() + library).c_str(), dir.Path(library).c_str(), FALSE));
        MakeShow(ShowTables("Version Show"));
    }

    bool NineX() const { return version->platform != VER_PLATFORM_WIN32_NT; }

    // Writes the show as show.scr beside the stand-ins, with an empty vesk.log.
    void MakeShow(const std::vector<PackageTable>& tables)
    {
        ASSERT_TRUE(AppendPackage(ProgramFolder() + "player.scr", tables, show));
        dir.Write("vesk.log", std::string());
    }
    std::string CommandLine(const std::string& arguments) const
    {
        return "\"" + show + "\"" + (arguments.empty() ? "" : " " + arguments);
    }

    Lines Log() const { return LogMessages(dir.Path("vesk.log")); }
    // The messages of the log that begin with `start`.
    Lines Logged(const std::string& start) const
    {
        Lines found;
        for (const std::string& message : Log())
            if (message.compare(0, start.size(), start) == 0) found.push_back(message.substr(start.size()));
        return found;
    }
    int LogCount(const std::string& start) const { return static_cast<int>(Logged(start).size()); }
    bool WaitForLog(const std::string& start, int count = 1, DWORD timeoutMs = 30000) const
    {
        return PumpUntil([&] { return LogCount(start) >= count; }, timeoutMs);
    }
    // The log begins with `start` after its Begin, command line and file lines, and ends.
    void ExpectLogStart(const std::string& commandLine, const Lines& start) const
    {
        Lines expected{kLogBegin, "CMD: " + commandLine, "screensaver file : " + show};
        expected.insert(expected.end(), start.begin(), start.end());
        const Lines log = Log();
        ASSERT_GE(log.size(), expected.size()) << commandLine;
        EXPECT_EQ(expected, Lines(log.begin(), log.begin() + expected.size())) << commandLine;
        EXPECT_EQ(kLogEnd, log.back()) << commandLine;
    }

    // The stand-ins' record of the calls, a line each.
    std::string Calls() const { return ReadFileText(dir.Path("calls.txt")); }
    void PasswordAnswers(const char* result) const { dir.Write("verify-result.txt", std::string(result)); }

    const WindowsVersion* version = nullptr;
    TempDir dir;
    const std::string show = dir.Path("show.scr");
};

struct StartCase {
    const char* name;
    const char* arguments;
    Lines start;            // the log's lines after "CMD" and "screensaver file"
    const char* callsOn9x;  // the stand-ins' record on the 9x family; the NT family records nothing
};

const Lines kConfigure{
    "start mode : Configure",     "Openning the configuration dialog!",  "Show configuration dialog.",
    "Exit configuration dialog.", "Exit from the configuration dialog!", kLogEnd};
const StartCase kStartCases[] = {
    {"FullScreen",
     "/s",
     {"start mode : Normal or Press Preview button!", "notify windows a screensaver is running", "show on screen 0"},
     ""},
    {"Configure", "/c", kConfigure, ""},
    {"NoArgument", "", kConfigure, ""},
    {"PasswordSwitch",
     "/a 1234",
     {"checking password in win9x", "finish checking password!", kLogEnd},
     "PwdChangePasswordA SCRSAVE 1234 0 0\n"},
    {"PasswordMode", "-a 77", {"start mode : change password", kLogEnd}, "PwdChangePasswordA SCRSAVE 77 0 0\n"},
};

// Names the case in the test's name.
void PrintTo(const StartCase& c, std::ostream* out)
{
    *out << c.name;
}

class StartMode : public WindowsVersions, public ::testing::WithParamInterface<StartCase> {};
}  // namespace

TEST_F(WindowsVersions, SystemReportsThePrefixsVersion)
{
    using GetVersion = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
    const auto rtlGetVersion = GetProc<GetVersion>(::GetModuleHandleA("ntdll.dll"), "RtlGetVersion");
    ASSERT_NE(nullptr, rtlGetVersion);
    RTL_OSVERSIONINFOW reported{};
    reported.dwOSVersionInfoSize = sizeof reported;
    ASSERT_EQ(0, rtlGetVersion(&reported));
    EXPECT_EQ(version->major, reported.dwMajorVersion);
    EXPECT_EQ(version->minor, reported.dwMinorVersion);
    EXPECT_EQ(version->platform, reported.dwPlatformId);
}

// The screen window or the dialog is closed as the system would close it, once it is up.
TEST_P(StartMode, LogsItsModeAndUsesThePasswordServicesOnlyOnThe9xFamily)
{
    const StartCase& c = GetParam();
    const std::string line = CommandLine(c.arguments);
    ASSERT_EQ(0, RunShow(line)) << line;
    ExpectLogStart(line, c.start);
    EXPECT_EQ(NineX() ? c.callsOn9x : "", Calls());
}

INSTANTIATE_TEST_SUITE_P(EachSwitch, StartMode, ::testing::ValuesIn(kStartCases));

TEST_F(WindowsVersions, PreviewFillsItsHostUntilTheHostEndsIt)
{
    UniqueWindow host(::CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 100, 100, 152, 112, nullptr,
                                        nullptr, nullptr, nullptr));
    ASSERT_TRUE(host);
    const std::string line = CommandLine("/p " + Decimal(host.get()));
    Program player(line);
    const auto fillsHost = [&] {
        RECT r{};
        const HWND preview = ::FindWindowExA(host.get(), nullptr, "TForm", nullptr);
        return preview && ::GetWindowRect(preview, &r) && r.right - r.left == 152 && r.bottom - r.top == 112;
    };
    ASSERT_TRUE(PumpUntil(fillsHost, 30000)) << "no preview filled the host";
    host.reset();
    EXPECT_EQ(0, player.WaitForExit());
    ExpectLogStart(line, {"start mode : Preview in small screen", "notify windows a screensaver is running"});
    EXPECT_EQ("", Calls());
}

TEST_F(WindowsVersions, CloseAfterTheGracePeriodAsksForThePasswordOnlyOnThe9xFamily)
{
    Program player(CommandLine("/s"));
    const HWND screen = player.WaitForWindow("TForm");
    ASSERT_NE(nullptr, screen);
    // The grace period runs from the window's creation, which came before it was seen.
    const DWORD seen = ::GetTickCount();
    const DWORD graceMs = static_cast<DWORD>(CSaverSettings().graceSeconds) * 1000;
    PumpUntil([&] { return ::GetTickCount() - seen > graceMs; }, graceMs + 1000);

    PasswordAnswers("0");
    ::PostMessageA(screen, WM_RBUTTONDOWN, 0, 0);
    if (NineX()) {
        ASSERT_TRUE(WaitForLog("CanClose : no")) << "the refused password closed the show";
        PasswordAnswers("1");
        ::PostMessageA(screen, WM_RBUTTONDOWN, 0, 0);
    }
    EXPECT_EQ(0, player.WaitForExit());
    const std::string asked = "VerifyScreenSavePwd " + Decimal(screen) + "\n";
    EXPECT_EQ(NineX() ? asked + asked : "", Calls());
    EXPECT_EQ(1, LogCount("CanClose : yes"));
}

TEST_F(WindowsVersions, PictureShowGoesRound)
{
    MakeShow(ColourShowTables());
    Program player(CommandLine("/s"));
    const HWND screen = player.WaitForWindow("TForm");
    ASSERT_NE(nullptr, screen);
    ASSERT_TRUE(WaitForLog("Media name = red.bmp", 2)) << "the show did not come back to its first picture";
    ::PostMessageA(screen, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, player.WaitForExit());

    Lines names = Logged("Media name = ");
    names.resize(4);
    EXPECT_EQ((Lines{"red.bmp", "green.bmp", "blue.bmp", "red.bmp"}), names);
    EXPECT_GE(LogCount("begin a transition show"), 3) << "each picture comes with its transition";
}

TEST_F(WindowsVersions, DialogStoresWhatItsUserTicks)
{
    const std::string name = "Version Dialog Show";
    CSaverSettings stored;
    stored.SetKey(name);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, stored.registryKey.c_str());
    MakeShow(ShowTables(name));
    Program player(CommandLine("/c"));
    const HWND dialog = player.WaitForWindow("#32770");
    ASSERT_NE(nullptr, dialog);
    char caption[256] = {};
    ::GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_EQ(name + " - Screensaver Settings", caption);

    const HWND maxTime = FindDialogItem(dialog, IDC_CKBMAXTIME);
    ASSERT_NE(nullptr, maxTime);
    ::SendMessageA(maxTime, BM_CLICK, 0, 0);
    ::PostMessageA(FindDialogItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(0, player.WaitForExit());
    stored.Load();
    EXPECT_EQ(1, stored.options.maxRuntimeOn);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, stored.registryKey.c_str());
}

TEST_F(WindowsVersions, SetDefStoresTheDefaultWhereTheFamilyKeepsIt)
{
    char windows[MAX_PATH] = {};
    ASSERT_GT(::GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    std::string ini = windows;
    if (ini.back() != '\\') ini += '\\';
    ini += "system.ini";
    const auto forget = [&] {
        ::WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, ini.c_str());
        UniqueRegKey desktop;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_SET_VALUE, desktop.put()) ==
            ERROR_SUCCESS)
            ::RegDeleteValueA(desktop.get(), "SCRNSAVE.EXE");
    };
    forget();
    ASSERT_EQ(0, RunProcess(CommandLine("/setdef")));

    char expected[1024] = {};
    ::GetShortPathNameA(show.c_str(), expected, sizeof expected);
    ::CharUpperA(expected);
    char inFile[1024] = {};
    ::GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", inFile, sizeof inFile, ini.c_str());
    EXPECT_EQ(NineX() ? expected : "", std::string(inFile));
    EXPECT_EQ(NineX() ? "<no value>" : expected,
              ReadString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE"));
    forget();
}
