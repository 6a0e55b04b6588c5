#include "EffectPreview.h"

#include "../diagnostics/FileLog.h"
#include "../framework/DCGuards.h"
#include "../slideshow/ComPicture.h"
#include "../slideshow/FramePacer.h"
#include "../slideshow/TransitionEffects.h"

#include <algorithm>
#include <chrono>
#include <exception>

namespace {
using Clock = std::chrono::steady_clock;
// A run that fell further behind its delays than this starts its schedule again, as the show's
// pacer does, so that frames after a stall do not rush.
constexpr std::chrono::milliseconds kMaxLag{250};
}  // namespace

// The end of each frame of a preview run: the pane gets the whole buffer when a paint found the
// worker busy, the drawing lock is let go, and the worker waits until the frame's moment on the
// schedule, or until the run is to stop.
class CEffectPreview::Pacer : public FramePacer {
public:
    Pacer(CEffectPreview& owner, unsigned generation, std::unique_lock<std::mutex>& drawing)
        : owner(owner), generation(generation), drawing(drawing), due(Clock::now())
    {
    }

    bool EndFrame(int delayMilliseconds) override
    {
        owner.Repaint();
        drawing.unlock();
        std::unique_lock<std::mutex> lock(owner.state);
        if (owner.pace.keepDelays) {
            due += std::chrono::milliseconds(std::max(delayMilliseconds, 0));
            if (Clock::now() - due > kMaxLag) due = Clock::now();
            stopped = owner.changed.wait_until(lock, due, [this] { return owner.Stopping(generation); });
        } else {
            stopped = owner.Stopping(generation);
        }
        lock.unlock();
        drawing.lock();
        return !stopped;
    }

    bool stopped = false;

private:
    CEffectPreview& owner;
    unsigned generation;
    std::unique_lock<std::mutex>& drawing;
    Clock::time_point due;
};

CEffectPreview::CEffectPreview(HWND pane, PreviewPace pace) : pane(pane), pace(pace) {}

CEffectPreview::~CEffectPreview()
{
    {
        std::lock_guard<std::mutex> lock(state);
        quitting = true;
    }
    changed.notify_all();
    if (worker.joinable()) worker.join();
}

void CEffectPreview::SetPictures(std::array<std::unique_ptr<CComPicture>, 2> made)
{
    bool usable = false;
    {
        std::lock_guard<std::mutex> drawing(surfaces);
        pictures = std::move(made);
        buffer = std::make_unique<CComPicture>();
        const int width = pictures[0] ? pictures[0]->Width() : 0, height = pictures[0] ? pictures[0]->Height() : 0;
        usable = pictures[1] && pictures[1]->surface && buffer->Create(width, height, RGB(0, 0, 0));
        if (usable) pictures[0]->Draw(0, 0, *buffer, SRCCOPY);
        shown = 0;
        // The step-driven effects take as many frames in the pane as across the screen.
        step = std::max(1, CTransitionEffects::kDefaultStep * width / std::max(1, ::GetSystemMetrics(SM_CXSCREEN)));
    }
    {
        std::lock_guard<std::mutex> lock(state);
        hasPictures = usable;
    }
    changed.notify_all();
}

bool CEffectPreview::HasPictures() const
{
    std::lock_guard<std::mutex> lock(state);
    return hasPictures;
}

void CEffectPreview::Play(int effectIndex)
{
    {
        std::lock_guard<std::mutex> lock(state);
        if (effectIndex == effect) return;
        effect = effectIndex;
        ++generation;
    }
    changed.notify_all();
}

void CEffectPreview::SetActive(bool on)
{
    {
        std::lock_guard<std::mutex> lock(state);
        active = on;
        if (on && !worker.joinable()) worker = std::thread([this] { Work(); });
    }
    changed.notify_all();
}

bool CEffectPreview::Stopping(unsigned runGeneration) const
{
    return quitting || !active || generation != runGeneration;
}

void CEffectPreview::Paint(HDC dc)
{
    RECT client{};
    ::GetClientRect(pane, &client);
    std::unique_lock<std::mutex> drawing(surfaces, std::try_to_lock);
    if (!drawing) {
        repaintWanted = true;
        return;
    }
    if (!buffer || !buffer->dc) {
        ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        return;
    }
    ::BitBlt(dc, 0, 0, buffer->Width(), buffer->Height(), buffer->dc->Handle(), 0, 0, SRCCOPY);
}

void CEffectPreview::Repaint()
{
    if (!repaintWanted.exchange(false) || !buffer || !buffer->dc) return;
    WindowDC window(pane);
    if (window.get())
        ::BitBlt(window.get(), 0, 0, buffer->Width(), buffer->Height(), buffer->dc->Handle(), 0, 0, SRCCOPY);
}

void CEffectPreview::Work()
{
    std::unique_lock<std::mutex> lock(state);
    for (;;) {
        idle = true;
        changed.wait(lock, [this] { return quitting || (active && hasPictures && effect >= 0); });
        if (quitting) return;
        idle = false;
        const unsigned started = generation;
        const int index = effect;
        lock.unlock();
        const bool whole = RunOnce(index, started);
        lock.lock();
        if (!whole) continue;
        ++runs;
        changed.wait_for(lock, std::chrono::milliseconds(pace.restMilliseconds),
                         [this, started] { return Stopping(started); });
    }
}

bool CEffectPreview::RunOnce(int effectIndex, unsigned runGeneration)
{
    std::unique_lock<std::mutex> drawing(surfaces);
    Pacer pacer(*this, runGeneration, drawing);
    try {
        TransitionRequest request{
            pane,   pictures[shown].get(), pictures[1 - shown].get(), buffer.get(), effectIndex, true, 0, 0, step,
            nullptr};
        CTransitionEffects engine(pacer);
        engine.Assign(request);
        engine.Show();
    } catch (const std::exception& e) {
        // The preview stops; the dialog goes on.
        FILE_LOG("the preview of transition effect %d stopped: %s", effectIndex, e.what());
        drawing.unlock();
        std::lock_guard<std::mutex> lock(state);
        effect = -1;
        return false;
    }
    Repaint();
    if (pacer.stopped) return false;
    shown = 1 - shown;
    return true;
}
