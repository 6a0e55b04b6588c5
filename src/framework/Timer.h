// A timer that calls its handler on the thread that created it, through a message-only window of
// its own: a tick that arrives after the timer is gone finds no window and is dropped.
//
//   TTimer timer3;
//   timer3.OnTimer = [this] { timer3Timer(); };
//   timer3.SetInterval(60000);
//   timer3.SetEnabled(true);
#pragma once

#include "Handles.h"

#include <functional>

class TTimer {
public:
    TTimer();
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return enabled; }
    void SetEnabled(bool on);
    unsigned Interval() const { return interval; }
    // A new interval restarts a running timer.
    void SetInterval(unsigned milliseconds);

    std::function<void()> OnTimer;
    int Tag = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Update();

    UniqueWindow window;
    bool enabled = false;
    unsigned interval = 1000;
};
