// The transition engine: one picture change from the current window content to a new picture,
// through one of 161 effects chosen by index or through a plain copy. Every frame is drawn into
// the window and, at the same place, into the back buffer that mirrors the window.
//
//   TransitionRequest request{window, &start, &target, &backBuffer, effect, true, x, y, step};
//   CTransitionEffects engine(pacer);
//   engine.Assign(request);
//   engine.Show();
#pragma once

#include "effects/GrowingShape.h"

#include <windows.h>

#include <cstdint>
#include <vector>

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
    // drawn to both surfaces through the region at once. False when the cut could not be made.
    bool RevealRegion(HRGN region);
    // The region effects whose shown part only grows (GrowingShape.h): frame k shows shape(k) of
    // the target, each frame ended with `delay`. The elliptic effects skip a frame whose shape
    // cannot be made (no delay); the others still end it.
    void RevealGrowing(int frames, int delay, const ShapeOfFrame& shape, bool skipFailedFrames = false);
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

    // Helpers of the effects that move the picture or compose it line by line (Move, Rain, Roll,
    // Scan, Show, Shutter, Sweep, Tow bar and Two bar). Like Reveal they work in target
    // coordinates, write the back buffer's pixels and reach the window with the frame; an effect
    // whose two changes of a frame lie far apart calls FlushFrame between them, so the window is
    // not given everything in between.
    //
    // The way an effect's front travels; "from the entry edge" is the top for Down, the bottom for
    // Up, the left edge for Right and the right edge for Left.
    enum class Heading { Down, Up, Left, Right };
    // The rectangle that spans the target across the heading and covers [from, to) along it,
    // counted from the entry edge: the one place where an effect is turned to its heading.
    RECT Across(Heading heading, int from, int to) const;
    // An offset of `distance` in the heading's direction (negative: back towards the entry edge).
    static POINT Along(Heading heading, int distance);
    // What of `a` lies outside `b`, as up to four rectangles written to `out`; their count.
    static int Subtract(const RECT& a, const RECT& b, RECT (&out)[4]);
    // The target's rectangle at (sourceX, sourceY) copied to (x, y); both cut to the target.
    void RevealAt(int x, int y, int width, int height, int sourceX, int sourceY);
    // The start picture put back into a rectangle of the target's place.
    void RestoreStart(const RECT& part);
    // The target's rectangle `source` enlarged into `part`; each pixel comes from the one source
    // pixel under its centre, which is what a smoothing stretch gives when it enlarges.
    void StretchPart(const RECT& part, const RECT& source);
    // Notes a rectangle of the target's place that the caller wrote into the back buffer's pixels.
    void MarkDrawn(int x, int y, int width, int height);

    // A part of the target that slides into its place: `piece` is drawn moved by an offset that
    // runs from `from` to (0, 0), cut to `clip`. What it covered and covers no longer gets the
    // start picture back; a piece whose offset has not changed is not drawn again.
    struct Slide {
        RECT piece, clip;
        POINT from;
        RECT shown{};
        POINT offset{};
    };
    // Moves the slides together: the front d = 0, step, 2 step, ... while d < limit; each offset
    // comes d closer to 0 on its axis, on the y axis trunc(d × H / W) when `proportional` (a
    // corner). Each part reaches the window on its own. False when the change was stopped.
    bool RunSlides(std::vector<Slide>& slides, int limit, bool proportional, int delay);

    // Move family (59-88): the motions, each member a heading, a step and a pause (0: none).
    void MoveWhole(Heading heading, int stepValue);
    void MoveFromCorner(bool rightCorner, bool bottomCorner, int stepValue);
    void MoveHalves(bool columns);
    void MovePattern(int pattern, Heading heading, int stepValue, int pause);
    // Rain family (95-98): strips smeared from the front to the far edge.
    void Rain(Heading heading);
    // Roll family (100-103): a rolling sheet, one line per frame.
    void Roll(Heading heading);
    // Scan family (104-111): lines of a thickness from an edge; two lines from both edges to the
    // middle or from the middle to both edges.
    void Scan(Heading heading, int thickness, int delay, bool finalCopy);
    void ScanToCenter(bool rows);
    void ScanToEdge(bool rows);
    // Show family (112-117): a rectangle from a corner; a comb of lines sliding in from both sides.
    void ShowFromCorner(bool rightCorner, bool bottomCorner);
    void ShowComb(bool rows);
    void CombFrame(bool rows, int offset);
    // Shutter family (118, 119).
    void Shutter(bool horizontal);
    // Sweep family (129-132): 20 graded bands.
    void Sweep(Heading heading);
    // Tow bar and Two bar families (133-140): two parts moving or wiped in opposite directions; the
    // first part (left or top) heads down or right when `forward`.
    void Bars(bool towBar, bool forward, bool move);

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
