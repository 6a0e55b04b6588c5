#include "Thread.h"

#include "Application.h"

#include <exception>

namespace {
// Messages to the main thread's message-only window.
constexpr UINT kSynchronize = WM_APP + 10;  // lParam: the call; sent, so the worker waits
constexpr UINT kTerminated = WM_APP + 11;   // lParam: the thread; posted when Execute has returned
const char kSyncClass[] = "TThreadSync";
}  // namespace

TThread::TThread() : syncWindow(SyncWindow())
{
    handle.reset(::CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, nullptr));
}

TThread::~TThread()
{
    if (!handle) return;
    if (!started) {
        // Never run: let it return at once.
        terminated = true;
        ::ResumeThread(handle.get());
    }
    ::WaitForSingleObject(handle.get(), INFINITE);
}

void TThread::Resume()
{
    if (!handle || started) return;
    started = true;
    ::ResumeThread(handle.get());
}

DWORD WINAPI TThread::ThreadProc(void* self)
{
    auto* thread = static_cast<TThread*>(self);
    if (!thread->started) return 0;  // destroyed before it was resumed
    try {
        thread->Execute();
    } catch (...) {
        // A worker has nobody to report to; it simply ends.
    }
    // From here the main thread may delete the object at any time.
    ::PostMessageA(thread->syncWindow, kTerminated, 0, reinterpret_cast<LPARAM>(thread));
    return 0;
}

void TThread::Synchronize(const std::function<void()>& call)
{
    ::SendMessageA(syncWindow, kSynchronize, 0, reinterpret_cast<LPARAM>(&call));
}

LRESULT CALLBACK TThread::SyncProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        if (message == kSynchronize) {
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
            return 0;
        }
        if (message == kTerminated) {
            auto* thread = reinterpret_cast<TThread*>(lParam);
            if (thread->OnTerminate) thread->OnTerminate();
            if (thread->FreeOnTerminate) delete thread;
            return 0;
        }
    } catch (const std::exception& e) {
        Application.ShowException(e);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// The main thread's message-only window, made by the first thread object.
HWND TThread::SyncWindow()
{
    static HWND window = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = SyncProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kSyncClass;
        ::RegisterClassA(&windowClass);
        return ::CreateWindowExA(0, kSyncClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                                 nullptr);
    }();
    return window;
}
