#include "Form.h"

#include "Application.h"
#include "DCGuards.h"
#include "PopupMenu.h"

#include <windowsx.h>

namespace {
// Sets a flag for the life of a scope, also when the scope is left by an exception.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag(flag) { flag = true; }
    ~ScopedFlag() { flag = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag;
};

const char kFormClass[] = "TForm";

void RegisterFormClass(WNDPROC procedure)
{
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFormClass;
    ::RegisterClassA(&windowClass);
}
}  // namespace

TForm::~TForm()
{
    // A derived form destroys its window in its own destructor, where its handlers still exist.
    if (window) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        ::DestroyWindow(window);
    }
}

void TForm::Create(HWND parent)
{
    RegisterFormClass(WindowProc);
    const DWORD style = parent ? WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN : WS_POPUP | WS_CLIPCHILDREN;
    ::CreateWindowExA(0, kFormClass, "", style, left, top, width, height, parent ? parent : Application.Handle(),
                      nullptr, ::GetModuleHandleA(nullptr), this);
    FormCreate();
}

void TForm::DestroyHandle()
{
    if (window) ::DestroyWindow(window);
}

void TForm::SetBounds(int newLeft, int newTop, int newWidth, int newHeight)
{
    left = newLeft;
    top = newTop;
    width = newWidth;
    height = newHeight;
    if (window) ::SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetCaption(const std::string& caption)
{
    if (window) ::SetWindowTextA(window, caption.c_str());
}

void TForm::Show()
{
    if (!window) return;
    ::ShowWindow(window, SW_SHOW);
    ::SetForegroundWindow(window);
}

void TForm::Hide()
{
    if (window) ::ShowWindow(window, SW_HIDE);
}

void TForm::Close()
{
    // A close request dispatched while the query runs (its question pumps messages) is not a
    // second question: only the running query's answer closes the form.
    if (!window || closed || queryRunning) return;
    bool canClose = true;
    {
        const ScopedFlag running(queryRunning);
        FormCloseQuery(canClose);
    }
    if (!canClose) return;
    TCloseAction action = caFree;
    FormClose(action);
    closed = action != caNone;
    if (action == caHide && Application.MainForm != this)
        Hide();
    else if (action != caNone)
        Release();
}

void TForm::Release()
{
    if (window) ::PostMessageA(window, kReleaseMessage, 0, 0);
}

int TForm::ShowModal()
{
    ModalResult = 0;
    Show();
    MSG message;
    while (ModalResult == 0 && window && ::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    Hide();
    return ModalResult;
}

void TForm::Paint()
{
    PaintDC paint(window);
    RECT client{};
    ::GetClientRect(window, &client);
    UniqueBrush background(::CreateSolidBrush(Color & 0xFFFFFF));
    if (!DoubleBuffered) {
        ::FillRect(paint.get(), &client, background.get());
        FormPaint(paint.get());
        return;
    }
    // Drawn off screen first, so the window never shows a half-painted frame.
    UniqueMemoryDC memory(::CreateCompatibleDC(paint.get()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(paint.get(), client.right, client.bottom));
    if (!memory || !bitmap) return;
    SelectGuard select(memory.get(), bitmap.get());
    ::FillRect(memory.get(), &client, background.get());
    FormPaint(memory.get());
    const RECT& r = paint.Rect();
    ::BitBlt(paint.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, memory.get(), r.left, r.top, SRCCOPY);
}

LRESULT TForm::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case kReleaseMessage:
            ::DestroyWindow(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the whole client area is painted in WM_PAINT
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SHOWWINDOW:
            if (wParam) FormShow();
            break;
        case WM_SIZE:
            UpdateBounds();
            FormResize();
            break;
        case WM_MOVE:
            UpdateBounds();
            break;
        case WM_CONTEXTMENU:
            if (PopupMenu) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (at.x == -1 && at.y == -1) ::GetCursorPos(&at);
                PopupMenu->Popup(window, at.x, at.y);
                return 0;
            }
            break;
        case WM_DESTROY:
            // A window destroyed from outside (a preview whose host went away) still gets its clean-up.
            if (!closed) {
                closed = true;
                TCloseAction action = caFree;
                FormClose(action);
            }
            FormDestroy();
            if (Application.MainForm == this) ::PostQuitMessage(0);
            break;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

void TForm::UpdateBounds()
{
    RECT r{};
    ::GetWindowRect(window, &r);
    if (HWND parent = ::GetAncestor(window, GA_PARENT); parent && (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    left = r.left;
    top = r.top;
    width = r.right - r.left;
    height = r.bottom - r.top;
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The object comes with the window's creation and stays bound to it until WM_NCDESTROY.
    if (message == WM_NCCREATE) {
        auto* created = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->window = window;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* form = reinterpret_cast<TForm*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return ::DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->window = nullptr;
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return form->Dispatch(message, wParam, lParam);
    } catch (const std::exception& e) {
        Application.ShowException(e);
        return 0;
    }
}
