// The player's dealings with the system's screensaver settings, on the NT family.
#include "../../src/framework/Handles.h"
#include "../../src/settings/SystemIntegration.h"
#include "../support/Processes.h"
#include "../support/Registry.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {
std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

}  // namespace

TEST(SystemIntegration, SetAsDefaultWritesTheShortUpperCasePath)
{
    TempDir dir;
    const std::string path = dir.Write("My Long Show Name.scr", std::string("MZ"));
    ::SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 0, nullptr, SPIF_UPDATEINIFILE);

    SetAsDefaultScreensaver(path);

    DWORD type = 0, size = 0;
    const std::string stored = ReadString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE", &type, &size);
    EXPECT_EQ(Upper(ShortPath(path)), stored);
    EXPECT_NE(std::string::npos, stored.find('~')) << "a long name is stored in its 8.3 form";
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    // The player passes the length without the terminating zero; the NT registry counts the zero
    // itself when the byte after the data is one, as it is after a string.
    EXPECT_TRUE(size == stored.size() || size == stored.size() + 1) << size;
    BOOL active = FALSE;
    ::SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    EXPECT_TRUE(active);
}

TEST(SystemIntegration, InstallCommandReplacesEveryLowerCaseL)
{
    TempDir dir;
    const std::string path = dir.Write("show.scr", std::string("MZ"));
    const std::string out = dir.Path("install.txt");
    InstallCommandOverride install("cmd.exe /c echo %l+%l+%L>" + out);

    RunInstallCommand(path);

    ASSERT_TRUE(WaitForFile(out, 30000));
    ::Sleep(200);
    std::string text = ReadFileText(out);
    text.erase(text.find_last_not_of("\r\n ") + 1);
    EXPECT_EQ(ShortPath(path) + "+" + ShortPath(path) + "+%L", text);
}

TEST(SystemIntegration, InstallCommandNeedsTheFileClass)
{
    TempDir dir;
    InstallCommandOverride install("cmd.exe /c echo x>" + dir.Path("unused.txt"));
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr\\shell\\install\\command");
    RunInstallCommand(dir.Path("show.scr"));
    ::Sleep(500);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(dir.Path("unused.txt").c_str()));
}

TEST(SystemIntegration, RemoveSettingsKeyDeletesTheWholeTree)
{
    WriteString(HKEY_CURRENT_USER, "Software\\quillmere\\Remove Me 1.5\\deeper\\deepest", "v", "x");
    WriteString(HKEY_CURRENT_USER, "Software\\quillmere\\Remove Me 1.5", "data", "x");
    WriteString(HKEY_CURRENT_USER, "Software\\quillmere\\Keep Me", "data", "x");

    RemoveSettingsKey("Remove Me 1.5");

    UniqueRegKey key;
    EXPECT_NE(ERROR_SUCCESS,
              ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\quillmere\\Remove Me 1.5", 0, KEY_READ, key.put()));
    EXPECT_EQ("x", ReadString(HKEY_CURRENT_USER, "Software\\quillmere\\Keep Me", "data"));
    RemoveSettingsKey("");
    EXPECT_EQ("x", ReadString(HKEY_CURRENT_USER, "Software\\quillmere\\Keep Me", "data"))
        << "a project without a name is not every project";
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\quillmere\\Keep Me");
    RemoveSettingsKey("Never There");
}

TEST(SystemIntegration, PasswordsAreTheSystemsBusinessOnNT)
{
    ASSERT_TRUE(IsWindowsNT());
    EXPECT_TRUE(VerifyScreensaverPassword(nullptr));
    ChangeScreensaverPassword(nullptr);
}
