// The transition engine: one picture change from the current window content to a new picture,
// through one of 161 effects chosen by index or through a plain copy. Every frame is drawn into
// the window and, at the same place, into the back buffer that mirrors the window.
//
//   TransitionRequest request{window, &start, &target, &backBuffer, effect, true, x, y, step};
//   CTransitionEffects engine(pacer);
//   engine.Assign(request);
//   engine.Show();
#pragma once

#include <windows.h>

#include <cstdint>

class CComPicture;
class FramePacer;
class TSlideShowThread;

struct TransitionRequest {
    HWND window = nullptr;
    CComPicture* startPicture = nullptr;   // the full-window picture the change starts from
    CComPicture* targetPicture = nullptr;  // what the change reveals, at (left, top)
    CComPicture* backBuffer = nullptr;     // the window's content, kept off screen
    std::int32_t effectIndex = -1;         // 0..160, or -1 for a plain copy
    bool enabled = false;                  // false: a plain copy whatever the index
    std::int32_t left = 0, top = 0;
    std::int32_t step = 25;  // pixels per frame of the step-driven effects
    TSlideShowThread* thread = nullptr;
};

class CTransitionEffects {
public:
    static constexpr int kEffectCount = 161;
    static constexpr int kDefaultStep = 25;

    explicit CTransitionEffects(FramePacer& pacer) : pacer(pacer) {}
    virtual ~CTransitionEffects() = default;
    CTransitionEffects(const CTransitionEffects&) = delete;
    CTransitionEffects& operator=(const CTransitionEffects&) = delete;

    // A step below 1 runs as the default, so no step-driven effect can run forever.
    void Assign(const TransitionRequest& request);
    void Show();
    void BlitBoth(int x, int y, int width, int height, CComPicture& picture, int sourceX, int sourceY);
    // Sets the mode on the window and the back buffer; the back buffer's previous mode.
    int SetStretchMode(int mode);

    // True when the effect of an index has its own routine in this build.
    static bool IsBuilt(int effectIndex);

    HWND wnd = nullptr;
    std::int32_t left = 0, top = 0;
    std::int32_t step = kDefaultStep;
    CComPicture* startPicture = nullptr;
    CComPicture* targetPicture = nullptr;
    CComPicture* backBuffer = nullptr;
    TSlideShowThread* thread = nullptr;
    HDC screenDC = nullptr;
    std::int32_t effectIndex = -1;
    bool plainCopy = true;
    std::int32_t targetWidth = 0, targetHeight = 0;
    std::int32_t bufferWidth = 0, bufferHeight = 0;

private:
    void Dispatch(int index);
    void PlainCopy();

    // Frame drawing, in target coordinates: each lands at (left + x, top + y) in both surfaces.
    // Rectangles are copied into the back buffer's pixels at once and reach the window as one
    // copy of their bounding box from the back buffer when the frame ends: the back buffer
    // mirrors the window, so the window shows what a copy per rectangle would show, for one call.
    void Reveal(int x, int y, int width, int height);
    // The target inside a region given in target coordinates, cut to the target's rectangle;
    // drawn to both surfaces through the region at once.
    void RevealRegion(HRGN region);
    // The target resampled (nearest pixel) into a rectangle of the target's place; reaches the
    // window with the frame.
    void StretchInto(int x, int y, int width, int height);
    void FinalCopy() { Reveal(0, 0, targetWidth, targetHeight); }
    // Copies what the frame drew into the back buffer on to the window.
    void FlushFrame();
    // The frame step: the window catches up, then the pacer; false when the change was stopped.
    bool EndFrame(int delayMilliseconds);
    // rand() modulo n; 0 when n ≤ 0.
    static int Random(int n);

    // Band family (0-19).
    void BandDown(int thickness);
    void BandUp(int thickness);
    void BandLeft(int thickness);
    void BandRight(int thickness);
    void BandFromCorner(int thickness, bool rightCorner, bool bottomCorner, int delay);
    void BandFromCenter(int thickness);
    void BandToCenter(int thickness);
    // Center family (22, 23).
    void CenterDiffuse();
    void CenterEnvelop();
    // Circle family (32-37).
    void CircleSweep(int pivotX, int pivotY, int firstPhase, int stopPhase);
    // Stretch family (120-128): the target stretched into a rectangle growing from an anchor
    // (-1 left or top, 0 centre, 1 right or bottom, per axis; 2 spans the axis).
    void StretchFrom(int anchorX, int anchorY);
    // Block family (20, 21): an 8 x 8 grid revealed one cell per frame along a spiral.
    void BlockSpiralCells(bool toCenter);
    // Checkerboard family (24-31): lines of a 20 x 20 grid, even cells in a first pass and odd
    // cells in a second; lines are rows or columns, the first pass starts at the first or last
    // line, and a rebound runs the second pass back.
    void Checkerboard(bool columns, bool fromLastLine, bool rebound);
    // Cross wipe family (38, 39).
    void CrossWipe(bool toCenter);
    // Diamond family (40, 41).
    void Diamond(bool toCenter);
    // Ellipse family (42-44).
    void EllipseFromCenter();
    void EllipseToCenter();
    void EllipseRandom(int centreX, int centreY);
    // Fan wipe family (45, 46).
    void FanWipe(bool clockwise);
    // Increase show family (47).
    void IncreaseShow();
    // Line family (48-55): interlaced 2-pixel lines in two passes; lines are rows or columns,
    // drawn forward from 0 or backward from the far edge; a rebound runs the second pass back.
    void InterlacedLines(bool columns, bool backward, bool rebound, int delay);
    // Lines and Mosaic family (56-58).
    void RandomLines(bool columns);
    void Mosaic();
    // Multi-Box family (89, 90).
    void MultiBox(bool toCenter);
    // Multi-Wipe family (91-94): triangles from one corner of every cell.
    void MultiWipe(bool rightCorner, bool bottomCorner);
    // Random crossLines family (99).
    void RandomCrossLines();
    // Wedge wipe family (141-144): the wedge opens at the top edge; `sideways` turns it to open
    // at the left edge, `fromFarEdge` at the bottom (or right) edge.
    void WedgeWipe(bool sideways, bool fromFarEdge);
    // Window blind family (145-148).
    void WindowBlind(bool columns, bool backward);
    // Wipe family (149-156): triangles from the picture's corners.
    void WipeFromCorner(bool rightCorner, bool bottomCorner);
    void WipeFromCorners(bool topRightPair);
    void WipeToCorners(bool topRightPair);
    // Zig-zag family (157-160): a 20 x 20 grid revealed one cell per frame along a snake.
    void ZigZag(bool columns, bool fromFarEnd);

    // Sets `step` for one effect's run and puts the caller's value back, also after an abort.
    class StepOverride {
    public:
        StepOverride(CTransitionEffects& engine, int value) : engine(engine), saved(engine.step)
        {
            engine.step = value;
        }
        ~StepOverride() { engine.step = saved; }
        StepOverride(const StepOverride&) = delete;
        StepOverride& operator=(const StepOverride&) = delete;

    private:
        CTransitionEffects& engine;
        int saved;
    };

    FramePacer& pacer;
    RECT pending{};  // the back buffer's part that the window has not been given yet
};
