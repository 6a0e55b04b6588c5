#include "FramePacer.h"

#include "../framework/Application.h"

#include <mmsystem.h>

namespace {

double Now(double ticksPerMillisecond)
{
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMillisecond;
}

}  // namespace

SleepingFramePacer::SleepingFramePacer(const std::atomic<bool>& stopFlag)
    : stopFlag(stopFlag), finerTimer(::timeBeginPeriod(1) == TIMERR_NOERROR)
{
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    ticksPerMillisecond = frequency.QuadPart > 0 ? static_cast<double>(frequency.QuadPart) / 1000.0 : 1.0;
    due = Now(ticksPerMillisecond);
}

SleepingFramePacer::~SleepingFramePacer()
{
    if (finerTimer) ::timeEndPeriod(1);
}

bool SleepingFramePacer::EndFrame(int delayMilliseconds)
{
    Application.ProcessMessages();
    if (stopFlag.load()) return false;
    due += delayMilliseconds > 0 ? delayMilliseconds : 0;
    const double now = Now(ticksPerMillisecond);
    // A change that fell behind (a slow frame) catches up without waiting, and a long pause in
    // the message loop (a dialog) does not make the following frames rush.
    if (due > now)
        ::Sleep(static_cast<DWORD>(due - now + 0.5));
    else if (now - due > 250)
        due = now;
    return true;
}
