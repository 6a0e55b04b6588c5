// Drawing cost per frame of every built transition effect at 1920 × 1080 and at 3840 × 2160,
// each against R measured at its size in the same run: one full BitBlt to the window, one to the
// back buffer and one message pump. Frames are paced without sleeping, so the time is drawing (and
// pumping) alone. Goal at both sizes: median effect ≤ 1.5 R, worst ≤ 5 R.
//
// With "duration", every effect runs whole at 1920 × 1080 with the player's own pacer instead, and
// its time is set against the sum of its delays plus frames × R. Goal: ≤ 1.05 × for every effect.
//
//   effects_bench [FRAMES [FIRST LAST]]   frames per effect at most (default 200); only the effects
//                                         FIRST..LAST (default all)
//   effects_bench duration [FIRST LAST]
#include "../src/framework/Application.h"
#include "../src/framework/Handles.h"
#include "../src/slideshow/ComPicture.h"
#include "../src/slideshow/EffectNames.h"
#include "../src/slideshow/FramePacer.h"
#include "../src/slideshow/TransitionEffects.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Size {
    int width, height;
};
constexpr Size kSizes[] = {{1920, 1080}, {3840, 2160}};

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

void Fill(CComPicture& picture, Size size, unsigned seed)
{
    picture.Create(size.width, size.height, 0);
    std::uint32_t* p = picture.surface->Pixels();
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            p[y * size.width + x] = (x * 7 + seed) << 16 | (y * 3) << 8 | ((x ^ y) + seed);
}

double ReferenceFrame(HWND window, Size size, CComPicture& target, CComPicture& buffer)
{
    std::vector<double> times;
    HDC dc = ::GetDC(window);
    for (int i = 0; i < 200; ++i) {
        const auto start = Clock::now();
        ::BitBlt(dc, 0, 0, size.width, size.height, target.dc->Handle(), 0, 0, SRCCOPY);
        ::BitBlt(buffer.dc->Handle(), 0, 0, size.width, size.height, target.dc->Handle(), 0, 0, SRCCOPY);
        ::GdiFlush();
        Application.ProcessMessages();
        times.push_back(Milliseconds(Clock::now() - start));
    }
    ::ReleaseDC(window, dc);
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

// The player's pacer, counting the frames and the delays they asked for.
class CountingPacer : public FramePacer {
public:
    CountingPacer() : sleeping(stop) {}
    bool EndFrame(int delay) override
    {
        ++frames;
        delays += std::max(delay, 0);
        return sleeping.EndFrame(delay);
    }
    int DroppedLag() const override { return sleeping.DroppedLag(); }
    int frames = 0;
    double delays = 0;

private:
    std::atomic<bool> stop{false};
    SleepingFramePacer sleeping;
};

// A window of the size with the two pictures of a change and a back buffer, and R measured there.
struct Stage {
    explicit Stage(Size size)
        : window(::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, size.width,
                                   size.height, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr))
    {
        Fill(start, size, 1);
        Fill(target, size, 2);
        buffer.Create(size.width, size.height, 0);
        reference = ReferenceFrame(window.get(), size, target, buffer);
    }
    TransitionRequest Request(int index)
    {
        return {window.get(), &start, &target, &buffer, index, true, 0, 0, 25, nullptr};
    }
    UniqueWindow window;
    CComPicture start, target, buffer;
    double reference = 0;
};

struct Measure {
    int index;
    int frames;
    double perFrame;  // ms
    double ratio;     // to R of its size
};

// The time of one whole run of an effect on the stage, in milliseconds, paced by `pacer`.
double TimeEffect(Stage& stage, int index, FramePacer& pacer)
{
    TransitionRequest request = stage.Request(index);
    CTransitionEffects engine(pacer);
    engine.Assign(request);
    const auto begin = Clock::now();
    engine.Show();
    ::GdiFlush();
    return Milliseconds(Clock::now() - begin);
}

// R and every built effect at one size.
std::vector<Measure> MeasureAt(Size size, int maxFrames, int first, int last, double& reference)
{
    Stage stage(size);
    reference = stage.reference;

    std::vector<Measure> measures;
    for (int index = 0; index < CTransitionEffects::kEffectCount; ++index) {
        if (!CTransitionEffects::IsBuilt(index) || index < first || index > last) continue;
        TimingPacer pacer(maxFrames);
        const double perFrame = TimeEffect(stage, index, pacer) / std::max(pacer.frames, 1);
        measures.push_back({index, pacer.frames, perFrame, perFrame / reference});
    }
    return measures;
}

// Every built effect whole, with the player's pacing, against Σ delays + frames × R.
int Durations(int first, int last)
{
    const Size size = kSizes[0];
    Stage stage(size);
    const double reference = stage.reference;
    std::printf("R = %.3f ms at %d x %d\n\n%6s  %-34s %7s %10s %10s %7s\n", reference, size.width, size.height,
                "effect", "name", "frames", "delays ms", "took ms", "ratio");
    std::vector<double> ratios;
    int worst = -1;
    for (int index = first; index <= last; ++index) {
        if (!CTransitionEffects::IsBuilt(index)) continue;
        CountingPacer pacer;
        const double took = TimeEffect(stage, index, pacer);
        const double ratio = took / (pacer.delays + pacer.frames * reference);
        std::printf("%6d  %-34s %7d %10.0f %10.0f %7.3f\n", index, EffectName(index), pacer.frames, pacer.delays, took,
                    ratio);
        if (worst < 0 || ratio > ratios[worst]) worst = static_cast<int>(ratios.size());
        ratios.push_back(ratio);
    }
    if (ratios.empty()) return 1;
    const double highest = ratios[worst];
    std::sort(ratios.begin(), ratios.end());
    std::printf("\ntransition duration against delays + frames x R: median %.3f, worst %.3f (goal <= 1.05 for every "
                "effect)\n",
                ratios[ratios.size() / 2], highest);
    return 0;
}

void Summary(const char* label, std::vector<Measure> measures)
{
    std::sort(measures.begin(), measures.end(), [](const Measure& a, const Measure& b) { return a.ratio > b.ratio; });
    std::printf("%s: median %.2f R (goal <= 1.5), worst %.2f R (goal <= 5); the worst ten:", label,
                measures[measures.size() / 2].ratio, measures.front().ratio);
    for (std::size_t i = 0; i < std::min<std::size_t>(10, measures.size()); ++i)
        std::printf(" %d (%.2f)", measures[i].index, measures[i].ratio);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "duration") == 0) {
        Application.Initialize();
        return Durations(argc > 3 ? std::atoi(argv[2]) : 0,
                         argc > 3 ? std::atoi(argv[3]) : CTransitionEffects::kEffectCount - 1);
    }
    const int maxFrames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int first = argc > 3 ? std::atoi(argv[2]) : 0;
    const int last = argc > 3 ? std::atoi(argv[3]) : CTransitionEffects::kEffectCount - 1;
    Application.Initialize();
    double references[2];
    const std::vector<Measure> small = MeasureAt(kSizes[0], maxFrames, first, last, references[0]);
    const std::vector<Measure> large = MeasureAt(kSizes[1], maxFrames, first, last, references[1]);
    if (small.empty()) return 1;
    for (int i = 0; i < 2; ++i)
        std::printf("R (full frame to window and back buffer, one pump) = %.3f ms at %d x %d\n", references[i],
                    kSizes[i].width, kSizes[i].height);
    std::printf("\n%6s  %-34s %7s %10s %7s %7s %10s %7s\n", "effect", "name", "frames", "ms/frame", "ratio", "frames",
                "ms/frame", "ratio");
    std::printf("%6s  %-34s %26s %26s\n", "", "", "--- 1920 x 1080 ---", "--- 3840 x 2160 ---");
    for (std::size_t i = 0; i < small.size(); ++i)
        std::printf("%6d  %-34s %7d %10.3f %7.2f %7d %10.3f %7.2f\n", small[i].index, EffectName(small[i].index),
                    small[i].frames, small[i].perFrame, small[i].ratio, large[i].frames, large[i].perFrame,
                    large[i].ratio);
    std::printf("\n");
    Summary("1920 x 1080", small);
    Summary("3840 x 2160", large);
    return 0;
}
