#include "ShockwaveFlash.h"

#include "../diagnostics/FileLog.h"
#include "../settings/SaverSettings.h"
#include "DispatchCalls.h"

#include <windowsx.h>

namespace {
// Dispatch ids of the control's properties.
constexpr DISPID kMovie = 102;
constexpr DISPID kScaleMode = 120;
constexpr DISPID kAlignMode = 121;
constexpr DISPID kTotalFrames = 124;
}  // namespace

const CLSID TShockwaveFlash::kClassId = {0xD27CDB6E, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

std::unique_ptr<CFlashControl> CreateFlashControl(HWND parent)
{
    if (std::unique_ptr<TShockwaveFlash> flash = TShockwaveFlash::Create(parent)) return flash;
    FILE_LOG("the flash control is not available: flash movies play nothing");
    return std::make_unique<TFlashPlaceholder>();
}

std::unique_ptr<TShockwaveFlash> TShockwaveFlash::Create(HWND parent)
{
    std::unique_ptr<TShockwaveFlash> flash(new TShockwaveFlash());
    if (!flash->Activate(parent)) return nullptr;  // the destructor releases what was made
    return flash;
}

bool TShockwaveFlash::Activate(HWND parent)
{
    if (FAILED(::CoCreateInstance(kClassId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&oleObject)))) return false;
    site = CControlSite::Make(parent);
    Microsoft::WRL::ComPtr<IPersistStreamInit> persist;
    if (SUCCEEDED(oleObject.As(&persist))) persist->InitNew();
    if (FAILED(oleObject->SetClientSite(site.Get()))) return false;
    RECT bounds{};
    ::GetClientRect(parent, &bounds);
    if (FAILED(oleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.Get(), 0, parent, &bounds))) return false;
    if (FAILED(oleObject.As(&inPlace)) || FAILED(inPlace->GetWindow(&window)) || !window) return false;
    if (FAILED(oleObject.As(&dispatch))) return false;
    ReplaceWndProc();
    return true;
}

TShockwaveFlash::~TShockwaveFlash()
{
    RecoverOldProc();
    ShowCursorForMovie(false);
    if (inPlace) inPlace->InPlaceDeactivate();
    if (oleObject) {
        oleObject->Close(OLECLOSE_NOSAVE);
        oleObject->SetClientSite(nullptr);
    }
    dispatch.Reset();
    inPlace.Reset();
    oleObject.Reset();
    site.Reset();
}

void TShockwaveFlash::SetMovie(const std::wstring& path)
{
    Variant value = StringVariant(path);
    PutProperty(dispatch.Get(), kMovie, value);
}

void TShockwaveFlash::SetScaleMode(int mode)
{
    Variant value = IntVariant(mode);
    PutProperty(dispatch.Get(), kScaleMode, value);
}

void TShockwaveFlash::SetAlignMode(int mode)
{
    Variant value = IntVariant(mode);
    PutProperty(dispatch.Get(), kAlignMode, value);
}

int TShockwaveFlash::TotalFrames()
{
    Variant result;
    GetProperty(dispatch.Get(), kTotalFrames, result);
    return result.AsLong();
}

void TShockwaveFlash::Play()
{
    Variant result;
    CallMethod(dispatch.Get(), L"Play", result);
}

void TShockwaveFlash::StopPlay()
{
    Variant result;
    CallMethod(dispatch.Get(), L"StopPlay", result);
}

int TShockwaveFlash::CurrentFrame()
{
    Variant result;
    CallMethod(dispatch.Get(), L"CurrentFrame", result);
    return result.AsLong();
}

bool TShockwaveFlash::IsPlaying()
{
    Variant result;
    CallMethod(dispatch.Get(), L"IsPlaying", result);
    return result.AsBool();
}

void TShockwaveFlash::Show(bool visible)
{
    if (!visible) ShowCursorForMovie(false);
    ::ShowWindow(window, visible ? SW_SHOW : SW_HIDE);
}

void TShockwaveFlash::ReplaceWndProc()
{
    if (hook.Installed() || !window) return;
    hook.Install(window, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return NewWndProc(message, wParam, lParam, result);
    });
}

void TShockwaveFlash::RecoverOldProc()
{
    hook.Remove();
}

void TShockwaveFlash::ShowCursorForMovie(bool show)
{
    if (show == cursorShown) return;
    ::ShowCursor(show ? TRUE : FALSE);
    cursorShown = show;
}

void TShockwaveFlash::PostToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    ::PostMessageA(GetParent(), message, wParam, lParam);
}

// The point moves from the control's client area to the parent's.
void TShockwaveFlash::PostPointToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::MapWindowPoints(window, GetParent(), &at, 1);
    PostToParent(message, wParam, MAKELPARAM(at.x, at.y));
}

bool TShockwaveFlash::NewWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
        case WM_SETCURSOR: {
            // In full-screen mode the cursor stays hidden unless the movie takes the mouse or a
            // dialog has suspended the exit conditions; the screen window hides it for the rest.
            const bool screenHides = runMode == smSaver && settings && settings->exitSuspended == 0;
            ShowCursorForMovie(screenHides && (acceptMouseClick || acceptMouseMove));
            return false;
        }
        case WM_MOUSEMOVE:
            if (!acceptMouseMove) PostToParent(message, wParam, lParam);
            return false;
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            PostToParent(message, wParam, lParam);
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            if (!acceptMouseClick) PostPointToParent(message, wParam, lParam);
            return false;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            // The control never sees the right button, so it opens no context menu.
            if (!acceptMouseClick) PostPointToParent(message, wParam, lParam);
            result = 0;
            return true;
        default:
            return false;
    }
}
