// The media sequencer: the screen window shows one show item after another, each handed to the
// player of its type, waits the project's pause between them and goes round without end.
#include "main.h"

#include "../diagnostics/FileLog.h"
#include "../framework/Application.h"
#include "../players/SoundPlayer.h"
#include "../players/VideoPlayer.h"
#include "../settings/SaverSettings.h"
#include "../settings/VESKGlobeSettings.h"
#include "../slideshow/Background.h"
#include "../slideshow/ImageSlideShowPlayer.h"

void Tfmain::StopItem(std::int32_t type)
{
    if (type == 0 && slideshowPlayer) slideshowPlayer->Stop();
    if (type == 1 && flashPlayer) flashPlayer->Stop();
    // The device closes, so that the video's copy can be parked or removed.
    if (type == 2 && videoPlayers[videoSlot]) videoPlayers[videoSlot]->Close(true);
}

void Tfmain::SetUpSound()
{
    musicTable.Open();
    musicPlayer = std::make_unique<CSoundPlayer>();
    musicPlayer->SetNotify(kTrackFinished, Handle());
    StartMusic(true);
    boundSoundPlayer = std::make_unique<CSoundPlayer>();
    boundSoundPlayer->SetNotify(kBoundSoundFinished, Handle());
}

void Tfmain::ClosePlayers()
{
    // Every device is closed before the copies it played are removed.
    for (auto& player : videoPlayers)
        player.reset();
    boundSoundPlayer.reset();
    musicPlayer.reset();
    if (musicTimerArmed) timer2.SetEnabled(false);
    musicTimerArmed = false;
    musicTable.RemoveCopies();
    musicTable.Close();
}

void Tfmain::ShowItem()
{
    StopItem(previousItemType);
    itemPlaying = false;
    FILE_LOG("Media Count = %d", static_cast<int>(showSetting.ItemCount()));
    FILE_LOG("Media name = %s", showSetting.filename.c_str());

    const std::int32_t type = showSetting.options.mediaType;
    switch (type) {
        case 0:
            DoubleBuffered = true;
            if (!slideshowPlayer) {
                slideshowPlayer = std::make_unique<TfImageSlideShowPlayer>(Handle(), runMode, media, project, settings);
                slideshowPlayer->pacer = transitionPacer;
            }
            slideshowPlayer->ShowPicture(showSetting);
            break;
        case 1:
            FILE_LOG("Play a flash movie");
            DoubleBuffered = false;
            StartFlash();
            break;
        case 2:
            DoubleBuffered = true;
            FILE_LOG("Play a video movie");
            StartVideo();
            break;
        default:
            FILE_LOG("Unknow Media type %d", static_cast<int>(type));
            break;
    }
    itemPlaying = true;
    LeavePreviousType(type);
    previousItemType = type;
    if (musicPlayer) {
        if (showSetting.options.musicOn)
            musicPlayer->Resume();
        else
            musicPlayer->Pause();
    }
    StartBoundSound();
}

// The item's own sound, when it names one: the item lasts until the sound has ended too.
void Tfmain::StartBoundSound()
{
    boundSoundPlaying = false;
    if (!boundSoundPlayer) return;
    boundSoundPlayer->Stop();
    std::string file;
    try {
        file = musicTable.TrackByName(showSetting.bindSound, project.screensaverPath, project.options.mediaEmbedded,
                                      project.options.filesBesideProgram);
    } catch (const ETrackNotFound& e) {
        FILE_LOG("%s%s", e.what(), e.path.c_str());
    }
    if (!file.empty()) boundSoundPlaying = boundSoundPlayer->Play(file);
}

void Tfmain::StartVideo()
{
    std::string file = screenFiles.MaterialiseVideo(showSetting);
    if (!screenFiles.missingFile.empty()) {
        ShowMissingFile(screenFiles.missingFile);
        // The window may have closed while the box was open.
        if (closing || !Handle()) return;
        file.clear();
    }
    videoFile = file;
    const int slot = videoSlot == 1 ? 0 : 1;
    FILE_LOG("Video Player%d working", slot);
    std::unique_ptr<Tfvideoplayer>& player = videoPlayers[slot];
    if (!player) player = std::make_unique<Tfvideoplayer>(Handle(), project, settings, runMode);
    player->SetFileName(file);
    player->SetShowSettings(&showSetting);
    player->SetBackgroundPainter([this](TBitmap& target) { PaintVideoBackground(target); });
    player->PaintBackground();
    player->ShowOnTop();
    // Only now that the new video covers the screen does the previous one go.
    videoPlayers[1 - slot].reset();
    videoSlot = slot;
    FILE_LOG("Exit from PlayVideo()");
}

void Tfmain::PaintVideoBackground(TBitmap& target)
{
    CComPicture picture;
    if (!picture.Create(target.Width(), target.Height(), RGB(0, 0, 0))) return;
    CBackground painter;
    painter.SetSources(&showSetting, &project);
    painter.media = &media;
    painter.target = &picture;
    painter.Paint(runMode);
    ::BitBlt(target.Handle(), 0, 0, target.Width(), target.Height(), picture.dc->Handle(), 0, 0, SRCCOPY);
}

// A separate media file that is not there: the box belongs to the screen window, so it shows
// above the full-screen show; the show goes on when it is closed.
void Tfmain::ShowMissingFile(const std::string& path)
{
    const std::string text = "File not found : " + path;
    ::MessageBoxA(Handle(), text.c_str(), Application.Title().c_str(), MB_OK | MB_ICONWARNING);
}

// The previous type's player leaves the screen when another type takes over.
void Tfmain::LeavePreviousType(std::int32_t type)
{
    const bool changed = previousItemType != type;
    if (previousItemType == 0 && slideshowPlayer) {
        if (changed)
            slideshowPlayer->Hide();
        else
            ::ShowWindow(slideshowPlayer->Handle(), SW_SHOW);
    }
    if (previousItemType == 2 && changed && videoPlayers[videoSlot]) {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        ::SetWindowPos(videoPlayers[videoSlot]->Handle(), HWND_BOTTOM, 0, 0, client.right, client.bottom,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE);
    }
    if (previousItemType == 1 && changed && flashPlayer) flashPlayer->Hide();
}

// An embedded movie is copied out of the package; a separate one is played where it lies, and
// when it is missing the user is told (above the full-screen show) and the item plays nothing.
void Tfmain::StartFlash()
{
    if (closing) return;
    // Made at the first Flash item, so a show without one never starts the control's machinery.
    if (!flashPlayer) flashPlayer = std::make_unique<TFlashPlayer>(Handle(), &project, &settings, runMode);
    const std::string movie = screenFiles.MaterialiseFlashMovie(showSetting);
    if (!screenFiles.missingFile.empty())
        ::MessageBoxA(Handle(), ("File not found : " + screenFiles.missingFile).c_str(), Application.Title().c_str(),
                      MB_OK | MB_ICONWARNING);
    if (closing || !flashPlayer) return;  // the box's own message loop may have closed the show
    flashPlayer->SetFileName(movie);
    flashPlayer->SetShowSettings(&showSetting);
    flashPlayer->SetSaverSettings(&settings);
    flashPlayer->SetProject(&project);
    flashPlayer->SetMedia(&media);
    flashPlayer->Start();
    flashPlayer->Show();
}

void Tfmain::ItemFinished()
{
    itemPlaying = false;
    if (boundSoundPlaying) return;  // the item ends when its sound ends
    FILE_LOG("Show Next media file");
    ScheduleNext();
}

void Tfmain::BoundSoundFinished()
{
    boundSoundPlaying = false;
    musicTable.RemoveBoundFile();  // its player has closed it
    if (!itemPlaying) ScheduleNext();
}

void Tfmain::ScheduleNext()
{
    const std::int32_t seconds = project.options.mediaPauseSeconds;
    if (seconds <= 0) {
        NextItem();
        return;
    }
    if (itemTimerArmed) return;
    timer1.SetInterval(static_cast<unsigned>(seconds) * 1000u);
    timer1.SetEnabled(!resting);  // GoOn starts it
    itemTimerArmed = true;
    // Posted, so what is already waiting (the last frame's paint, input) goes first.
    ::PostMessageA(Handle(), kPrepareNext, 0, 0);
}

void Tfmain::PrepareNext()
{
    if (!itemTimerArmed || busy || resting || closing || runtimeOver) return;
    CMediaSetting next;
    const std::int32_t index = showSetting.ChooseNext(project.options.randomMediaOrder != 0, next);
    if (next.options.mediaType != 0) return;
    if (!slideshowPlayer) {
        slideshowPlayer = std::make_unique<TfImageSlideShowPlayer>(Handle(), runMode, media, project, settings);
        slideshowPlayer->pacer = transitionPacer;
    }
    slideshowPlayer->Prepare(next, index);
}

void Tfmain::DropPrepared()
{
    if (slideshowPlayer) slideshowPlayer->DropPrepared();
}

void Tfmain::NextItem()
{
    if (runtimeOver) {
        // The show has stopped: a late end-of-item message must not leave the pause firing for ever.
        timer1.SetEnabled(false);
        itemTimerArmed = false;
        return;
    }
    if (busy) return;  // the pause timer tries again at its next tick
    if (resting) {
        nextItemAfterRest = true;
        return;
    }
    if (project.options.mediaPauseSeconds > 0) {
        timer1.SetEnabled(false);
        itemTimerArmed = false;
    }
    showSetting.Advance(project.options.randomMediaOrder != 0);
    ShowItem();
}

void Tfmain::timer1Timer()
{
    NextItem();
}

void Tfmain::StartMusic(bool paused)
{
    if (!settings.options.playMusic || !musicPlayer || runtimeOver) return;
    std::string file;
    try {
        file = musicTable.NextTrack(project.screensaverPath, project.options.musicRandom, project.options.musicLoop,
                                    project.options.musicEmbedded, project.options.filesBesideProgram);
    } catch (const ETrackNotFound& e) {
        FILE_LOG("%s%s", e.what(), e.path.c_str());  // the music ends here
        return;
    }
    if (file.empty()) return;
    FILE_LOG("Play music %s", file.c_str());
    if (!musicPlayer->Play(file)) return;
    if (resting) musicResumesAfterRest = !paused;
    if (paused || resting) musicPlayer->Pause();
}

void Tfmain::TrackFinished()
{
    if (!musicPlayer) return;
    musicPlayer->Stop();
    musicTable.RemoveMusicFile();
    const std::int32_t seconds = project.options.musicPauseSeconds;
    if (seconds <= 0) {
        StartMusic(false);
        return;
    }
    if (musicTimerArmed) return;
    timer2.SetInterval(static_cast<unsigned>(seconds) * 1000u);
    timer2.SetEnabled(!resting);
    musicTimerArmed = true;
}

void Tfmain::timer2Timer()
{
    if (busy) return;
    timer2.SetEnabled(false);
    musicTimerArmed = false;
    StartMusic(false);
}

// The current item's player holds (pause) or goes on; the item's own sound with it.
void Tfmain::PauseItem(bool pause)
{
    const auto hold = [pause](auto& player) { pause ? player.Pause() : player.Resume(); };
    if (previousItemType == 0 && slideshowPlayer) hold(*slideshowPlayer);
    if (previousItemType == 1 && flashPlayer) hold(*flashPlayer);
    if (previousItemType == 2 && videoPlayers[videoSlot]) hold(*videoPlayers[videoSlot]);
    if (boundSoundPlayer) hold(*boundSoundPlayer);
}

void Tfmain::Rest()
{
    if (resting || closing) return;
    resting = true;
    FILE_LOG("Display off, the show rests");
    DropPrepared();
    PauseItem(true);
    musicResumesAfterRest = musicPlayer && musicPlayer->Playing() && !musicPlayer->Paused();
    if (musicPlayer) musicPlayer->Pause();
    // A pause between items or tracks starts again in full when the display is back: the
    // viewer gets the whole of it.
    if (itemTimerArmed) timer1.SetEnabled(false);
    if (musicTimerArmed) timer2.SetEnabled(false);
}

void Tfmain::GoOn()
{
    if (!resting) return;
    resting = false;
    FILE_LOG("Display on, the show goes on");
    if (closing) return;
    PauseItem(false);
    if (musicPlayer && musicResumesAfterRest) musicPlayer->Resume();
    if (itemTimerArmed) {
        timer1.SetEnabled(true);
        ::PostMessageA(Handle(), kPrepareNext, 0, 0);
    }
    if (musicTimerArmed) timer2.SetEnabled(true);
    if (nextItemAfterRest) {
        nextItemAfterRest = false;
        NextItem();
    }
}
