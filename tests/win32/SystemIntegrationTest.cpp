// The player's dealings with the system's screensaver settings, on the NT family.
#include "../../src/app/SystemIntegration.h"
#include "../../src/framework/Handles.h"
#include "../support/Processes.h"
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

std::string ReadString(HKEY root, const std::string& path, const char* name, DWORD* type = nullptr,
                       DWORD* size = nullptr)
{
    UniqueRegKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return "<no key>";
    char buffer[1024] = {};
    DWORD length = sizeof buffer - 1;
    if (::RegQueryValueExA(key.get(), name, nullptr, type, reinterpret_cast<BYTE*>(buffer), &length) != ERROR_SUCCESS)
        return "<no value>";
    if (size) *size = length;
    return buffer;
}

void WriteString(HKEY root, const std::string& path, const char* name, const std::string& value)
{
    UniqueRegKey key;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr));
    ::RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
}

// Points the ".scr" file class at a command of the test's own, and puts the old class back.
class InstallCommandOverride {
public:
    explicit InstallCommandOverride(const std::string& command) : saved(ReadString(HKEY_CLASSES_ROOT, ".scr", nullptr))
    {
        WriteString(HKEY_CLASSES_ROOT, ".scr", nullptr, "VeskTestScr");
        WriteString(HKEY_CLASSES_ROOT, "VeskTestScr\\shell\\install\\command", nullptr, command);
    }
    ~InstallCommandOverride()
    {
        if (saved.front() != '<') WriteString(HKEY_CLASSES_ROOT, ".scr", nullptr, saved);
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr\\shell\\install\\command");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr\\shell\\install");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr\\shell");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr");
    }

private:
    std::string saved;
};
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
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\quillmere\\Keep Me");
    RemoveSettingsKey("Never There");
}

TEST(SystemIntegration, PasswordsAreTheSystemsBusinessOnNT)
{
    ASSERT_TRUE(IsWindowsNT());
    EXPECT_TRUE(VerifyScreensaverPassword(nullptr));
    ChangeScreensaverPassword(nullptr);
}
