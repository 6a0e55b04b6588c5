// The child window a video is drawn into. It passes mouse and character input on to the video
// form that holds it, with the points converted to the form's client coordinates.
//
//   CVideoPanel panel(form.Handle());
//   panel.SetBounds(x, y, width, height);
#pragma once

#include "../diagnostics/ScrMode.h"
#include "../framework/CursorHider.h"
#include "../framework/Form.h"
#include "../framework/WindowHook.h"

class CSaverSettings;
class CVESKGlobeSettings;

class CVideoPanel : public TForm {
public:
    explicit CVideoPanel(HWND parent);
    ~CVideoPanel() override;

    TScrMode runMode = smNone;
    CSaverSettings* settings = nullptr;
    CVESKGlobeSettings* project = nullptr;

protected:
    void FormDestroy() override;

private:
    bool Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND parent;
    TWindowHook hook;
    TCursorHider cursor;
};
