#include "SystemIntegration.h"

#include "../diagnostics/FileLog.h"
#include "../platform/win32/SystemHandles.h"
#include "InstallCommand.h"
#include "SaverOptions.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {
constexpr DWORD kPathBuffer = 1024;
const char kDefaultValue[] = "SCRNSAVE.EXE";

// The default value of a key below HKEY_CLASSES_ROOT; empty when the key or value is missing.
std::string ClassesRootDefault(const std::string& subKey)
{
    UniqueRegKey key;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return {};
    std::vector<char> value(kPathBuffer + 1, '\0');
    DWORD size = kPathBuffer;
    if (::RegQueryValueExA(key.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    return value.data();
}

// Deletes `subKey` of `parent` with everything below it; RegDeleteKey alone refuses keys that
// have sub-keys on the NT family.
void DeleteKeyTree(HKEY parent, const std::string& subKey)
{
    {
        UniqueRegKey key;
        if (::RegOpenKeyExA(parent, subKey.c_str(), 0, KEY_READ | KEY_WRITE, key.put()) != ERROR_SUCCESS) return;
        char name[256];
        for (;;) {
            DWORD length = sizeof name;
            if (::RegEnumKeyExA(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            const std::string child(name, length);
            DeleteKeyTree(key.get(), child);
            // A child that could not be removed would be found again: stop instead of looping.
            UniqueRegKey stillThere;
            if (::RegOpenKeyExA(key.get(), child.c_str(), 0, KEY_READ, stillThere.put()) == ERROR_SUCCESS) break;
        }
    }
    const LONG result = ::RegDeleteKeyA(parent, subKey.c_str());
    if (result != ERROR_SUCCESS) FILE_LOG("registry key %s not deleted (%ld)", subKey.c_str(), result);
}
}  // namespace

bool IsWindowsNT()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string ShortPath(const std::string& path)
{
    std::vector<char> buffer(kPathBuffer, '\0');
    const DWORD n = ::GetShortPathNameA(path.c_str(), buffer.data(), kPathBuffer);
    if (n == 0 || n >= kPathBuffer) return path;
    return std::string(buffer.data(), n);
}

void SetAsDefaultScreensaver(const std::string& path)
{
    std::string value = ShortPath(path);
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (IsWindowsNT()) {
        UniqueRegKey key;
        LONG result = ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
        if (result == ERROR_SUCCESS)
            result = ::RegSetValueExA(key.get(), kDefaultValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data()),
                                      static_cast<DWORD>(value.size()));
        if (result != ERROR_SUCCESS) FILE_LOG("default screensaver not set: the registry refused it (%ld)", result);
        if (!key) return;
    } else {
        char folder[MAX_PATH] = {};
        const UINT n = ::GetWindowsDirectoryA(folder, MAX_PATH);
        std::string ini(folder, n < MAX_PATH ? n : 0);
        if (ini.empty() || ini.back() != '\\') ini += '\\';
        if (!::WritePrivateProfileStringA("boot", kDefaultValue, value.c_str(), (ini + "system.ini").c_str()))
            FILE_LOG("default screensaver not set: %ssystem.ini refused it (%lu)", ini.c_str(), ::GetLastError());
    }
    ::SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

void RunInstallCommand(const std::string& path)
{
    const std::string fileClass = ClassesRootDefault(".scr");
    if (fileClass.empty()) return;
    const std::string command = ClassesRootDefault(fileClass + "\\shell\\install\\command");
    if (command.empty()) return;
    ::WinExec(ExpandInstallCommand(command, ShortPath(path)).c_str(), SW_SHOW);
}

void ChangeScreensaverPassword(HWND owner)
{
    if (IsWindowsNT()) return;
    UniqueLibrary library(::LoadLibraryA("MPR.DLL"));
    if (!library) return;
    using PwdChangePassword = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
    if (auto change = GetProc<PwdChangePassword>(library.get(), "PwdChangePasswordA"))
        change("SCRSAVE", owner, 0, nullptr);
}

bool VerifyScreensaverPassword(HWND owner)
{
    if (IsWindowsNT()) return true;
    UniqueLibrary library(::LoadLibraryA("PASSWORD.CPL"));
    if (!library) return true;
    using VerifyScreenSavePwd = BOOL(WINAPI*)(HWND);
    auto verify = GetProc<VerifyScreenSavePwd>(library.get(), "VerifyScreenSavePwd");
    return !verify || verify(owner) != 0;
}

void RemoveSettingsKey(const std::string& projectName)
{
    if (projectName.empty()) {
        // The key of an unnamed project is the vendor's key itself, with every project's settings.
        FILE_LOG("settings not removed: the project has no name");
        return;
    }
    UniqueRegKey root;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, nullptr, 0, KEY_WRITE, root.put()) != ERROR_SUCCESS) return;
    DeleteKeyTree(root.get(), SettingsKeyToRemove(projectName));
}

void NotifyScreensaverRunning(bool running)
{
    BOOL previous = FALSE;
    ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? 1 : 0, &previous, 0);
}
