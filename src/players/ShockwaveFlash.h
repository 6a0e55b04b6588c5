// The Flash ActiveX control hosted in a child window of the screen window, on plain COM: the
// control is created by its class id, activated in place on our own site, and driven through
// IDispatch (properties by id, methods by name). Its window's procedure is replaced by NewWndProc,
// which passes the user's input on to the parent so the exit conditions work over a movie.
//
//   std::unique_ptr<TShockwaveFlash> flash = TShockwaveFlash::Create(screenWindow);
//   if (!flash) ...                                  // not installed: use the placeholder
//   flash->SetMovie(L"C:\\Temp\\4711.swf");
//   flash->Play();
#pragma once

#include "../framework/CursorHider.h"
#include "../framework/WindowHook.h"
#include "ControlSite.h"
#include "FlashControl.h"

#include <ocidl.h>
#include <wrl/client.h>

// OleInitialize for the life of the object, when it succeeded.
class OleSession {
public:
    OleSession() : initialised(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~OleSession()
    {
        if (initialised) ::OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool initialised;
};

class TShockwaveFlash : public CFlashControl {
public:
    static const CLSID kClassId;  // {D27CDB6E-AE6D-11CF-96B8-444553540000}

    // The control activated in `parent`; null when it cannot be created or activated (what was
    // made on the way is released).
    static std::unique_ptr<TShockwaveFlash> Create(HWND parent);
    ~TShockwaveFlash() override;

    void SetMovie(const std::wstring& path) override;
    void SetScaleMode(int mode) override;
    void SetAlignMode(int mode) override;
    int TotalFrames() override;
    void Play() override;
    void StopPlay() override;
    int CurrentFrame() override;
    bool IsPlaying() override;

    void SetScrMode(TScrMode mode) override { runMode = mode; }
    void SetSaverSettings(CSaverSettings* saverSettings) override { settings = saverSettings; }
    void SetAcceptMouseClick(bool accept) override { acceptMouseClick = accept; }
    void SetAcceptMouseMove(bool accept) override { acceptMouseMove = accept; }
    HWND Window() const override { return window; }
    // Hiding also gives back the cursor the movie showed.
    void Show(bool visible) override;

    // Installs NewWndProc on the control's window, once.
    void ReplaceWndProc();
    // Gives the control's window its own procedure back.
    void RecoverOldProc();
    HWND GetParent() const { return ::GetParent(window); }

private:
    TShockwaveFlash() = default;
    bool Activate(HWND parent);
    // The replacement procedure; false passes the message on to the control's own procedure.
    bool NewWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void PostToParent(UINT message, WPARAM wParam, LPARAM lParam);
    void PostPointToParent(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowCursorForMovie(bool show);

    TScrMode runMode = smNone;
    CSaverSettings* settings = nullptr;
    bool acceptMouseClick = true;
    bool acceptMouseMove = true;

    // Declared so that they go in reverse: the hook first, OLE last.
    OleSession ole;
    Microsoft::WRL::ComPtr<CControlSite> site;
    Microsoft::WRL::ComPtr<IOleObject> oleObject;
    Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlace;
    Microsoft::WRL::ComPtr<IDispatch> dispatch;
    HWND window = nullptr;
    TWindowHook hook;
    // The screen window hides the cursor in full-screen mode; a movie that takes the mouse shows
    // it again with this one show, which is given back when the control is destroyed.
    bool cursorShown = false;
};
