// The media sequencer: the screen window shows one show item after another, each handed to the
// player of its type, waits the project's pause between them and goes round without end.
#include "main.h"

#include "../diagnostics/FileLog.h"
#include "../framework/Application.h"
#include "../settings/VESKGlobeSettings.h"
#include "../slideshow/ImageSlideShowPlayer.h"

void Tfmain::StopItem(std::int32_t type)
{
    if (type == 0 && slideshowPlayer) slideshowPlayer->Stop();
    if (type == 1 && flashPlayer) flashPlayer->Stop();
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
            // Videos have no player yet: the show stays on the item, as on an unknown type.
            DoubleBuffered = true;
            FILE_LOG("Play a video movie");
            break;
        default:
            FILE_LOG("Unknow Media type %d", static_cast<int>(type));
            break;
    }
    itemPlaying = true;
    LeavePreviousType(type);
    previousItemType = type;
    // The background music follows the item's musicOn, and the item's own sound starts, once
    // there is a sound player; until then no item waits for a sound.
    boundSoundPlaying = false;
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
    if (previousItemType == 1 && changed && flashPlayer) flashPlayer->Hide();
}

// An embedded movie is copied out of the package; a separate one is played where it lies, and
// when it is missing the user is told (above the full-screen show) and the item plays nothing.
void Tfmain::StartFlash()
{
    if (!flashPlayer) return;  // the window is closing
    const std::string movie = screenFiles.MaterialiseFlashMovie(showSetting);
    if (!screenFiles.missingFile.empty())
        ::MessageBoxA(Handle(), ("File not found : " + screenFiles.missingFile).c_str(), Application.Title().c_str(),
                      MB_OK | MB_ICONWARNING);
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
    timer1.SetEnabled(true);
    itemTimerArmed = true;
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

void Tfmain::timer2Timer()
{
    timer2.SetEnabled(false);
}
