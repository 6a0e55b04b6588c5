// The player of Flash-movie items: the movie control over the whole screen window, the item's
// colour and captions painted behind it, and a poll once a second that decides whether the movie
// has ended; the end reaches the screen window as 1032.
//
//   TFlashPlayer player(screenWindow, project, settings, runMode);
//   player.SetShowSettings(&showSetting);
//   player.SetFileName(movie);
//   player.Start();          // paints, loads and plays; the sequencer then shows the control
//   player.Show();
//   ...
//   player.Stop();           // when the show moves on or closes
//   player.Hide();           // when an item of another type follows
#pragma once

#include "../diagnostics/ScrMode.h"
#include "../framework/Timer.h"
#include "../slideshow/ComPicture.h"
#include "FlashControl.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class CMedia;
class CMediaSetting;
class CSaverSettings;
class CVESKGlobeSettings;

class TFlashPlayer {
public:
    static constexpr UINT kItemFinished = WM_USER + 8;  // 1032, to the parent

    // `control`: the movie control to use; by default the hosted control, or the placeholder
    // where it cannot be created.
    TFlashPlayer(HWND parent, CVESKGlobeSettings* project, CSaverSettings* settings, TScrMode runMode,
                 std::unique_ptr<CFlashControl> control = nullptr);
    ~TFlashPlayer();
    TFlashPlayer(const TFlashPlayer&) = delete;
    TFlashPlayer& operator=(const TFlashPlayer&) = delete;

    void SetRunMode(TScrMode mode);
    void SetSaverSettings(CSaverSettings* saverSettings);
    void SetProject(CVESKGlobeSettings* projectRecord);
    void SetFileName(const std::string& name) { fileName = name; }
    void SetShowSettings(CMediaSetting* item) { showSettings = item; }
    void SetMedia(CMedia* mediaFiles) { media = mediaFiles; }

    void Start();
    void Stop();
    // While the display is off: a playing movie stops at its frame and the poll waits (a time
    // limit does not run on); Resume plays on from that frame.
    void Pause();
    void Resume();
    void Show();
    void Hide();
    // The parent's events: the control fills the parent; the background shows where it does not.
    void ParentResized();
    void ParentPainted(HDC dc);
    // The one-second poll (the timer's handler).
    void Tick();

    CFlashControl& Control() { return *control; }
    const TTimer& Timer() const { return timer; }

private:
    // The movie is not playing: true when it has been idle long enough to count as ended.
    bool IdleEnded();
    void End();

    std::unique_ptr<CFlashControl> control;
    HWND parent;
    CComPicture background;  // the item's colour and captions, the parent's size
    TScrMode runMode;
    CSaverSettings* settings;
    CVESKGlobeSettings* project;
    std::string fileName;
    CMediaSetting* showSettings = nullptr;
    CMedia* media = nullptr;
    std::int32_t frameLimit = 0;
    std::int32_t timeLimit = 0;
    std::int32_t lastFrame = 0;
    std::int32_t seconds = 0;
    std::int32_t idleTicks = 0;
    std::int32_t totalFrames = 0;
    bool hasMovie = false;  // the current item gave the control a movie
    bool resting = false;
    bool moviePaused = false;  // Pause stopped a playing movie
    bool pollHeld = false;     // Pause stopped the poll
    TTimer timer;
};
