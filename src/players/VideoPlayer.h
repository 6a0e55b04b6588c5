// The video player: a borderless child form that covers the screen window, shows the show's
// background and plays one video file in a panel placed by the item's size mode. 10 ms after
// creation it starts the video; a timer then polls the position once a second. At the end the
// video starts again when the show has a single item; otherwise the screen window gets 1032.
// Input on the form and the panel reaches the screen window, converted to its coordinates.
//
//   auto player = std::make_unique<Tfvideoplayer>(screenWindow, project, settings, runMode);
//   player->SetFileName(file);
//   player->SetShowSettings(&showSetting);
//   player->SetBackgroundPainter([](TBitmap& target) { ... });
//   player->PaintBackground();
//   player->Show();
//   ...
//   player->Close(true);    // when the show leaves the item: the device closes
#pragma once

#include "../diagnostics/ScrMode.h"
#include "../framework/Bitmap.h"
#include "../framework/CursorHider.h"
#include "../framework/Form.h"
#include "../framework/Timer.h"
#include "../framework/WindowHook.h"
#include "MMPlayer.h"
#include "VideoGeometry.h"

#include <functional>
#include <memory>
#include <string>

class CMediaSetting;
class CSaverSettings;
class CVESKGlobeSettings;
class CVideoPanel;

class Tfvideoplayer : public TForm {
public:
    static constexpr UINT kItemFinished = WM_USER + 8;  // 1032, to the parent
    // Paints the show's background into the target, which has the form's client size.
    using BackgroundPainter = std::function<void(TBitmap& target)>;

    Tfvideoplayer(HWND parent, CVESKGlobeSettings& project, CSaverSettings& settings, TScrMode runMode);
    ~Tfvideoplayer() override;

    void SetFileName(const std::string& file) { fileName = file; }
    void SetShowSettings(CMediaSetting* item) { showSettings = item; }
    void SetBackgroundPainter(BackgroundPainter painter) { backgroundPainter = std::move(painter); }
    // Paints the background into its picture and onto the form.
    void PaintBackground();
    // Shows the form above its siblings without activating it.
    void ShowOnTop();

    // Opens the file and plays it in the panel; `loop` restarts it at its end.
    void Start(bool loop);
    void Stop(bool release);
    // Stops and closes the device (with `release`; without, it is only detached) and the poll.
    void Close(bool release);
    using TForm::Close;
    // While the display is off: a playing video pauses and its poll (or its start) waits; Resume
    // goes on from there. A video that has ended stays as it is.
    void Pause();
    void Resume();

    // The item's size mode (0 without show settings).
    int SizeMode() const;

    TBitmap background;
    std::string fileName;
    std::unique_ptr<CVideoPanel> panel;
    TScrMode runMode;
    CSaverSettings& settings;
    CMediaSetting* showSettings = nullptr;
    CVESKGlobeSettings& project;
    bool playing = false;
    bool releaseFlag = true;
    bool loop = false;
    CMMPlayer player;
    bool starting = false;
    TTimer timer;
    bool resting = false;
    bool devicePaused = false;  // Pause paused the device
    bool timerHeld = false;     // Pause stopped the timer

protected:
    void FormCreate() override;
    void FormDestroy() override;
    void FormPaint(HDC dc) override;

private:
    bool Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void timerTimer();
    void StartPolling();
    void Restart();

    HWND parent;
    BackgroundPainter backgroundPainter;
    TWindowHook hook;
    TCursorHider cursor;
};
