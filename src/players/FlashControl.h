// What the Flash player needs of a movie control: the movie and its modes, play and stop, the
// frame counter, and the control's window. Two kinds exist: the hosted ActiveX control
// (TShockwaveFlash) and, where that cannot be created, a placeholder that plays nothing.
//
//   std::unique_ptr<CFlashControl> control = CreateFlashControl(screenWindow);
//   control->SetMovie(L"C:\\Temp\\4711.swf");
//   control->Play();
//   int frame = control->CurrentFrame();
#pragma once

#include "../diagnostics/ScrMode.h"

#include <windows.h>

#include <memory>
#include <string>

class CSaverSettings;

class CFlashControl {
public:
    virtual ~CFlashControl() = default;

    virtual void SetMovie(const std::wstring& path) = 0;
    virtual void SetScaleMode(int mode) = 0;
    virtual void SetAlignMode(int mode) = 0;
    virtual int TotalFrames() = 0;
    virtual void Play() = 0;
    virtual void StopPlay() = 0;
    virtual int CurrentFrame() = 0;
    virtual bool IsPlaying() = 0;

    // Input rules of the control's window.
    virtual void SetScrMode(TScrMode mode) = 0;
    virtual void SetSaverSettings(CSaverSettings* settings) = 0;
    virtual void SetAcceptMouseClick(bool accept) = 0;
    virtual void SetAcceptMouseMove(bool accept) = 0;

    // The control's window; null for a control without one.
    virtual HWND Window() const = 0;
    virtual void Show(bool visible) = 0;
};

// The control that plays nothing: no window, no frames, never playing. The screen window behind
// it shows the background and captions the player painted, and the player's end rules end the
// item as for a movie that did not load.
class TFlashPlaceholder : public CFlashControl {
public:
    void SetMovie(const std::wstring&) override {}
    void SetScaleMode(int) override {}
    void SetAlignMode(int) override {}
    int TotalFrames() override { return 0; }
    void Play() override {}
    void StopPlay() override {}
    int CurrentFrame() override { return 0; }
    bool IsPlaying() override { return false; }
    void SetScrMode(TScrMode) override {}
    void SetSaverSettings(CSaverSettings*) override {}
    void SetAcceptMouseClick(bool) override {}
    void SetAcceptMouseMove(bool) override {}
    HWND Window() const override { return nullptr; }
    void Show(bool) override {}
};

// The hosted control as a child of `parent`, or the placeholder when it cannot be created (not
// installed); the log says which.
std::unique_ptr<CFlashControl> CreateFlashControl(HWND parent);
