#include "Processes.h"

#include <vector>

std::string ProgramFolder()
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string module(path, n);
    return module.substr(0, module.find_last_of('\\') + 1);
}

int RunProcess(const std::string& commandLine, DWORD timeoutMs)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    int result = -1;
    if (::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        ::GetExitCodeProcess(process.hProcess, &code);
        result = static_cast<int>(code);
    } else {
        ::TerminateProcess(process.hProcess, 1);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return result;
}

bool WaitForFile(const std::string& path, DWORD timeoutMs)
{
    for (DWORD waited = 0;; waited += 50) {
        if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        if (waited >= timeoutMs) return false;
        ::Sleep(50);
    }
}

namespace {
struct ShowWindowSearch {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindShowWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ShowWindowSearch*>(data);
    DWORD owner = 0;
    char className[16] = {};
    ::GetWindowThreadProcessId(window, &owner);
    ::GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || std::string(className) != "TForm") return TRUE;
    search->window = window;
    return FALSE;
}
}  // namespace

int RunShow(const std::string& commandLine, DWORD timeoutMs)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    int result = -1;
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (::WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
            DWORD code = 0;
            ::GetExitCodeProcess(process.hProcess, &code);
            result = static_cast<int>(code);
            break;
        }
        ShowWindowSearch search{process.dwProcessId, nullptr};
        ::EnumWindows(FindShowWindow, reinterpret_cast<LPARAM>(&search));
        if (search.window && waited % 500 == 0) ::PostMessageA(search.window, WM_CLOSE, 0, 0);
    }
    if (result == -1) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return result;
}
