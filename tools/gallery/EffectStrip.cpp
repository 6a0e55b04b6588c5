#include "EffectStrip.h"

#include "../../src/slideshow/ComPicture.h"
#include "../../src/slideshow/FramePacer.h"
#include "../../src/slideshow/TransitionEffects.h"

#include <functional>

namespace {

// Never sleeps; calls back at the end of every frame with the frame's number (from 1).
class WatchingPacer : public FramePacer {
public:
    explicit WatchingPacer(std::function<void(int)> watch) : watch(std::move(watch)) {}
    bool EndFrame(int) override
    {
        watch(++frames);
        return true;
    }
    int frames = 0;

private:
    std::function<void(int)> watch;
};

void Copy(const TBitmap& from, TBitmap& to)
{
    to.SetSize(from.Width(), from.Height(), RGB(0, 0, 0));
    CopyPixels(from, 0, 0, to, 0, 0, from.Width(), from.Height());
}

void Run(int index, HWND window, CComPicture& start, CComPicture& target, CComPicture& buffer, int left, int top,
         int step, FramePacer& pacer)
{
    TransitionRequest request{window, &start, &target, &buffer, index, true, left, top, step, nullptr};
    CTransitionEffects engine(pacer);
    engine.Assign(request);
    engine.Show();
    ::GdiFlush();
}

}  // namespace

EffectStrip RecordEffect(int index, HWND window, CComPicture& start, CComPicture& target, int left, int top, int step)
{
    CComPicture buffer;
    buffer.Create(start.Width(), start.Height(), RGB(0, 0, 0));
    EffectStrip strip;

    WatchingPacer counter([](int) {});
    Run(index, window, start, target, buffer, left, top, step, counter);
    strip.frameCount = counter.frames;

    // The frames at 25 %, 50 % and 75 %; the first moment is the first frame.
    const int n = strip.frameCount;
    const int chosen[] = {1, (n + 3) / 4, (n + 1) / 2, (3 * n + 3) / 4};
    WatchingPacer recorder([&](int frame) {
        ::GdiFlush();
        for (int k = 0; k < 4; ++k)
            if (frame == chosen[k]) Copy(*buffer.surface, strip.frames[k]);
    });
    Run(index, window, start, target, buffer, left, top, step, recorder);
    Copy(*buffer.surface, strip.frames[4]);
    // An effect that ran fewer frames the second time shows its end where a moment is missing.
    for (TBitmap& frame : strip.frames)
        if (frame.Empty()) Copy(*buffer.surface, frame);
    return strip;
}
