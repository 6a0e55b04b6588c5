#include "ImageSlideShowPlayer.h"

#include "../diagnostics/FileLog.h"
#include "../framework/ImageReader.h"
#include "../framework/MonitorGeometry.h"
#include "../settings/MediaSetting.h"
#include "../settings/SaverSettings.h"
#include "../settings/VESKGlobeSettings.h"
#include "Background.h"
#include "MediaPicture.h"
#include "PictureFit.h"
#include "SlideShowThread.h"

#include <algorithm>

namespace {

// When every item of a round was skipped, the next one is tried after this pause, so a show of
// pictures that cannot be decoded does not spin.
constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kRetryDelay = 1000;

// Where a monitor lies in the window, which starts at the virtual screen's origin.
ScreenRect MonitorInWindow(int monitor)
{
    ScreenRect rect;
    QueryMonitorGeometry(monitor, rect);
    rect.left -= ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    rect.top -= ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return rect;
}

}  // namespace

TfImageSlideShowPlayer::TfImageSlideShowPlayer(HWND parentWindow, TScrMode mode, CMedia& mediaFiles,
                                               CVESKGlobeSettings& projectRecord, CSaverSettings& saverSettings)
    : runMode(mode), project(projectRecord), settings(saverSettings), media(mediaFiles), parent(parentWindow)
{
    DoubleBuffered = true;
    Create(parentWindow);
}

TfImageSlideShowPlayer::~TfImageSlideShowPlayer()
{
    DestroyHandle();
}

void TfImageSlideShowPlayer::FormCreate()
{
    RECT client{};
    ::GetClientRect(parent, &client);
    SetBounds(0, 0, client.right, client.bottom);
    startPicture().Create(client.right, client.bottom, 0);
    backBuffer().Create(client.right, client.bottom, 0);
    if (settings.options.screenIndex == 0 && MonitorCount() > 1) {
        ScreenRect first, second;
        QueryMonitorGeometry(1, first);
        QueryMonitorGeometry(2, second);
        pictures[4].Create(first.width, first.height, 0);
        pictures[6].Create(second.width, second.height, 0);
    }
    hook.Install(Handle(), [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return Hook(message, wParam, lParam, result);
    });
}

void TfImageSlideShowPlayer::FormDestroy()
{
    Stop();
    ::KillTimer(Handle(), kRetryTimer);
    hook.Remove();
}

void TfImageSlideShowPlayer::FormPaint(HDC dc)
{
    if (backBuffer().dc)
        ::BitBlt(dc, 0, 0, backBuffer().Width(), backBuffer().Height(), backBuffer().dc->Handle(), 0, 0, SRCCOPY);
}

bool TfImageSlideShowPlayer::Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
        case WM_ACTIVATE:
        case WM_ACTIVATEAPP:
        case WM_NCACTIVATE:
        case WM_KEYDOWN:
        case WM_CHAR:
            ::PostMessageA(parent, message, wParam, lParam);
            return false;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_HELP:
            // Its parameter points to a HELPINFO, so the system refuses to post it: it is sent.
            ::SendMessageA(parent, message, wParam, lParam);
            result = 0;
            return true;
        case TSlideShowThread::kTransitionEnded:
            changing = false;
            ::PostMessageA(parent, kItemFinished, 0, 0);
            return false;
        case WM_TIMER:
            if (wParam != kRetryTimer) return false;
            ::KillTimer(Handle(), kRetryTimer);
            ::PostMessageA(parent, kItemFinished, 0, 0);
            result = 0;
            return true;
        default:
            if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONUP) ::PostMessageA(parent, message, wParam, lParam);
            return false;
    }
}

void TfImageSlideShowPlayer::Stop()
{
    changing = false;
    if (!thread) return;
    thread->OnTerminate = nullptr;  // it may end after this player is gone
    thread->Terminate();
    thread = nullptr;
}

bool TfImageSlideShowPlayer::OnOneSurface() const
{
    return settings.options.screenIndex != 0 || MonitorCount() < 2 || settings.monitorMode == 3;
}

void TfImageSlideShowPlayer::ShowPicture(CMediaSetting& item)
{
    showItem = &item;
    if (prepared.item >= 0 && prepared.item == item.CurrentItem() && prepared.width == Width() &&
        prepared.height == Height() && OnOneSurface()) {
        StartPrepared();
    } else {
        DropPrepared();
        // The last change has ended (the back buffer holds what it showed): its target goes
        // before the next picture is decoded, so the two are not held at once.
        if (!changing) targetPicture().Release();
        try {
            if (OnOneSurface())
                SingleSurfaceShow();
            else
                TwoMonitorShow();
        } catch (const EInvalidGraphic& e) {
            SkipItem(e.what());
        }
    }
    ::ShowWindow(Handle(), SW_SHOW);
    ::BringWindowToTop(Handle());
}

void TfImageSlideShowPlayer::Prepare(CMediaSetting& next, std::int32_t index)
{
    DropPrepared();
    if (changing || !OnOneSurface()) return;
    CMediaSetting* const current = showItem;
    showItem = &next;
    prepared.item = index;
    prepared.width = Width();
    prepared.height = Height();
    // With a background per picture the change starts from what the screen shows, copied into
    // the start picture when it begins; until then the start picture is let go, so the prepared
    // frame is decoded and composed in the memory of the frame it replaces.
    const bool startFromScreen = project.options.backgroundPerPicture == 1;
    if (startFromScreen) startPicture().Release();
    {
        LogCapture capture(prepared.log);
        targetPicture().Release();
        try {
            prepared.at = ComposeSingleSurface();
        } catch (const EInvalidGraphic& e) {
            prepared.failed = true;
            prepared.failure = e.what();
        }
    }
    // Made again now, and written once, so its memory is in place before the change begins.
    if (startFromScreen && startPicture().Create(backBuffer().Width(), backBuffer().Height(), 0))
        backBuffer().Draw(0, 0, startPicture(), SRCCOPY);
    showItem = current;
}

void TfImageSlideShowPlayer::DropPrepared()
{
    if (prepared.item < 0) return;
    prepared = PreparedChange();
    if (!changing) targetPicture().Release();
}

// The prepared change of the current item: its log lines are written now, as they would have
// been had it been composed now.
void TfImageSlideShowPlayer::StartPrepared()
{
    PreparedChange change = std::move(prepared);
    prepared = PreparedChange();
    if (g_fileLog) g_fileLog->Replay(change.log);
    if (change.failed)
        SkipItem(change.failure.c_str());
    else
        BeginSingleSurfaceChange(change.at);
}

bool TfImageSlideShowPlayer::LoadItemPicture(CComPicture& picture)
{
    if (LoadMediaPicture(picture, showItem->filename, project, media) && picture.surface) return true;
    throw EInvalidGraphic("no picture decoded");
}

PictureFrame TfImageSlideShowPlayer::FitAndPlace(const CComPicture& picture, int frameWidth, int frameHeight,
                                                 PicturePlace& place, bool logFit)
{
    const PictureFrame frame =
        FitPicture(project.options.pictureFit, picture.Width(), picture.Height(), frameWidth, frameHeight);
    if (logFit && project.options.pictureFit == 1)
        FILE_LOG("neww=%d , newh=%d , imgw=%d , imgh=%d , framew=%d , frameh=%d", frame.outWidth, frame.outHeight,
                 picture.Width(), picture.Height(), frameWidth, frameHeight);
    place = PlacePicture(frameWidth, frameHeight, frame.outWidth, frame.outHeight,
                         project.options.randomPicturePosition != 0);
    return frame;
}

// The picture scaled to its size in the frame. A source rectangle that reaches beyond the
// picture shows black there; a picture too thin to fit keeps one pixel.
void TfImageSlideShowPlayer::ScalePicture(CComPicture& picture, const PictureFrame& frame, CComPicture& scaled)
{
    if (!scaled.Create(std::max(frame.outWidth, 1), std::max(frame.outHeight, 1), 0)) return;
    CComPicture padded;
    CComPicture* source = &picture;
    if (frame.sourceWidth > picture.Width() || frame.sourceHeight > picture.Height()) {
        padded.Create(std::max(frame.sourceWidth, picture.Width()), std::max(frame.sourceHeight, picture.Height()), 0);
        picture.Draw(0, 0, padded, SRCCOPY);
        source = &padded;
    }
    StretchPicture(scaled, 0, 0, scaled.Width(), scaled.Height(), *source, 0, 0, frame.sourceWidth,
                   frame.sourceHeight);
}

void TfImageSlideShowPlayer::PutPicture(CComPicture& scaled, CComPicture& surface, int x, int y)
{
    if (showItem->options.pictureBlendDraw)
        scaled.DrawTransparent(*surface.dc, x, y);
    else
        scaled.Draw(x, y, surface, SRCCOPY);
}

// The item's picture, decoded, placed and scaled. The decoded picture is gone before anything
// else is decoded (a background picture), so two large pictures are never held at once.
void TfImageSlideShowPlayer::ScaledItemPicture(int frameWidth, int frameHeight, bool logFit, CComPicture& scaled,
                                               PicturePlace& place)
{
    CComPicture picture;
    LoadItemPicture(picture);
    ScalePicture(picture, FitAndPlace(picture, frameWidth, frameHeight, place, logFit), scaled);
}

void TfImageSlideShowPlayer::SingleSurfaceShow()
{
    BeginSingleSurfaceChange(ComposeSingleSurface());
}

POINT TfImageSlideShowPlayer::ComposeSingleSurface()
{
    const int frameWidth = Width(), frameHeight = Height();
    if (project.options.backgroundPerPicture == 0) {
        // A background with its captions for the whole screen, and the picture revealed on it.
        CBackground painter;
        painter.SetSources(showItem, &project);
        painter.media = &media;
        painter.target = &startPicture();
        painter.Paint(runMode);
    }

    CComPicture scaled;
    PicturePlace place;
    ScaledItemPicture(frameWidth, frameHeight, true, scaled, place);

    if (project.options.backgroundPerPicture == 1) {
        // The whole new frame is revealed.
        targetPicture().Create(backBuffer().Width(), backBuffer().Height(), 0);
        Compose(targetPicture(), scaled, place);
        return {0, 0};
    }
    // The picture alone is revealed, at its place.
    if (showItem->options.pictureBlendDraw) {
        targetPicture().Create(scaled.Width(), scaled.Height(), 0);
        targetPicture().dc->BitBlt(0, 0, scaled.Width(), scaled.Height(), *startPicture().dc, place.x, place.y,
                                   SRCCOPY);
        scaled.DrawTransparent(*targetPicture().dc, 0, 0);
    } else {
        targetPicture().surface.swap(scaled.surface);
        targetPicture().dc.swap(scaled.dc);
    }
    return {place.x, place.y};
}

// With a background per picture the change starts from what the screen shows now; otherwise the
// new background comes at once and the picture is revealed on it.
void TfImageSlideShowPlayer::BeginSingleSurfaceChange(POINT at)
{
    if (!startPicture().surface && !startPicture().Create(backBuffer().Width(), backBuffer().Height(), 0)) {
        SkipItem("no memory for the change");
        return;
    }
    if (project.options.backgroundPerPicture == 1) backBuffer().Draw(0, 0, startPicture(), SRCCOPY);
    if (project.options.backgroundPerPicture == 0) startPicture().Draw(0, 0, backBuffer(), SRCCOPY);
    StartChange(at.x, at.y);
}

// A background, the picture at its place, and the captions unless previewing.
void TfImageSlideShowPlayer::Compose(CComPicture& surface, CComPicture& scaled, const PicturePlace& place)
{
    CBackground painter;
    painter.SetSources(showItem, &project);
    painter.media = &media;
    painter.target = &surface;
    painter.PaintBackground();
    PutPicture(scaled, surface, place.x, place.y);
    if (runMode == smPreview) return;
    painter.DrawTitle();
    painter.DrawDescription();
}

void TfImageSlideShowPlayer::TwoMonitorShow()
{
    ComposeMonitor(1);
    if (settings.monitorMode == 2) {
        CloneFirstMonitor();
    } else {
        if (settings.monitorMode != 1) showItem->Advance(project.options.randomMediaOrder != 0);
        ComposeMonitor(2);
    }
    StartChange(0, 0);
}

void TfImageSlideShowPlayer::ComposeMonitor(int monitor)
{
    const ScreenRect area = MonitorInWindow(monitor);
    CComPicture scaled;
    PicturePlace place;
    ScaledItemPicture(area.width, area.height, false, scaled, place);

    CComPicture& size = pictures[monitor == 1 ? 4 : 6];
    CComPicture composed;
    composed.Create(std::max(size.Width(), 1), std::max(size.Height(), 1), 0);
    Compose(composed, scaled, place);
    if (monitor == 1) targetPicture().Create(startPicture().Width(), startPicture().Height(), 0);
    composed.Draw(area.left, area.top, targetPicture(), SRCCOPY);
}

// Monitor 1's composition, centred on monitor 2 (cut at its sides when monitor 2 is narrower).
void TfImageSlideShowPlayer::CloneFirstMonitor()
{
    const ScreenRect first = MonitorInWindow(1), second = MonitorInWindow(2);
    const int dx = (second.width - first.width) / 2, dy = (second.height - first.height) / 2;
    CDC& target = *targetPicture().dc;
    if (second.width >= first.width)
        target.BitBlt(second.left + dx, second.top + dy, first.width, first.height, target, first.left, first.top,
                      SRCCOPY);
    else
        target.BitBlt(second.left, second.top + dy, second.width, first.height, target, first.left - dx, first.top,
                      SRCCOPY);
}

// A picture that cannot be decoded is skipped: the show moves on at once, or after a pause when
// a whole round has been skipped.
void TfImageSlideShowPlayer::SkipItem(const char* reason)
{
    FILE_LOG("picture \"%s\" skipped: %s", showItem->filename.c_str(), reason);
    if (++skippedInARow < std::max<std::int32_t>(showItem->ItemCount(), 1)) {
        ::PostMessageA(parent, kItemFinished, 0, 0);
        return;
    }
    skippedInARow = 0;
    ::SetTimer(Handle(), kRetryTimer, kRetryDelay, nullptr);
}

void TfImageSlideShowPlayer::StartChange(int left, int top)
{
    skippedInARow = 0;
    request.window = Handle();
    request.startPicture = &startPicture();
    request.targetPicture = &targetPicture();
    request.backBuffer = &backBuffer();
    request.effectIndex = showItem->NextEffect();
    request.enabled = showItem->options.transitionsOn != 0;
    request.left = left;
    request.top = top;
    request.step = showItem->options.effectStep;

    Stop();  // a change still under way gives way to this one
    changing = true;
    thread = new TSlideShowThread(&request, resting, pacer);
    thread->OnTerminate = [this] { thread = nullptr; };
    thread->FreeOnTerminate = true;
    thread->Resume();
}
