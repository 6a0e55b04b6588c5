#include "VideoPanel.h"

#include "../diagnostics/FileLog.h"
#include "../settings/SaverSettings.h"
#include "InputForwarding.h"

namespace {
// Out of sight until the video starts and places it.
constexpr int kHiddenPosition = -1000;
constexpr int kInitialWidth = 185, kInitialHeight = 41;
}  // namespace

CVideoPanel::CVideoPanel(HWND parentWindow) : parent(parentWindow)
{
    DoubleBuffered = false;  // the video device draws over it
    SetBounds(kHiddenPosition, kHiddenPosition, kInitialWidth, kInitialHeight);
    Create(parentWindow);
    hook.Install(Handle(), [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return Hook(message, wParam, lParam, result);
    });
    ::ShowWindow(Handle(), SW_SHOWNA);
}

CVideoPanel::~CVideoPanel()
{
    DestroyHandle();
}

void CVideoPanel::FormDestroy()
{
    hook.Remove();
    cursor.Hide(false);
}

bool CVideoPanel::Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
        case WM_SETCURSOR:
            cursor.Hide(runMode == smSaver && settings && settings->exitSuspended == 0);
            return false;
        case WM_HELP:
            // Its parameter points to a HELPINFO, so the system refuses to post it: it is sent.
            ::SendMessageA(parent, message, wParam, lParam);
            result = 0;
            return true;
        case WM_CHAR:
            ::PostMessageA(parent, message, wParam, lParam);
            return false;
        case WM_MOUSEMOVE:
            FILE_LOG("video panel mouse move");
            ForwardMouseMessage(Handle(), parent, message, wParam, lParam);
            return false;
        default:
            if (IsMouseMessage(message)) ForwardMouseMessage(Handle(), parent, message, wParam, lParam);
            return false;
    }
}
