#include "FramePacer.h"

#include "../framework/Application.h"

bool SleepingFramePacer::EndFrame(int delayMilliseconds)
{
    Application.ProcessMessages();
    if (stopFlag.load()) return false;
    ::Sleep(static_cast<DWORD>(delayMilliseconds));
    return true;
}
