#include "VideoPlayer.h"

#include "../diagnostics/FileLog.h"
#include "../settings/MediaSetting.h"
#include "../settings/SaverSettings.h"
#include "../settings/VESKGlobeSettings.h"
#include "InputForwarding.h"
#include "VideoPanel.h"

namespace {
constexpr unsigned kStartDelay = 10;
constexpr unsigned kPollInterval = 1000;
constexpr int kStartTag = 0, kPollTag = 1;
// The video has ended once its position is this close to its length, in the device's units.
constexpr std::int32_t kEndMargin = 20;
constexpr int kFullWidthMode = 5;  // the video covers the width: no background is shown
}  // namespace

Tfvideoplayer::Tfvideoplayer(HWND parentWindow, CVESKGlobeSettings& projectRecord, CSaverSettings& saverSettings,
                             TScrMode mode)
    : runMode(mode), settings(saverSettings), project(projectRecord), parent(parentWindow)
{
    timer.OnTimer = [this] { timerTimer(); };
    Create(parentWindow);
}

Tfvideoplayer::~Tfvideoplayer()
{
    DestroyHandle();
}

void Tfvideoplayer::FormCreate()
{
    panel = std::make_unique<CVideoPanel>(Handle());
    panel->runMode = runMode;
    panel->settings = &settings;
    panel->project = &project;
    RECT client{};
    ::GetClientRect(parent, &client);
    SetBounds(0, 0, client.right, client.bottom);
    background.SetSize(client.right, client.bottom, RGB(0, 0, 0));
    timer.SetInterval(kStartDelay);
    timer.Tag = kStartTag;
    timer.SetEnabled(true);
    starting = true;
    hook.Install(Handle(), [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return Hook(message, wParam, lParam, result);
    });
}

void Tfvideoplayer::FormDestroy()
{
    starting = false;
    Stop(releaseFlag);
    Close(releaseFlag);
    panel.reset();
    hook.Remove();
    cursor.Hide(false);
}

int Tfvideoplayer::SizeMode() const
{
    return showSettings ? VideoSizeMode(showSettings->options.videoSizeMode) : 0;
}

void Tfvideoplayer::FormPaint(HDC dc)
{
    if (!showSettings || SizeMode() == kFullWidthMode || background.Empty()) return;
    ::BitBlt(dc, 0, 0, background.Width(), background.Height(), background.Handle(), 0, 0, SRCCOPY);
}

void Tfvideoplayer::PaintBackground()
{
    if (backgroundPainter && !background.Empty()) backgroundPainter(background);
    ::InvalidateRect(Handle(), nullptr, FALSE);
    ::UpdateWindow(Handle());
}

void Tfvideoplayer::ShowOnTop()
{
    ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Tfvideoplayer::Start(bool loopMedia)
{
    loop = loopMedia;
    // Without a file (a separate file that is missing) only the poll runs: it finds nothing
    // playing and ends the item as for a file that cannot be opened, so the show goes on.
    if (fileName.empty()) {
        StartPolling();
        return;
    }
    player.Open(fileName, nullptr);

    const RECT natural = player.GetDestination();
    const VideoSize client{Width(), Height()};
    const VideoSize size =
        DisplayedVideoSize(SizeMode(), {natural.right - natural.left, natural.bottom - natural.top}, client);
    const bool random = project.options.randomPicturePosition != 0;
    const std::uint32_t xTick = ::GetTickCount();
    const VideoPoint at = PlaceVideo(random, client, size, xTick, ::GetTickCount());

    panel->SetBounds(at.x, at.y, size.width, size.height);
    player.SetWindow(panel->Handle());
    player.PutDestination(0, 0, size.width, size.height);
    player.Play();
    player.PutDestination(0, 0, size.width, size.height);

    playing = true;
    StartPolling();
}

void Tfvideoplayer::StartPolling()
{
    timer.SetEnabled(false);
    timer.Tag = kPollTag;
    timer.SetInterval(kPollInterval);
    timer.SetEnabled(true);
}

void Tfvideoplayer::Stop(bool release)
{
    releaseFlag = release;
    playing = false;
    player.Stop(release);
    timer.SetEnabled(false);
    timerHeld = devicePaused = false;  // nothing to take up again
}

void Tfvideoplayer::Close(bool release)
{
    releaseFlag = release;
    player.Stop(release);
    player.Close(release);
    timer.SetEnabled(false);
    timerHeld = devicePaused = false;
}

void Tfvideoplayer::Pause()
{
    if (resting) return;
    resting = true;
    timerHeld = timer.Enabled();
    timer.SetEnabled(false);
    devicePaused = playing && player.GetMode() == MCI_MODE_PLAY && player.Pause();
}

void Tfvideoplayer::Resume()
{
    if (!resting) return;
    resting = false;
    // Played on rather than resumed: some video devices stop when paused, and a paused device
    // plays on from its position just the same.
    if (devicePaused) player.PlayOn();
    if (timerHeld) timer.SetEnabled(true);
    devicePaused = timerHeld = false;
}

void Tfvideoplayer::timerTimer()
{
    if (timer.Tag == kStartTag) {
        timer.SetEnabled(false);
        starting = false;
        Start(showSettings && showSettings->ItemCount() == 1);
        return;
    }
    const auto position = static_cast<std::int32_t>(player.GetPosition());
    const auto length = static_cast<std::int32_t>(player.GetLength());
    if (position < length - kEndMargin) return;
    if (loop) {
        FILE_LOG("Movie stops , Loop Media!");
        if (!fileName.empty()) Restart();
        return;
    }
    timer.SetEnabled(false);
    FILE_LOG("Movie stops , Show Next Media!");
    ::PostMessageA(parent, kItemFinished, 0, 0);
}

// A fresh background behind the panel, then the video again from its start.
void Tfvideoplayer::Restart()
{
    PaintBackground();
    if (SizeMode() != kFullWidthMode) {
        ::ShowWindow(panel->Handle(), SW_HIDE);
        ::ShowWindow(panel->Handle(), SW_SHOWNA);
    }
    player.Play();
}

bool Tfvideoplayer::Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
        case WM_SETCURSOR:
            cursor.Hide(runMode == smSaver && settings.exitSuspended == 0);
            return false;
        case WM_HELP:
            // Its parameter points to a HELPINFO, so the system refuses to post it: it is sent.
            ::SendMessageA(parent, message, wParam, lParam);
            result = 0;
            return true;
        case WM_KEYDOWN:
            ::PostMessageA(parent, message, wParam, lParam);
            // Enter and Escape would otherwise be taken by the form's own processing.
            if (wParam != VK_RETURN && wParam != VK_ESCAPE) return false;
            result = 1;
            return true;
        case WM_CHAR:
            FILE_LOG("video palayer mouse move");
            ::PostMessageA(parent, message, wParam, lParam);
            return false;
        case WM_MOUSEMOVE:
            FILE_LOG("video palayer mouse move");
            ForwardMouseMessage(Handle(), parent, message, wParam, lParam);
            return false;
        default:
            if (IsMouseMessage(message)) ForwardMouseMessage(Handle(), parent, message, wParam, lParam);
            return false;
    }
}
