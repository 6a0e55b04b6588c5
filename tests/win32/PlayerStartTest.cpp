// The real player started with each switch, beside a vesk.log: what it logs, and what it changes.
#include "../../src/framework/Handles.h"
#include "../../src/package/Payloads.h"
#include "../../src/platform/File.h"
#include "../../src/slideshow/ComPicture.h"
#include "../support/OwnTempFolder.h"
#include "../support/PlayerLog.h"
#include "../support/Processes.h"
#include "../support/Registry.h"
#include "../support/Shows.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <thread>

namespace {
using Lines = std::vector<std::string>;

struct PlayerStart : ::testing::Test {
    OwnTempFolder temp;
    TempDir dir;

    // Writes the show as `fileName` with an empty vesk.log beside it; returns its path.
    std::string MakeShow(const std::string& fileName, const std::vector<PackageTable>& tables)
    {
        const std::string show = dir.Path(fileName);
        EXPECT_TRUE(AppendPackage(ProgramFolder() + "player.scr", tables, show));
        dir.Write("vesk.log", std::string());
        return show;
    }
    std::string MakeShow(const std::string& fileName = "show.scr")
    {
        return MakeShow(fileName, ShowTables("Start Show"));
    }

    // Runs the show with `arguments`; returns the command line it was given.
    std::string Start(const std::string& show, const std::string& arguments)
    {
        const std::string line = "\"" + show + "\"" + (arguments.empty() ? "" : " " + arguments);
        EXPECT_EQ(0, RunShow(line)) << line;
        return line;
    }

    Lines Log() { return LogMessages(dir.Path("vesk.log")); }
};

}  // namespace

TEST_F(PlayerStart, FullScreenLogsItsStartAndAnnouncesItself)
{
    const std::string show = MakeShow();
    const std::string line = Start(show, "/s");
    const Lines log = Log();
    // The show of no items tries its one empty item until it is closed.
    const Lines start{kLogBegin,
                      "CMD: " + line,
                      "screensaver file : " + show,
                      "start mode : Normal or Press Preview button!",
                      "notify windows a screensaver is running",
                      "show on screen 0",
                      "Media Count = 0",
                      "Media name = ",
                      "picture \"\" skipped: no picture decoded",
                      "Main form Init Pos 0 ,0"};
    const Lines end{"Close Query", "CanClose : yes", "notify windows screensaver is stopped!", kLogEnd};
    ASSERT_GE(log.size(), start.size() + end.size());
    EXPECT_EQ(start, Lines(log.begin(), log.begin() + start.size()));
    EXPECT_EQ(end, Lines(log.end() - end.size(), log.end()));
}

TEST_F(PlayerStart, ShowsAndPreviewsSaveTheDesktopFirstButTheDialogDoesNot)
{
    const std::string snapshot = TempFolder() + "veskdsk.bmp";
    const std::string show = MakeShow();
    RemoveFile(snapshot);
    Start(show, "/c");
    EXPECT_FALSE(FileExists(snapshot));

    Start(show, "/s");
    CComPicture desktop;
    ASSERT_EQ(1, desktop.LoadFromFile(snapshot));
    EXPECT_EQ(::GetSystemMetrics(SM_CXVIRTUALSCREEN), desktop.Width());
    EXPECT_EQ(::GetSystemMetrics(SM_CYVIRTUALSCREEN), desktop.Height());
}

TEST_F(PlayerStart, EachSwitchChoosesItsMode)
{
    const std::string show = MakeShow();
    struct Case {
        const char* arguments;
        Lines after;  // the lines after "CMD" and "screensaver file"
    };
    const Lines kConfigure{
        "start mode : Configure",     "Openning the configuration dialog!",  "Show configuration dialog.",
        "Exit configuration dialog.", "Exit from the configuration dialog!", kLogEnd};
    const Case cases[] = {
        {"/p 1234", {"start mode : Preview in small screen", "notify windows a screensaver is running"}},
        {"/c", kConfigure},
        {"", kConfigure},
        {"-a 5", {"start mode : change password", kLogEnd}},
        {"/x", {}},
        {"/SETDEF",
         {"start mode : Normal or Press Preview button!", "notify windows a screensaver is running",
          "show on screen 0"}},
    };
    for (const Case& c : cases) {
        dir.Write("vesk.log", std::string());
        const std::string line = Start(show, c.arguments);
        Lines expected = {kLogBegin, "CMD: " + line, "screensaver file : " + show};
        expected.insert(expected.end(), c.after.begin(), c.after.end());
        const Lines log = Log();
        ASSERT_GE(log.size(), expected.size()) << c.arguments;
        EXPECT_EQ(expected, Lines(log.begin(), log.begin() + expected.size())) << c.arguments;
        EXPECT_EQ(kLogEnd, log.back()) << c.arguments;
    }
}

TEST_F(PlayerStart, RunsAsAProgramWhenTheNameOrTheProjectSaysSo)
{
    const std::string exe = MakeShow("show.exe.scr");
    Start(exe, "/s");
    EXPECT_EQ("start mode : run as an exe file", Log().at(3));

    const std::string forced = MakeShow("forced.scr", ShowTables("Forced Show", 1));
    Start(forced, "/p 99");
    EXPECT_EQ("start mode : run as an exe file", Log().at(3));
    EXPECT_EQ("show on screen 0", Log().at(4)) << "a program announces nothing to the system before its window";
}

TEST_F(PlayerStart, TheDialogShowsWhenTheForegroundWindowDoesNotAnswer)
{
    const std::string show = MakeShow();
    UniqueKernelHandle shown(::CreateEventA(nullptr, TRUE, FALSE, nullptr)), done(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    // A window of another thread takes the foreground and then handles no message until the end.
    std::thread stuck([&] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "StuckWindow";
        ::RegisterClassA(&windowClass);
        const HWND window = ::CreateWindowExA(0, "StuckWindow", "stuck", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                              100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ::SetForegroundWindow(window);
        ::SetEvent(shown.get());
        ::WaitForSingleObject(done.get(), INFINITE);
        ::DestroyWindow(window);
    });
    ::WaitForSingleObject(shown.get(), INFINITE);
    const int result = RunShow("\"" + show + "\" /c", 30000);
    ::SetEvent(done.get());
    stuck.join();
    EXPECT_EQ(0, result) << "the dialog showed and was closed";
}

TEST_F(PlayerStart, SecondFullScreenInstanceEndsAtOnce)
{
    const std::string show = MakeShow();
    UniqueKernelHandle first(::CreateMutexA(nullptr, TRUE, "quillmerescreensaver"));
    ASSERT_TRUE(first);
    const std::string line = Start(show, "/s");
    EXPECT_EQ((Lines{kLogBegin, "CMD: " + line, "screensaver file : " + show, kLogEnd}), Log());
}

TEST_F(PlayerStart, SetDefMakesTheShowTheDefaultScreensaver)
{
    const std::string show = MakeShow("Default Show.scr");
    const std::string line = Start(show, "/setdef");
    EXPECT_EQ((Lines{kLogBegin, "CMD: " + line, "screensaver file : " + show, "set as system's default screensaver!",
                     "default screensaver is set!", kLogEnd}),
              Log());
    UniqueRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, key.put()));
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegQueryValueExA(key.get(), "SCRNSAVE.EXE", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size));
    char shortPath[1024] = {};
    ::GetShortPathNameA(show.c_str(), shortPath, sizeof shortPath);
    EXPECT_STREQ(CharUpperA(shortPath), value);
}

TEST_F(PlayerStart, DelRegRemovesTheSettingsAndIgnoresTheModeLetter)
{
    const std::string show = MakeShow("remove.scr", ShowTables("Removed Show 1.0"));
    UniqueRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\quillmere\\Removed Show 1.0\\sub", 0,
                                               nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr));
    key.reset();
    const std::string line = Start(show, "/delreg /s");
    EXPECT_EQ((Lines{kLogBegin, "CMD: " + line, "screensaver file : " + show, kLogEnd}), Log());
    EXPECT_NE(ERROR_SUCCESS,
              ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\quillmere\\Removed Show 1.0", 0, KEY_READ, key.put()));
}

TEST_F(PlayerStart, LogsNothingWithoutTheLogFile)
{
    const std::string show = MakeShow();
    ::DeleteFileA(dir.Path("vesk.log").c_str());
    Start(show, "/s");
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(dir.Path("vesk.log").c_str()));
}

// A package without its project record cannot start: the player says why in a message box and
// still ends through its shutdown.
TEST_F(PlayerStart, BrokenPackageIsReportedInAMessageBox)
{
    const std::string show = MakeShow("broken.scr", {PackageTable("media", {{"name"}})});
    std::string command = "\"" + show + "\" /s";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    UniqueKernelHandle processHandle(process.hProcess), thread(process.hThread);

    HWND box = nullptr;
    for (int i = 0; i < 600 && !box; ++i) {
        ::Sleep(50);
        box = FindProcessWindow(process.dwProcessId, "#32770");
    }
    ASSERT_NE(nullptr, box) << "no message box appeared";
    char text[512] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_NE(std::string::npos, std::string(text).find("project")) << text;
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process.hProcess, 30000));

    const Lines log = Log();
    EXPECT_EQ(kLogEnd, log.back()) << "the run ended through its shutdown";
}

TEST_F(PlayerStart, InsRunsTheSystemsInstallCommand)
{
    const std::string show = MakeShow();
    const std::string out = dir.Path("installed.txt");
    InstallCommandOverride install("cmd.exe /c echo %l>" + out);
    const std::string line = Start(show, "/ins");
    EXPECT_EQ((Lines{kLogBegin, "CMD: " + line, "screensaver file : " + show, "open screensaver setting dialog!",
                     "setting dialog closed!", kLogEnd}),
              Log());
    ASSERT_TRUE(WaitForFile(out, 30000));
    ::Sleep(200);
    char shortPath[1024] = {};
    ::GetShortPathNameA(show.c_str(), shortPath, sizeof shortPath);
    EXPECT_EQ(0u, ReadFileText(out).find(shortPath));
}
