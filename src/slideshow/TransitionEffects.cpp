#include "TransitionEffects.h"

#include "../diagnostics/FileLog.h"
#include "../framework/DCGuards.h"
#include "../framework/Handles.h"
#include "ComPicture.h"
#include "FramePacer.h"
#include "PictureFit.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

void CTransitionEffects::Assign(const TransitionRequest& request)
{
    wnd = request.window;
    startPicture = request.startPicture;
    targetPicture = request.targetPicture;
    backBuffer = request.backBuffer;
    effectIndex = request.effectIndex;
    plainCopy = !request.enabled;
    left = request.left;
    top = request.top;
    step = request.step < 1 ? kDefaultStep : request.step;
    thread = request.thread;
    targetWidth = targetPicture ? targetPicture->Width() : 0;
    targetHeight = targetPicture ? targetPicture->Height() : 0;
    bufferWidth = backBuffer ? backBuffer->Width() : 0;
    bufferHeight = backBuffer ? backBuffer->Height() : 0;
}

void CTransitionEffects::Show()
{
    if (!startPicture || !targetPicture || !backBuffer || !targetPicture->dc || !backBuffer->dc) return;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    WindowDC window(wnd);
    if (!wnd || !window.get()) return;  // GetDC(nullptr) would be the whole screen
    screenDC = window.get();
    BlitBoth(0, 0, bufferWidth, bufferHeight, *startPicture, 0, 0);
    ::GdiFlush();
    FILE_LOG("begin a transition show , transition effect index = %d ", effectIndex);
    Dispatch(plainCopy ? -1 : effectIndex);
    FlushFrame();
    screenDC = nullptr;
    FILE_LOG("end a transition show");
}

void CTransitionEffects::BlitBoth(int x, int y, int width, int height, CComPicture& picture, int sourceX, int sourceY)
{
    if (!picture.dc) return;
    ::BitBlt(backBuffer->dc->Handle(), x, y, width, height, picture.dc->Handle(), sourceX, sourceY, SRCCOPY);
    ::BitBlt(screenDC, x, y, width, height, picture.dc->Handle(), sourceX, sourceY, SRCCOPY);
}

int CTransitionEffects::SetStretchMode(int mode)
{
    ::SetStretchBltMode(screenDC, mode);
    return ::SetStretchBltMode(backBuffer->dc->Handle(), mode);
}

bool CTransitionEffects::IsBuilt(int index)
{
    return index >= 0 && index < kEffectCount;
}

void CTransitionEffects::Dispatch(int index)
{
    const int w = targetWidth, h = targetHeight;
    switch (index) {
        case -1:
            PlainCopy();
            break;
        case 0:
            BandDown(20);
            break;
        case 1:
            BandDown(5);
            break;
        case 2:
            BandFromCenter(15);
            break;
        case 3:
            BandFromCenter(5);
            break;
        case 4:
            BandFromCorner(15, false, true, 10);
            break;
        case 5:
            BandFromCorner(5, false, true, 10);
            break;
        case 6:
            BandFromCorner(15, false, false, 20);
            break;
        case 7:
            BandFromCorner(5, false, false, 20);
            break;
        case 8:
            BandFromCorner(15, true, true, 10);
            break;
        case 9:
            BandFromCorner(5, true, true, 10);
            break;
        case 10:
            BandFromCorner(15, true, false, 10);
            break;
        case 11:
            BandFromCorner(5, true, false, 10);
            break;
        case 12:
            BandLeft(15);
            break;
        case 13:
            BandLeft(5);
            break;
        case 14:
            BandRight(15);
            break;
        case 15:
            BandRight(5);
            break;
        case 16:
            BandToCenter(15);
            break;
        case 17:
            BandToCenter(5);
            break;
        case 18:
            BandUp(15);
            break;
        case 19:
            BandUp(5);
            break;
        case 20:
            BlockSpiralCells(false);
            break;
        case 21:
            BlockSpiralCells(true);
            break;
        case 22:
            CenterDiffuse();
            break;
        case 23:
            CenterEnvelop();
            break;
        case 24:
            Checkerboard(false, false, false);
            break;
        case 25:
            Checkerboard(false, false, true);
            break;
        case 26:
            Checkerboard(true, false, false);
            break;
        case 27:
            Checkerboard(true, false, true);
            break;
        case 28:
            Checkerboard(true, true, false);
            break;
        case 29:
            Checkerboard(true, true, true);
            break;
        case 30:
            Checkerboard(false, true, false);
            break;
        case 31:
            Checkerboard(false, true, true);
            break;
        case 32:
            CircleSweep(0, h, 0, 2);
            break;
        case 33:
            CircleSweep(0, 0, 0, 4);
            break;
        case 34:
            CircleSweep(w, h, 0, 3);
            break;
        case 35:
            CircleSweep(w, 0, 1, 4);
            break;
        case 36:
            CircleSweep(w / 2, h / 2, 0, 4);
            break;
        case 37: {
            const int y = 1 + Random(h - 1);  // y is drawn first
            CircleSweep(1 + Random(w - 1), y, 0, 4);
            break;
        }
        case 38:
            CrossWipe(false);
            break;
        case 39:
            CrossWipe(true);
            break;
        case 40:
            Diamond(false);
            break;
        case 41:
            Diamond(true);
            break;
        case 42:
            EllipseFromCenter();
            break;
        case 43:
            EllipseToCenter();
            break;
        case 44: {
            const int y = 1 + Random(h - 1);  // y is drawn first
            EllipseRandom(1 + Random(w - 1), y);
            break;
        }
        case 45:
            FanWipe(true);
            break;
        case 46:
            FanWipe(false);
            break;
        case 47:
            IncreaseShow();
            break;
        case 48:
            InterlacedLines(false, false, false, 10);
            break;
        case 49:
            InterlacedLines(false, false, true, 10);
            break;
        case 50:
            InterlacedLines(true, true, false, 5);
            break;
        case 51:
            InterlacedLines(true, true, true, 5);
            break;
        case 52:
            InterlacedLines(true, false, false, 5);
            break;
        case 53:
            InterlacedLines(true, false, true, 5);
            break;
        case 54:
            InterlacedLines(false, true, false, 5);
            break;
        case 55:
            InterlacedLines(false, true, true, 5);
            break;
        case 56:
            RandomLines(false);
            break;
        case 57:
            RandomLines(true);
            break;
        case 58:
            Mosaic();
            break;
        case 59:
            MoveWhole(Heading::Down, 1);
            break;
        case 60:
            MovePattern(1, Heading::Down, 1, 1000);
            break;
        case 61:
            MovePattern(2, Heading::Down, 1, 0);
            break;
        case 62:
            MovePattern(3, Heading::Down, 1, 0);
            break;
        case 63:
            MovePattern(4, Heading::Down, 1, 0);
            break;
        case 64:
            MovePattern(5, Heading::Down, 1, 0);
            break;
        case 65:
            MoveFromCorner(false, true, 1);
            break;
        case 66:
            MoveFromCorner(true, true, 2);
            break;
        case 67:
            MoveFromCorner(false, false, 2);
            break;
        case 68:
            MoveFromCorner(true, false, 2);
            break;
        case 69:
            MoveWhole(Heading::Left, 2);
            break;
        case 70:
            MovePattern(1, Heading::Left, 2, 1000);
            break;
        case 71:
            MovePattern(2, Heading::Left, 1, 0);
            break;
        case 72:
            MovePattern(3, Heading::Left, 1, 0);
            break;
        case 73:
            MovePattern(4, Heading::Left, 2, 0);
            break;
        case 74:
            MovePattern(5, Heading::Left, 2, 0);
            break;
        case 75:
            MoveHalves(true);
            break;
        case 76:
            MoveWhole(Heading::Right, 2);
            break;
        case 77:
            MovePattern(1, Heading::Right, 2, 1000);
            break;
        case 78:
            MovePattern(2, Heading::Right, 2, 800);
            break;
        case 79:
            MovePattern(3, Heading::Right, 2, 1000);
            break;
        case 80:
            MovePattern(4, Heading::Right, 2, 1000);
            break;
        case 81:  // with strips 1 pixel thick the step is their thickness
            MovePattern(5, Heading::Right, w / 20 == 0 ? 1 : 2, 0);
            break;
        case 82:
            MoveWhole(Heading::Up, 2);
            break;
        case 83:
            MovePattern(1, Heading::Up, 2, 1000);
            break;
        case 84:
            MovePattern(2, Heading::Up, 2, 1000);
            break;
        case 85:
            MovePattern(3, Heading::Up, 2, 1000);
            break;
        case 86:
            MovePattern(4, Heading::Up, 2, 1000);
            break;
        case 87:
            MovePattern(5, Heading::Up, 2, 0);
            break;
        case 88:
            MoveHalves(false);
            break;
        case 89:
            MultiBox(false);
            break;
        case 90:
            MultiBox(true);
            break;
        case 91:
            MultiWipe(false, true);
            break;
        case 92:
            MultiWipe(true, true);
            break;
        case 93:
            MultiWipe(false, false);
            break;
        case 94:
            MultiWipe(true, false);
            break;
        case 95:
            Rain(Heading::Down);
            break;
        case 96:
            Rain(Heading::Left);
            break;
        case 97:
            Rain(Heading::Right);
            break;
        case 98:
            Rain(Heading::Up);
            break;
        case 99:
            RandomCrossLines();
            break;
        case 100:
            Roll(Heading::Down);
            break;
        case 101:
            Roll(Heading::Left);
            break;
        case 102:
            Roll(Heading::Right);
            break;
        case 103:
            Roll(Heading::Up);
            break;
        case 104:
            Scan(Heading::Down, 2, 2, false);
            break;
        case 105:
            Scan(Heading::Left, 1, 5, false);
            break;
        case 106:
            Scan(Heading::Right, 2, 5, false);
            break;
        case 107:
            ScanToCenter(true);
            break;
        case 108:
            ScanToCenter(false);
            break;
        case 109:
            ScanToEdge(true);
            break;
        case 110:
            ScanToEdge(false);
            break;
        case 111:
            Scan(Heading::Up, 2, 5, true);
            break;
        case 112:
            ShowFromCorner(false, true);
            break;
        case 113:
            ShowFromCorner(true, true);
            break;
        case 114:
            ShowFromCorner(false, false);
            break;
        case 115:
            ShowFromCorner(true, false);
            break;
        case 116:
            ShowComb(false);
            break;
        case 117:
            ShowComb(true);
            break;
        case 118:
            Shutter(true);
            break;
        case 119:
            Shutter(false);
            break;
        case 120:
            StretchFrom(2, 1);
            break;
        case 121:
            StretchFrom(-1, 1);
            break;
        case 122:
            StretchFrom(1, 1);
            break;
        case 123:
            StretchFrom(0, 0);
            break;
        case 124:
            StretchFrom(-1, 2);
            break;
        case 125:
            StretchFrom(1, 2);
            break;
        case 126:
            StretchFrom(2, -1);
            break;
        case 127:
            StretchFrom(-1, -1);
            break;
        case 128:
            StretchFrom(1, -1);
            break;
        case 129:
            Sweep(Heading::Down);
            break;
        case 130:
            Sweep(Heading::Left);
            break;
        case 131:
            Sweep(Heading::Right);
            break;
        case 132:
            Sweep(Heading::Up);
            break;
        case 133:
            Bars(true, true, true);
            break;
        case 134:
            Bars(true, false, true);
            break;
        case 135:
            Bars(true, true, false);
            break;
        case 136:
            Bars(true, false, false);
            break;
        case 137:
            Bars(false, false, true);
            break;
        case 138:
            Bars(false, true, true);
            break;
        case 139:
            Bars(false, false, false);
            break;
        case 140:
            Bars(false, true, false);
            break;
        case 141:
            WedgeWipe(false, false);
            break;
        case 142:
            WedgeWipe(true, true);
            break;
        case 143:
            WedgeWipe(true, false);
            break;
        case 144:
            WedgeWipe(false, true);
            break;
        case 145:
            WindowBlind(false, false);
            break;
        case 146:
            WindowBlind(true, true);
            break;
        case 147:
            WindowBlind(true, false);
            break;
        case 148:
            WindowBlind(false, true);
            break;
        case 149:
            WipeFromCorner(false, true);
            break;
        case 150:
            WipeFromCorner(false, false);
            break;
        case 151:
            WipeFromCorners(false);
            break;
        case 152:
            WipeFromCorner(true, true);
            break;
        case 153:
            WipeFromCorner(true, false);
            break;
        case 154:
            WipeFromCorners(true);
            break;
        case 155:
            WipeToCorners(false);
            break;
        case 156:
            WipeToCorners(true);
            break;
        case 157:
            ZigZag(false, false);
            break;
        case 158:
            ZigZag(true, true);
            break;
        case 159:
            ZigZag(true, false);
            break;
        case 160:
            ZigZag(false, true);
            break;
        default:
            break;  // outside -1..160: nothing runs
    }
}

void CTransitionEffects::PlainCopy()
{
    BlitBoth(left, top, targetWidth, targetHeight, *targetPicture, 0, 0);
}

void CTransitionEffects::Reveal(int x, int y, int width, int height)
{
    // Copies that reach beyond the picture are cut to it.
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + width, targetWidth), y1 = std::min(y + height, targetHeight);
    if (x1 <= x0 || y1 <= y0) return;
    CopyPixels(*targetPicture->surface, x0, y0, *backBuffer->surface, left + x0, top + y0, x1 - x0, y1 - y0);
    const RECT drawn{left + x0, top + y0, left + x1, top + y1};
    ::UnionRect(&pending, &pending, &drawn);
}

void CTransitionEffects::StretchInto(int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0) return;
    StretchPixels(*targetPicture->surface, *backBuffer->surface, left + x, top + y, width, height);
    const RECT drawn{left + std::max(x, 0), top + std::max(y, 0), left + std::min(x + width, targetWidth),
                     top + std::min(y + height, targetHeight)};
    ::UnionRect(&pending, &pending, &drawn);
}

bool CTransitionEffects::RevealRegion(HRGN region)
{
    UniqueRegion picture(::CreateRectRgn(0, 0, targetWidth, targetHeight));
    if (!region || !picture || ::CombineRgn(picture.get(), picture.get(), region, RGN_AND) == ERROR) return false;
    FlushFrame();
    ::OffsetRgn(picture.get(), left, top);
    RECT box;
    if (::GetRgnBox(picture.get(), &box) == NULLREGION) return true;
    for (HDC dc : {screenDC, backBuffer->dc->Handle()}) {
        ::SelectClipRgn(dc, picture.get());  // the DC keeps its own copy
        ::BitBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, targetPicture->dc->Handle(),
                 box.left - left, box.top - top, SRCCOPY);
        ::SelectClipRgn(dc, nullptr);
    }
    ::GdiFlush();  // the next rectangles are copied pixel by pixel
    return true;
}

void CTransitionEffects::RevealGrowing(int frames, int delay, const ShapeOfFrame& shape, bool skipFailedFrames)
{
    const auto draw = [this](HRGN added) { return RevealRegion(added); };
    const auto endFrame = [this, delay] { return EndFrame(delay); };
    RevealGrowingShape(frames, shape, draw, endFrame, skipFailedFrames);
}

void CTransitionEffects::FlushFrame()
{
    if (::IsRectEmpty(&pending)) return;
    ::BitBlt(screenDC, pending.left, pending.top, pending.right - pending.left, pending.bottom - pending.top,
             backBuffer->dc->Handle(), pending.left, pending.top, SRCCOPY);
    ::GdiFlush();
    pending = {};
}

bool CTransitionEffects::EndFrame(int delayMilliseconds)
{
    FlushFrame();
    return pacer.EndFrame(delayMilliseconds);
}

int CTransitionEffects::Random(int n)
{
    return RandomBelow(n);
}
