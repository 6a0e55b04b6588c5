// The window framework's threads, hooks and nested message pumps.
#include "../../src/framework/Application.h"
#include "../../src/framework/Form.h"
#include "../../src/framework/Handles.h"
#include "../../src/framework/Thread.h"
#include "../../src/framework/WindowHook.h"
#include "../support/MessagePump.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

class Worker : public TThread {
public:
    Worker(std::atomic<int>& deleted) : deleted(deleted) {}
    ~Worker() override { ++deleted; }
    DWORD synchronizedOn = 0, workerThread = 0;
    bool sawTerminate = false;

protected:
    void Execute() override
    {
        workerThread = ::GetCurrentThreadId();
        Synchronize([this] { synchronizedOn = ::GetCurrentThreadId(); });
        while (!Terminated() && ::GetTickCount() - started < 5000)
            ::Sleep(1);
        sawTerminate = Terminated();
    }

private:
    std::atomic<int>& deleted;
    DWORD started = ::GetTickCount();
};

TEST(Thread, SynchronizeAndOnTerminateRunOnTheMainThreadThenTheThreadIsFreed)
{
    std::atomic<int> deleted{0};
    auto* worker = new Worker(deleted);
    DWORD terminatedOn = 0;
    bool sawTerminate = false, synchronizedOnMain = false;
    worker->FreeOnTerminate = true;
    worker->OnTerminate = [&, worker] {
        terminatedOn = ::GetCurrentThreadId();
        sawTerminate = worker->sawTerminate;
        synchronizedOnMain = worker->synchronizedOn == ::GetCurrentThreadId() && worker->workerThread != terminatedOn;
    };
    worker->Resume();
    ASSERT_TRUE(PumpUntil([&] { return worker->synchronizedOn != 0; }));
    worker->Terminate();
    ASSERT_TRUE(PumpUntil([&] { return deleted == 1; }));
    EXPECT_EQ(::GetCurrentThreadId(), terminatedOn);
    EXPECT_TRUE(synchronizedOnMain);
    EXPECT_TRUE(sawTerminate);
}

TEST(Thread, AThreadNeverResumedEndsWithItsObject)
{
    std::atomic<int> deleted{0};
    delete new Worker(deleted);
    EXPECT_EQ(1, deleted);
}

TEST(WindowHook, SeveralHooksOnOneWindowAllSeeTheMessages)
{
    UniqueWindow window(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    int first = 0, second = 0;
    TWindowHook outer, inner;
    inner.Install(window.get(), [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_APP + 5) return false;
        ++first;
        result = 42;
        return true;
    });
    outer.Install(window.get(), [&](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_APP + 5) ++second;
        return false;  // passed on
    });
    EXPECT_EQ(42, ::SendMessageA(window.get(), WM_APP + 5, 0, 0));
    EXPECT_EQ(1, first);
    EXPECT_EQ(1, second);
    outer.Remove();
    EXPECT_EQ(42, ::SendMessageA(window.get(), WM_APP + 5, 0, 0));
    EXPECT_EQ(2, first);
    EXPECT_EQ(1, second);
}

class Plain : public TForm {
public:
    Plain() { Create(); }
    ~Plain() override { DestroyHandle(); }
};

TEST(Form, NestedPumpsLeaveAReleasedWindowToTheOuterLoop)
{
    Plain form;
    HWND window = form.Handle();
    form.Release();
    Application.ProcessMessages();
    EXPECT_TRUE(::IsWindow(window));
    PumpFor(50);  // an outer loop
    EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
