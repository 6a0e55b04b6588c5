#include "Processes.h"

#include "../../src/framework/Handles.h"
#include "MessagePump.h"

#include <vector>

namespace {
struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND window;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    char className[64] = {};
    ::GetWindowThreadProcessId(window, &owner);
    ::GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || std::string(className) != search->className || !::IsWindowVisible(window))
        return TRUE;
    search->window = window;
    return FALSE;
}

// Runs `commandLine`; while it runs, `whileRunning` is called every 50 ms with its process id.
template <class WhileRunning>
int Run(const std::string& commandLine, DWORD timeoutMs, WhileRunning whileRunning)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    UniqueKernelHandle processHandle(process.hProcess), thread(process.hThread);
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (::WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
            DWORD code = 0;
            ::GetExitCodeProcess(process.hProcess, &code);
            return static_cast<int>(code);
        }
        whileRunning(process.dwProcessId, waited);
    }
    ::TerminateProcess(process.hProcess, 1);
    return -1;
}
}  // namespace

std::string ProgramFolder()
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string module(path, n);
    return module.substr(0, module.find_last_of('\\') + 1);
}

HWND FindProcessWindow(DWORD processId, const char* className)
{
    WindowSearch search{processId, className, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.window;
}

int RunProcess(const std::string& commandLine, DWORD timeoutMs)
{
    return Run(commandLine, timeoutMs, [](DWORD, DWORD) {});
}

int RunShow(const std::string& commandLine, DWORD timeoutMs)
{
    return Run(commandLine, timeoutMs, [](DWORD processId, DWORD waited) {
        if (waited % 500 != 0) return;
        if (HWND window = FindProcessWindow(processId, "TForm")) ::PostMessageA(window, WM_CLOSE, 0, 0);
        // The configuration dialog is cancelled the same way.
        if (HWND dialog = FindProcessWindow(processId, "#32770")) {
            char caption[256] = {};
            ::GetWindowTextA(dialog, caption, sizeof caption);
            if (std::string(caption).find("Screensaver Settings") != std::string::npos)
                ::PostMessageA(dialog, WM_CLOSE, 0, 0);
        }
    });
}

bool WaitForFile(const std::string& path, DWORD timeoutMs)
{
    for (DWORD waited = 0;; waited += 50) {
        if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        if (waited >= timeoutMs) return false;
        ::Sleep(50);
    }
}

Program::Program(const std::string& commandLine)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return;
    UniqueKernelHandle thread(info.hThread);
    process.reset(info.hProcess);
    id = info.dwProcessId;
}

Program::~Program()
{
    if (!Running()) return;
    ::TerminateProcess(process.get(), 1);
    ::WaitForSingleObject(process.get(), 10000);
}

bool Program::Running() const
{
    return process && ::WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

HWND Program::WaitForWindow(const char* className, DWORD timeoutMs) const
{
    HWND window = nullptr;
    PumpUntil([&] { return (window = FindProcessWindow(id, className)) != nullptr || !Running(); }, timeoutMs);
    return window;
}

int Program::WaitForExit(DWORD timeoutMs) const
{
    if (!process || !PumpUntil([this] { return !Running(); }, timeoutMs)) return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(process.get(), &code);
    return static_cast<int>(code);
}
