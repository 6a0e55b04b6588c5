#include "PlayerRun.h"

#include "../../src/framework/Handles.h"
#include "../support/Processes.h"

#include <set>

namespace {

// The text of a message box (its static text control) with its caption.
std::string BoxText(HWND box)
{
    char caption[256] = {}, text[1024] = {};
    ::GetWindowTextA(box, caption, sizeof caption);
    // Asked with a time-out: the box's thread may be stopped at a debug event that only this
    // thread can answer.
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(::GetDlgItem(box, 0xFFFF), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                               SMTO_ABORTIFHUNG, 500, &copied))
        return std::string(caption) + ": (text not available)";
    return std::string(caption) + ": " + text;
}

// Answers one debug event; false once the process has gone.
bool HandleDebugEvent(const DEBUG_EVENT& event, PlayerRun& run, HANDLE process)
{
    DWORD continuation = DBG_CONTINUE;
    bool alive = true;
    switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile) ::CloseHandle(event.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile) ::CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXCEPTION_DEBUG_EVENT: {
            const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
            if (!event.u.Exception.dwFirstChance && !run.crashed) {
                run.crashed = true;
                run.exceptionCode = record.ExceptionCode;
                run.exceptionAddress = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(record.ExceptionAddress));
                ::TerminateProcess(process, record.ExceptionCode);
            }
            // The loader's breakpoint is ours to pass; everything else goes to the program's handlers.
            if (record.ExceptionCode != EXCEPTION_BREAKPOINT) continuation = DBG_EXCEPTION_NOT_HANDLED;
            break;
        }
        case EXIT_PROCESS_DEBUG_EVENT:
            run.exitCode = event.u.ExitProcess.dwExitCode;
            alive = false;
            break;
        default:
            break;
    }
    ::ContinueDebugEvent(event.dwProcessId, event.dwThreadId, continuation);
    return alive;
}

// Whether the process has ended within `waitMs`; its exit code then goes into the run.
bool Ended(HANDLE process, DWORD waitMs, PlayerRun& run)
{
    if (::WaitForSingleObject(process, waitMs) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    ::GetExitCodeProcess(process, &code);
    run.exitCode = code;
    return true;
}

// The player runs as a debuggee, so that an exception nothing in it handles is caught as it
// happens. Wine's 64-bit loader loses a register when it hands a C++ exception to a debugger and
// back, so a 64-bit player runs on its own: an unhandled exception then ends it with the
// exception's code as its exit code, which the run reports instead.
#ifdef _WIN64
constexpr bool kDebugged = false;
#else
constexpr bool kDebugged = true;
#endif

}  // namespace

PlayerRun RunPlayer(const std::string& commandLine, const std::string& folder, DWORD showMs, DWORD timeoutMs)
{
    PlayerRun run;
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, kDebugged ? DEBUG_ONLY_THIS_PROCESS : 0, nullptr,
                          folder.c_str(), &startup, &info)) {
        run.startError = ::GetLastError();
        return run;
    }
    run.started = true;
    UniqueKernelHandle process(info.hProcess), thread(info.hThread);

    std::set<HWND> answered;
    const DWORD start = ::GetTickCount();
    DWORD shownAt = 0, lastClose = 0, lastAnswer = 0, lastLook = 0;
    for (bool alive = true; alive;) {
        DEBUG_EVENT event{};
        if (!kDebugged)
            alive = !Ended(process.get(), 20, run);
        else if (::WaitForDebugEvent(&event, 20))
            alive = HandleDebugEvent(event, run, process.get());
        const DWORD now = ::GetTickCount();
        if (alive && now - start > timeoutMs) {
            ::TerminateProcess(process.get(), 1);
            // The exit still comes, but the run counts as one that did not end.
            if (!kDebugged) Ended(process.get(), 5000, run);
            while (kDebugged && ::WaitForDebugEvent(&event, 5000) && HandleDebugEvent(event, run, process.get())) {
            }
            return run;
        }
        // Windows are looked at every 20 ms even while debug events keep coming (a show that
        // starts a thread for every item it skips sends them without pause).
        if (!alive || now - lastLook < 20) continue;
        lastLook = now;
        if (HWND box = FindProcessWindow(info.dwProcessId, "#32770")) {
            if (answered.insert(box).second) run.boxes.push_back(BoxText(box));
            if (now - lastAnswer >= 500) {
                ::PostMessageA(box, WM_COMMAND, IDOK, 0);
                lastAnswer = now;
            }
            continue;
        }
        if (HWND screen = FindProcessWindow(info.dwProcessId, "TForm")) {
            if (!run.showed) shownAt = now;
            run.showed = true;
            if (now - shownAt >= showMs && now - lastClose >= 1000) {
                ::PostMessageA(screen, WM_CLOSE, 0, 0);
                lastClose = now;
            }
        }
    }
    run.ended = true;
    return run;
}
