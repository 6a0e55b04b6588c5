// Plays one sound file at a time through the media control interface and reports its end to a
// window: a timer polls the position once a second, and at the end the track is stopped and
// closed and the notify message is posted (wParam 0, lParam 0).
//
//   CSoundPlayer music;
//   music.SetNotify(WM_USER + 10, screenWindow);
//   if (music.Play(track)) music.Pause();      // started paused
//   music.Resume();
#pragma once

#include "../framework/Timer.h"
#include "MMPlayer.h"

#include <string>

class CSoundPlayer {
public:
    CSoundPlayer();
    virtual ~CSoundPlayer() { Stop(); }
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    void SetNotify(UINT message, HWND window);
    // Opens and starts the file; false (and idle) when it cannot be opened or started.
    bool Play(const std::string& file);
    // Stops and closes the track.
    void Stop();
    // Only a playing, unpaused track pauses; only a paused one resumes.
    void Pause();
    void Resume();

    bool Playing() const { return playing; }
    bool Paused() const { return paused; }

    CMMPlayer player;
    TTimer pollTimer;

private:
    void PollTimerTimer();

    HWND notifyWindow = nullptr;
    UINT notifyMessage = 0;
    bool playing = false;
    bool paused = false;
};
