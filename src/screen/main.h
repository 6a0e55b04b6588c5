// The screen window: the one top-level window of a running show. It covers the chosen monitor or
// the whole virtual screen (or fills the preview area of the Display control panel), watches the
// user's input for the exit conditions, asks for the 9x password before closing where one is
// required, hides the taskbar while it runs and undoes everything when it closes.
#pragma once

#include "../diagnostics/ScrMode.h"
#include "../framework/CursorHider.h"
#include "../framework/Form.h"
#include "../framework/PopupMenu.h"
#include "../framework/Timer.h"
#include "../framework/WindowHook.h"
#include "../players/FlashPlayer.h"
#include "../players/SoundTable.h"
#include "../settings/Media.h"
#include "../settings/MediaSetting.h"
#include "DisplayPower.h"
#include "ScreenFiles.h"

#include <cstdint>
#include <memory>

class CMyXMLDb;
class FramePacer;
class TfImageSlideShowPlayer;
class Tfvideoplayer;
class CSoundPlayer;
class TBitmap;
class CSaverSettings;
class CVESKGlobeSettings;

class Tfmain : public TForm {
public:
    // `transitionPacer`: how transition frames end; null for the player's own (tests pace them).
    Tfmain(TScrMode runMode, HWND hostWindow, const CMyXMLDb& database, CSaverSettings& settings,
           CVESKGlobeSettings& project, FramePacer* transitionPacer = nullptr);
    ~Tfmain() override;

    // Components.
    TTimer timer3;                   // the maximum run time
    TTimer timer1;                   // the pause after a show item
    TTimer timer2;                   // the pause between music tracks
    TTimer watch_close_event_timer;  // arms the exit conditions 2 seconds after start
    TPopupMenu pmmain;               // Settings, Exit; the context menu when run as a program

    // Event handlers.
    void timer1Timer();
    void timer2Timer();
    void timer3Timer();
    void watch_close_event_timerTimer();
    void Settings1Click();
    void Exit1Click();

    bool busy = false;     // closing, or the settings dialog is open: the item and music timers wait
    bool closing = false;  // FormClose has started
    TScrMode runMode;
    std::int32_t previousScreensaverState = 0;
    int screenWidth = 800;
    int screenHeight = 600;
    CSaverSettings& settings;
    CMediaSetting showSetting;  // the current show item
    CMedia media;               // the stored media files
    CVESKGlobeSettings& project;
    CScreenFiles screenFiles;  // movie and video files copied out for the players
    bool runtimeOver = false;  // the maximum run time has passed: the show has stopped

    // The sequencer: one show item after another, each with the player of its type.
    static constexpr UINT kItemFinished = WM_USER + 8;         // 1032, from the players
    static constexpr UINT kTrackFinished = WM_USER + 10;       // 1034, from musicPlayer
    static constexpr UINT kPauseMusic = WM_USER + 11;          // 1035
    static constexpr UINT kResumeMusic = WM_USER + 12;         // 1036
    static constexpr UINT kBoundSoundFinished = WM_USER + 13;  // 1037, from boundSoundPlayer
    static constexpr UINT kPrepareNext = WM_USER + 14;         // 1038, posted when a pause begins
    void ShowItem();
    void ItemFinished();
    void BoundSoundFinished();
    void ScheduleNext();
    // During the pause after an item: the next item, when it is a picture, is made ready.
    void PrepareNext();
    void DropPrepared();
    void NextItem();
    void StartMusic(bool paused);
    void TrackFinished();
    // The display went off: nothing draws or plays and the show does not move on. GoOn takes it
    // up where it was when the display is back.
    void Rest();
    void GoOn();
    bool Resting() const { return resting; }

    std::int32_t previousItemType = -1;                       // the type of the item shown last
    bool itemTimerArmed = false;                              // timer1 runs the pause after an item
    std::unique_ptr<TfImageSlideShowPlayer> slideshowPlayer;  // made at the first picture item
    bool itemPlaying = false;        // the current item has started and not yet reported its end
    bool boundSoundPlaying = false;  // the current item's own sound is playing
    FramePacer* transitionPacer;
    CSoundTable musicTable;                          // the "music" table: background tracks, item sounds
    std::unique_ptr<CSoundPlayer> musicPlayer;       // background music; its end comes as 1034
    std::unique_ptr<CSoundPlayer> boundSoundPlayer;  // the items' own sounds; their end comes as 1037
    bool musicTimerArmed = false;                    // timer2 runs the pause between tracks
    std::string videoFile;                           // the current video file
    int videoSlot = 0;                               // the video player in use: 0 or 1
    // Two video players, so the next video is on the screen before the previous one goes.
    std::unique_ptr<Tfvideoplayer> videoPlayers[2];

    // Flash movies: one player, made with the window and reused for every Flash item. The
    // window's size and paint reach it.
    std::unique_ptr<TFlashPlayer> flashPlayer;
    void StartFlash();
    void FormResize() override;
    void FormPaint(HDC dc) override;

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormCloseQuery(bool& canClose) override;
    void FormClose(TCloseAction& action) override;
    void FormDestroy() override;

private:
    // FormCreate's steps; UndoStart takes back what they changed when one fails.
    void StartShow();
    void UndoStart();
    bool Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Place();
    void ShowTaskbar(bool show);
    void MoveTest();
    bool WatchesExit() const;
    void CloseEvent(const char* name);
    void StopItem(std::int32_t type);
    void LeavePreviousType(std::int32_t type);
    void SetUpSound();
    void StartVideo();
    void StartBoundSound();
    void PaintVideoBackground(TBitmap& target);
    void ShowMissingFile(const std::string& path);
    // Stops the players and the music for good: when the window closes or the run time is over.
    void ClosePlayers();
    void PauseItem(bool pause);

    const CMyXMLDb& database;
    HWND hostWindow;
    TWindowHook hook;
    TCursorHider cursor;
    DisplayPower displayPower;           // tells Rest and GoOn
    bool resting = false;                // the display is off
    bool musicResumesAfterRest = false;  // the music played when the display went off
    bool nextItemAfterRest = false;      // the next item came due while resting
};
