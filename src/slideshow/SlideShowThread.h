// The worker of one picture change: it has the main thread run the transition (the engine
// draws on the window thread) and, unless it was stopped meanwhile, posts 1033 to the slideshow
// window when the transition has ended.
#pragma once

#include "../framework/Thread.h"

class FramePacer;
struct TransitionRequest;

class TSlideShowThread : public TThread {
public:
    static constexpr UINT kTransitionEnded = WM_USER + 9;  // 1033

    // `pacer`: how frames end; null for the player's own (pump messages, stop when told, sleep).
    // While `resting` is set the change does not begin, or holds its frame (see RestingFramePacer).
    TSlideShowThread(TransitionRequest* request, const bool& resting, FramePacer* pacer = nullptr)
        : request(request), resting(resting), pacer(pacer)
    {
    }

protected:
    void Execute() override;

private:
    TransitionRequest* request;
    const bool& resting;
    FramePacer* pacer;
};
