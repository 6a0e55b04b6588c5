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
    TSlideShowThread(TransitionRequest* request, FramePacer* pacer = nullptr) : request(request), pacer(pacer) {}

protected:
    void Execute() override;

private:
    TransitionRequest* request;
    FramePacer* pacer;
};
