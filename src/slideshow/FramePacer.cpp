#include "FramePacer.h"

#include "../framework/Application.h"
#include "../framework/Form.h"

#include <mmsystem.h>

namespace {

double Now(double ticksPerMillisecond)
{
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMillisecond;
}

}  // namespace

SleepingFramePacer::SleepingFramePacer(const std::atomic<bool>& stopFlag) : stopFlag(stopFlag)
{
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    ticksPerMillisecond = frequency.QuadPart > 0 ? static_cast<double>(frequency.QuadPart) / 1000.0 : 1.0;
    due = Now(ticksPerMillisecond);
}

bool SleepingFramePacer::EndFrame(int delayMilliseconds)
{
    Application.ProcessMessages();
    if (stopFlag.load()) return false;
    due += delayMilliseconds > 0 ? delayMilliseconds : 0;
    const double now = Now(ticksPerMillisecond);
    // A change that fell behind (a slow frame) catches up without waiting, and a long pause in
    // the message loop (a dialog) does not make the following frames rush.
    if (due > now) {
        const bool finer = ::timeBeginPeriod(1) == TIMERR_NOERROR;
        ::Sleep(static_cast<DWORD>(due - now + 0.5));
        if (finer) ::timeEndPeriod(1);
    } else if (now - due > 250) {
        dropped += now - due;
        due = now;
    }
    return true;
}

bool RestingFramePacer::EndFrame(int delayMilliseconds)
{
    return inner.EndFrame(delayMilliseconds) && WaitWhileResting();
}

int RestingFramePacer::DroppedLag() const
{
    const int lag = inner.DroppedLag() - static_cast<int>(rested);
    return lag > 0 ? lag : 0;
}

bool RestingFramePacer::WaitWhileResting()
{
    const DWORD began = ::GetTickCount();
    while (!stopFlag.load() && resting) {  // the flag first: a stopped change may outlive its player
        // The pump leaves a quit and the forms' releases to the outer loop: a window is closing,
        // so the wait ends rather than wake for them again and again.
        MSG left;
        if (::PeekMessageA(&left, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) ||
            ::PeekMessageA(&left, nullptr, TForm::kReleaseMessage, TForm::kReleaseMessage, PM_NOREMOVE))
            break;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        Application.ProcessMessages();
    }
    rested += ::GetTickCount() - began;
    return !stopFlag.load();
}
