#include "FlashPlayer.h"

#include "../framework/AnsiText.h"
#include "../framework/DCGuards.h"
#include "../settings/MediaSetting.h"
#include "../slideshow/Background.h"

namespace {
constexpr unsigned kPollMilliseconds = 1000;
constexpr std::int32_t kIdleTicksToEnd = 3;
}  // namespace

TFlashPlayer::TFlashPlayer(HWND parentWindow, CVESKGlobeSettings* projectRecord, CSaverSettings* saverSettings,
                           TScrMode mode, std::unique_ptr<CFlashControl> movieControl)
    : control(movieControl ? std::move(movieControl) : CreateFlashControl(parentWindow)),
      parent(parentWindow),
      runMode(mode),
      settings(saverSettings),
      project(projectRecord)
{
    timer.OnTimer = [this] { Tick(); };
    control->Show(false);
    control->SetScrMode(runMode);
    control->SetSaverSettings(settings);
    ParentResized();
}

TFlashPlayer::~TFlashPlayer()
{
    timer.SetEnabled(false);
    control.reset();
}

void TFlashPlayer::SetRunMode(TScrMode mode)
{
    runMode = mode;
    control->SetScrMode(mode);
}

void TFlashPlayer::SetSaverSettings(CSaverSettings* saverSettings)
{
    settings = saverSettings;
    control->SetSaverSettings(saverSettings);
}

void TFlashPlayer::SetProject(CVESKGlobeSettings* projectRecord)
{
    project = projectRecord;
    control->SetSaverSettings(settings);
}

void TFlashPlayer::Start()
{
    if (!showSettings || !::IsWindow(parent)) return;
    const ShowItemOptions& options = showSettings->options;
    RECT client{};
    ::GetClientRect(parent, &client);
    background.Create(client.right, client.bottom, options.flashBackColor);
    CBackground painter;
    painter.SetSources(showSettings, project);
    painter.media = media;
    painter.target = &background;
    painter.DrawTitle();
    painter.DrawDescription();
    {
        WindowDC dc(parent);
        ParentPainted(dc.get());
    }

    timer.SetEnabled(false);
    seconds = 0;
    idleTicks = 0;
    lastFrame = 0;  // a frame of the previous movie is no measure for this one
    totalFrames = 0;
    // Without a movie (a missing file) the item ends as one whose movie did not load.
    hasMovie = !fileName.empty();
    if (hasMovie) {
        control->SetMovie(Widened(fileName));
        control->SetScaleMode(options.flashScaleMode);
        control->SetAlignMode(options.flashAlignMode);
        control->SetAcceptMouseClick(options.flashAcceptMouseClick != 0);
        control->SetAcceptMouseMove(options.flashAcceptMouseMove != 0);
        totalFrames = control->TotalFrames();
    }
    timeLimit = options.flashSeconds;
    frameLimit = options.flashEndFrame;
    if (hasMovie) control->Play();
    timer.SetInterval(kPollMilliseconds);
    timer.SetEnabled(true);
}

void TFlashPlayer::Stop()
{
    control->StopPlay();
    timer.SetEnabled(false);
    moviePaused = pollHeld = false;
}

void TFlashPlayer::Pause()
{
    if (resting) return;
    resting = true;
    pollHeld = timer.Enabled();
    timer.SetEnabled(false);
    moviePaused = pollHeld && hasMovie && control->IsPlaying();
    if (moviePaused) control->StopPlay();
}

void TFlashPlayer::Resume()
{
    if (!resting) return;
    resting = false;
    if (moviePaused) control->Play();
    if (pollHeld) timer.SetEnabled(true);
    moviePaused = pollHeld = false;
}

void TFlashPlayer::Show()
{
    control->Show(true);
}

void TFlashPlayer::Hide()
{
    control->Show(false);
    background.Release();  // the screen window no longer shows this item's background
}

void TFlashPlayer::ParentResized()
{
    RECT client{};
    ::GetClientRect(parent, &client);
    if (HWND window = control->Window()) ::MoveWindow(window, 0, 0, client.right, client.bottom, TRUE);
}

void TFlashPlayer::ParentPainted(HDC dc)
{
    if (background.Width() == 0) return;
    ::BitBlt(dc, 0, 0, background.Width(), background.Height(), background.dc->Handle(), 0, 0, SRCCOPY);
}

bool TFlashPlayer::IdleEnded()
{
    ++idleTicks;
    // A movie that never left frame 0 did not load: it gets about a second per 18 frames.
    const std::int32_t limit = lastFrame == 0 ? totalFrames / 18 + kIdleTicksToEnd : kIdleTicksToEnd;
    return idleTicks >= limit;
}

void TFlashPlayer::Tick()
{
    if (!showSettings) return;
    const std::int32_t frame = hasMovie ? control->CurrentFrame() : 0;
    const std::int32_t endMode = showSettings->options.flashEndMode;
    if (endMode == 0) {
        // A movie that stops before its frame (or never plays) would hold the show for ever.
        if (frame >= frameLimit) {
            control->StopPlay();
            End();
        } else if (!(hasMovie && control->IsPlaying()) && IdleEnded()) {
            End();
        }
        lastFrame = frame;
    } else if (endMode == 1) {
        if (++seconds > timeLimit) {
            control->StopPlay();
            End();
        }
        lastFrame = frame;
    } else if (endMode == 2) {
        lastFrame = frame;
    } else if (hasMovie && control->IsPlaying()) {
        // A frame counter that jumps back is a movie that looped: it has been seen to its end.
        if (frame < lastFrame) {
            control->StopPlay();
            End();
        }
        lastFrame = frame;
    } else if (IdleEnded()) {
        End();
    }
}

void TFlashPlayer::End()
{
    timer.SetEnabled(false);
    ::PostMessageA(parent, kItemFinished, 0, 0);
}
