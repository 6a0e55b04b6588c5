#include "FramePacer.h"

#include "../framework/Application.h"
#include "../framework/Form.h"

bool SleepingFramePacer::EndFrame(int delayMilliseconds)
{
    Application.ProcessMessages();
    if (stopFlag.load()) return false;
    ::Sleep(static_cast<DWORD>(delayMilliseconds));
    return true;
}

bool RestingFramePacer::EndFrame(int delayMilliseconds)
{
    return inner.EndFrame(delayMilliseconds) && WaitWhileResting();
}

bool RestingFramePacer::WaitWhileResting()
{
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
    return !stopFlag.load();
}
