// The picture player: a borderless child of the screen window that fills it. For each picture
// item it composes the new screen content (background, picture, captions; one composition per
// monitor on two monitors), then a short-lived thread has the transition engine reveal it. The
// end of a change reaches the screen window as 1032.
//
//   TfImageSlideShowPlayer player(screenWindow, runMode, media, project, settings);
//   player.ShowPicture(showSetting);    // returns at once; 1032 follows when the change ends
//   player.Stop();                      // when the show moves on or closes
#pragma once

#include "../diagnostics/ScrMode.h"
#include "../framework/CursorHider.h"
#include "../framework/Form.h"
#include "../framework/WindowHook.h"
#include "ComPicture.h"
#include "TransitionEffects.h"

class CMedia;
class CMediaSetting;
class CSaverSettings;
class CVESKGlobeSettings;
class FramePacer;
class TSlideShowThread;
struct PictureFrame;
struct PicturePlace;

class TfImageSlideShowPlayer : public TForm {
public:
    static constexpr UINT kItemFinished = WM_USER + 8;  // 1032, to the parent

    TfImageSlideShowPlayer(HWND parent, TScrMode runMode, CMedia& media, CVESKGlobeSettings& project,
                           CSaverSettings& settings);
    ~TfImageSlideShowPlayer() override;

    void ShowPicture(CMediaSetting& item);
    // Tells the running change, if any, to stop, and forgets it; does not wait.
    void Stop();
    // While the display is off: a change under way holds its frame and goes on from there when
    // resumed, and a change not yet begun waits.
    void Pause() { resting = true; }
    void Resume() { resting = false; }

    // [0] start picture, [1] back buffer (what the window shows), [2] target picture,
    // [4] and [6] the first and second monitor's composition sizes; the others are unused.
    CComPicture pictures[8];
    TScrMode runMode;
    CMediaSetting* showItem = nullptr;
    CVESKGlobeSettings& project;
    CSaverSettings& settings;
    CMedia& media;
    TransitionRequest request;
    TSlideShowThread* thread = nullptr;
    // How transition frames end; null: pump messages, stop when told, sleep (tests pace them).
    FramePacer* pacer = nullptr;
    bool resting = false;

protected:
    void FormCreate() override;
    void FormDestroy() override;
    void FormPaint(HDC dc) override;

private:
    CComPicture& startPicture() { return pictures[0]; }
    CComPicture& backBuffer() { return pictures[1]; }
    CComPicture& targetPicture() { return pictures[2]; }

    bool Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void SingleSurfaceShow();
    void TwoMonitorShow();
    void ComposeMonitor(int monitor);
    void CloneFirstMonitor();
    // Decodes the current item's picture; false (and a log line) when it cannot be shown.
    bool LoadItemPicture(CComPicture& picture);
    PictureFrame FitAndPlace(const CComPicture& picture, int frameWidth, int frameHeight, PicturePlace& place,
                             bool logFit);
    void ScalePicture(CComPicture& picture, const PictureFrame& frame, CComPicture& scaled);
    void ScaledItemPicture(int frameWidth, int frameHeight, bool logFit, CComPicture& scaled, PicturePlace& place);
    void PutPicture(CComPicture& scaled, CComPicture& surface, int x, int y);
    void Compose(CComPicture& surface, CComPicture& scaled, const PicturePlace& place);
    void StartChange(int left, int top);
    void SkipItem(const char* reason);

    HWND parent;
    TWindowHook hook;
    int skippedInARow = 0;  // items skipped since the last picture shown
};
