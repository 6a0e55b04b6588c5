// A movie control of our own for the Flash tests: an in-process COM server registered under the
// Flash control's class id. It records what the host gives it and plays "movies" that are text
// files: "frames=40 step=10 end=stop" (or end=loop). While it is told to play, each reading of
// the current frame advances it by `step`; at the end the movie stops or starts again from 0.
// A movie file that cannot be read does not load: frame 0, not playing.
#pragma once

#include <windows.h>

struct TestControlState {
    // What the host set.
    wchar_t movie[MAX_PATH];
    int scaleMode, alignMode;
    int plays, stops;
    // The movie.
    int totalFrames, step, loops, frame, playing;
    // Messages that reached the control's window.
    int mouseMoves, leftButtons, rightButtons;
    HWND window;
    // Objects alive and whether one still holds the host's site.
    int liveObjects, holdsSite;
    // Where creation fails: 0 never, 1 activation, 2 the dispatch interface.
    int failAt;
};

extern "C" __declspec(dllexport) TestControlState* TestControl();
