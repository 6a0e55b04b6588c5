// The picture player: a borderless child of the screen window that fills it. For each picture
// item it composes the new screen content (background, picture, captions; one composition per
// monitor on two monitors), then a short-lived thread has the transition engine reveal it. The
// end of a change reaches the screen window as 1032. While an item stands in the pause after it,
// the next picture item can be made ready (decoded, fitted, composed), so that its change starts
// the moment it is shown.
//
//   TfImageSlideShowPlayer player(screenWindow, runMode, media, project, settings);
//   player.ShowPicture(showSetting);    // returns at once; 1032 follows when the change ends
//   player.Prepare(nextRecord, index);  // during the pause
//   player.ShowPicture(showSetting);    // at item `index`: the prepared change starts at once
//   player.Stop();                      // when the show moves on or closes
#pragma once

#include "../diagnostics/FileLog.h"
#include "../diagnostics/ScrMode.h"
#include "../framework/CursorHider.h"
#include "../framework/Form.h"
#include "../framework/WindowHook.h"
#include "ComPicture.h"
#include "TransitionEffects.h"

#include <string>
#include <vector>

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
    // Makes the picture of the item at `index` (`next` is a copy of its record) ready for
    // ShowPicture, while no change runs: the random choices it needs (background, place) are
    // drawn now, its log lines wait for the item's start. Only a show on one surface prepares.
    void Prepare(CMediaSetting& next, std::int32_t index);
    // Forgets a prepared picture (and frees it) when the next item will not be the one prepared.
    void DropPrepared();
    bool HasPrepared() const { return prepared.item >= 0; }
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

    // A change made ready ahead of its item.
    struct PreparedChange {
        std::int32_t item = -1;  // the show item it belongs to; -1: none
        int width = 0, height = 0;  // the frame it was composed for
        POINT at{};                 // where the target is revealed
        bool failed = false;        // the picture cannot be shown,
        std::string failure;        // for this reason
        std::vector<CFileLog::HeldLine> log;
    };

    bool Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnOneSurface() const;
    void SingleSurfaceShow();
    // Composes the current item's change into the start and target pictures, leaving the back
    // buffer as it is; returns where the target is revealed.
    POINT ComposeSingleSurface();
    void BeginSingleSurfaceChange(POINT at);
    void StartPrepared();
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
    PreparedChange prepared;
    bool changing = false;  // a change runs: the pictures are the engine's until it ends
    int skippedInARow = 0;  // items skipped since the last picture shown
};
