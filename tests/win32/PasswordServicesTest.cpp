// The 9x password services, with this program started as the 9x family and stand-ins of the two
// libraries beside it that record their calls.
#include "../../src/settings/SystemIntegration.h"
#include "../support/Processes.h"
#include "../support/Shows.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

namespace {
struct PasswordServices : ::testing::Test {
    const std::string folder = ProgramFolder();

    void SetUp() override
    {
        ::DeleteFileA((folder + "calls.txt").c_str());
        ::DeleteFileA((folder + "verify-result.txt").c_str());
    }
    void TearDown() override { SetUp(); }

    std::string Calls() const { return ReadFileText(folder + "calls.txt"); }
    void VerifyAnswers(const char* result) const { WriteFileText(folder + "verify-result.txt", result); }
};

// Moves a file aside for the life of the object.
class FileAside {
public:
    explicit FileAside(std::string path) : path(std::move(path)) { ::MoveFileA(this->path.c_str(), Aside().c_str()); }
    ~FileAside() { ::MoveFileA(Aside().c_str(), path.c_str()); }

private:
    std::string Aside() const { return path + ".aside"; }
    std::string path;
};
}  // namespace

TEST_F(PasswordServices, RunAsThe9xFamily)
{
    EXPECT_FALSE(IsWindowsNT());
}

TEST_F(PasswordServices, ChangeCallsMprWithTheProvider)
{
    ChangeScreensaverPassword(reinterpret_cast<HWND>(1234));
    EXPECT_EQ("PwdChangePasswordA SCRSAVE 1234 0 0\n", Calls());
}

TEST_F(PasswordServices, VerifyAsksPasswordCpl)
{
    VerifyAnswers("0");
    EXPECT_FALSE(VerifyScreensaverPassword(reinterpret_cast<HWND>(77)));
    VerifyAnswers("1");
    EXPECT_TRUE(VerifyScreensaverPassword(reinterpret_cast<HWND>(78)));
    EXPECT_EQ("VerifyScreenSavePwd 77\nVerifyScreenSavePwd 78\n", Calls());
}

TEST_F(PasswordServices, MissingLibrariesCountAsSuccess)
{
    VerifyAnswers("0");
    FileAside password(folder + "PASSWORD.CPL");
    FileAside mpr(folder + "MPR.DLL");
    EXPECT_TRUE(VerifyScreensaverPassword(nullptr));
    ChangeScreensaverPassword(nullptr);
    EXPECT_EQ("", Calls());
}

TEST_F(PasswordServices, MissingEntryCountsAsSuccess)
{
    VerifyAnswers("0");
    FileAside password(folder + "PASSWORD.CPL");
    ASSERT_TRUE(::CopyFileA((folder + "password_noentry.cpl").c_str(), (folder + "PASSWORD.CPL").c_str(), FALSE));
    EXPECT_TRUE(VerifyScreensaverPassword(nullptr));
    ::DeleteFileA((folder + "PASSWORD.CPL").c_str());
    EXPECT_EQ("", Calls());
}

TEST_F(PasswordServices, PlayerChangesThePasswordFromItsCommandLine)
{
    const std::string show = folder + "show98.scr";
    ASSERT_TRUE(AppendPackage(folder + "player.scr", ShowTables("Password Show"), show));
    EXPECT_EQ(0, RunProcess("\"" + show + "\" /a 1234"));
    EXPECT_EQ(0, RunProcess("\"" + show + "\" -a 77"));
    EXPECT_EQ(0, RunProcess("\"" + show + "\" /A:x"));
    EXPECT_EQ(
        "PwdChangePasswordA SCRSAVE 1234 0 0\nPwdChangePasswordA SCRSAVE 77 0 0\n"
        "PwdChangePasswordA SCRSAVE 0 0 0\n",
        Calls());
    ::DeleteFileA(show.c_str());
}

TEST_F(PasswordServices, SetAsDefaultWritesSystemIni)
{
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    std::string ini = windows;
    if (ini.back() != '\\') ini += '\\';
    ini += "system.ini";
    const std::string show = folder + "player.scr";

    SetAsDefaultScreensaver(show);

    char value[1024] = {};
    ::GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", value, sizeof value, ini.c_str());
    char expected[1024] = {};
    ::GetShortPathNameA(show.c_str(), expected, sizeof expected);
    EXPECT_STREQ(::CharUpperA(expected), value);
    ::WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, ini.c_str());
}
