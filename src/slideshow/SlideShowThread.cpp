#include "SlideShowThread.h"

#include "FramePacer.h"
#include "TransitionEffects.h"

void TSlideShowThread::Execute()
{
    HWND window = nullptr;
    Synchronize([this, &window] {
        // Stopped before the main thread got here: the request may belong to a player that is
        // gone, so it is not touched.
        if (Terminated()) return;
        SleepingFramePacer sleeping(TerminateFlag());
        RestingFramePacer frames(pacer ? *pacer : static_cast<FramePacer&>(sleeping), resting, TerminateFlag());
        // A change due while the display is off begins when it is back.
        if (!frames.WaitWhileResting()) return;
        CTransitionEffects engine(frames);
        request->thread = this;
        window = request->window;
        engine.Assign(*request);
        engine.Show();
    });
    if (!Terminated() && window) ::PostMessageW(window, kTransitionEnded, 0, 0);
}
