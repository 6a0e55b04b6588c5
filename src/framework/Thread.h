// A worker thread with the framework's life cycle: created suspended, started by Resume, asked to
// stop through its terminate flag, ended by returning from Execute. Its end is reported on the
// main thread (OnTerminate), where a FreeOnTerminate thread is then deleted. Synchronize runs a
// call on the main thread while the worker waits for it.
//
//   class TLoader : public TThread {
//   protected:
//       void Execute() override { Synchronize([this] { form->Show(); }); }
//   };
//   auto* loader = new TLoader;        // on the main thread
//   loader->FreeOnTerminate = true;
//   loader->OnTerminate = [] { ... };  // on the main thread, before the delete
//   loader->Resume();
#pragma once

#include "Handles.h"

#include <atomic>
#include <functional>

class TThread {
public:
    // Construct on the main thread: Synchronize and OnTerminate reach the thread that made it.
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Resume();
    void Terminate() { terminated = true; }
    bool Terminated() const { return terminated; }
    const std::atomic<bool>& TerminateFlag() const { return terminated; }

    bool FreeOnTerminate = false;
    std::function<void()> OnTerminate;

protected:
    virtual void Execute() = 0;
    // Runs `call` on the main thread, in its message handling, and returns when it has run.
    // Exceptions of the call are reported there and do not reach the worker.
    void Synchronize(const std::function<void()>& call);

private:
    static DWORD WINAPI ThreadProc(void* self);
    static LRESULT CALLBACK SyncProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static HWND SyncWindow();

    std::atomic<bool> terminated{false};
    UniqueKernelHandle handle;
    HWND syncWindow;
    bool started = false;
};
