// Drawing cost per frame of every built transition effect at 1920 × 1080, against R: one full
// BitBlt to the window, one to the back buffer and one message pump, measured in the same run.
// Frames are paced without sleeping, so the time is drawing (and pumping) alone.
// Goal: median effect ≤ 1.5 R, worst ≤ 5 R.
//
//   effects_bench [FRAMES]     frames per effect at most (default 200)
#include "../src/framework/Application.h"
#include "../src/framework/Handles.h"
#include "../src/slideshow/ComPicture.h"
#include "../src/slideshow/FramePacer.h"
#include "../src/slideshow/TransitionEffects.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWidth = 1920, kHeight = 1080;

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Pumps like the player's pacer, never sleeps, and stops after a number of frames.
class TimingPacer : public FramePacer {
public:
    explicit TimingPacer(int maxFrames) : maxFrames(maxFrames) {}
    bool EndFrame(int) override
    {
        Application.ProcessMessages();
        return ++frames < maxFrames;
    }
    int frames = 0;

private:
    int maxFrames;
};

void Fill(CComPicture& picture, unsigned seed)
{
    picture.Create(kWidth, kHeight, 0);
    std::uint32_t* p = picture.surface->Pixels();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            p[y * kWidth + x] = (x * 7 + seed) << 16 | (y * 3) << 8 | ((x ^ y) + seed);
}

double ReferenceFrame(HWND window, CComPicture& target, CComPicture& buffer)
{
    std::vector<double> times;
    HDC dc = ::GetDC(window);
    for (int i = 0; i < 200; ++i) {
        const auto start = Clock::now();
        ::BitBlt(dc, 0, 0, kWidth, kHeight, target.dc->Handle(), 0, 0, SRCCOPY);
        ::BitBlt(buffer.dc->Handle(), 0, 0, kWidth, kHeight, target.dc->Handle(), 0, 0, SRCCOPY);
        ::GdiFlush();
        Application.ProcessMessages();
        times.push_back(Milliseconds(Clock::now() - start));
    }
    ::ReleaseDC(window, dc);
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int maxFrames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    Application.Initialize();
    UniqueWindow window(::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                                          nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
    CComPicture start, target, buffer;
    Fill(start, 1);
    Fill(target, 2);
    buffer.Create(kWidth, kHeight, 0);

    const double reference = ReferenceFrame(window.get(), target, buffer);
    std::printf("R (full frame to window and back buffer, one pump) = %.3f ms at %d x %d\n\n", reference, kWidth,
                kHeight);
    std::printf("%6s %8s %12s %8s\n", "effect", "frames", "ms/frame", "ratio");

    std::vector<double> ratios;
    for (int index = 0; index < CTransitionEffects::kEffectCount; ++index) {
        if (!CTransitionEffects::IsBuilt(index)) continue;
        TimingPacer pacer(maxFrames);
        TransitionRequest request{window.get(), &start, &target, &buffer, index, true, 0, 0, 25, nullptr};
        CTransitionEffects engine(pacer);
        engine.Assign(request);
        const auto begin = Clock::now();
        engine.Show();
        ::GdiFlush();
        const double perFrame = Milliseconds(Clock::now() - begin) / std::max(pacer.frames, 1);
        ratios.push_back(perFrame / reference);
        std::printf("%6d %8d %12.3f %8.2f\n", index, pacer.frames, perFrame, perFrame / reference);
    }
    std::vector<double> sorted = ratios;
    std::sort(sorted.begin(), sorted.end());
    std::printf("\nmedian %.2f R (goal <= 1.5), worst %.2f R (goal <= 5)\n", sorted[sorted.size() / 2], sorted.back());
    return 0;
}
