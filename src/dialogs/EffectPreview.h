// A small pane that plays one transition effect over and over, between two pictures, through the
// show's own transition engine: what the user sees there is what the show will run. The engine
// runs on a worker thread of the preview, so the dialog's own message loop (and with it its
// keyboard handling) is never nested inside a running effect; the worker draws into the pane with
// a DC of its own and waits between frames, and between runs, on a condition variable: no timer,
// and no CPU while it rests or while the preview is inactive.
//
//   CEffectPreview preview(paneWindow);
//   preview.SetPictures(MakePreviewPictures(project, width, height));
//   preview.Play(focusedEffect);      // again at every change of focus
//   preview.SetActive(pageShown);     // runs only while active
//   preview.Paint(drawItem.hDC);      // the pane's WM_DRAWITEM
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class CComPicture;

struct PreviewPace {
    int restMilliseconds = 1500;  // between the end of one run and the start of the next
    bool keepDelays = true;       // false: each frame follows the last at once (tests)
};

class CEffectPreview {
public:
    explicit CEffectPreview(HWND pane, PreviewPace pace = {});
    // Stops the running effect at its next frame and ends the worker.
    ~CEffectPreview();
    CEffectPreview(const CEffectPreview&) = delete;
    CEffectPreview& operator=(const CEffectPreview&) = delete;

    // The two pictures the runs go between (first to second, then back), both of the pane's
    // client size; the first is what the pane shows until a run starts.
    void SetPictures(std::array<std::unique_ptr<CComPicture>, 2> pictures);
    bool HasPictures() const;
    // The effect (0..160) that plays from now on; -1 plays none. A running effect of another
    // index stops at its next frame, and the new one starts at once.
    void Play(int effectIndex);
    // Inactive, a running effect stops at its next frame and no run starts.
    void SetActive(bool active);
    // Draws the pane's current content; called on the pane's thread (WM_DRAWITEM, WM_PAINT).
    // While the worker is inside a frame the pane is left to it, and it draws the whole pane again
    // at the frame's end.
    void Paint(HDC dc);

    // Runs that reached their end.
    int Runs() const { return runs.load(); }
    // True while the worker waits for the preview to become active or for an effect.
    bool Idle() const { return idle.load(); }

private:
    class Pacer;
    void Work();
    // One run of the effect from the shown picture to the other; false when it was stopped.
    bool RunOnce(int effectIndex, unsigned generation);
    // True when the run of `generation` should stop: another effect, inactive, or the end.
    bool Stopping(unsigned generation) const;
    void Repaint();

    HWND pane;
    PreviewPace pace;

    // The two locks are never held together.
    mutable std::mutex state;  // guards what the two threads tell each other, below
    std::condition_variable changed;
    int effect = -1;
    unsigned generation = 0;  // counts the calls of Play that changed the effect
    bool active = false;
    bool hasPictures = false;
    bool quitting = false;

    mutable std::mutex surfaces;  // held by the worker while it draws a frame
    std::array<std::unique_ptr<CComPicture>, 2> pictures;
    std::unique_ptr<CComPicture> buffer;  // the pane's content, kept off screen
    int shown = 0;                        // the picture a run starts from
    int step = 1;

    std::atomic<int> runs{0};
    std::atomic<bool> idle{true};
    std::atomic<bool> repaintWanted{false};
    std::thread worker;
};
