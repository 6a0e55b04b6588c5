// A window with the events of a form. A derived form builds its members, then calls Create(),
// which makes the window (a borderless popup owned by the application window, hidden, at the
// design bounds) and runs FormCreate. Close() asks FormCloseQuery, runs FormClose and destroys the
// window from the message loop (a posted release), never from inside a handler that may still use
// it; destroying the window runs FormDestroy, and the main form's destruction ends the loop.
//
//   class Tfabout : public TForm {
//   public:
//       Tfabout() { Create(); }
//       ~Tfabout() override { DestroyHandle(); }
//   protected:
//       void FormPaint(HDC dc) override { TextOutA(dc, 10, 10, "About", 5); }
//   };
#pragma once

#include "Handles.h"

#include <string>

class TPopupMenu;

enum TCloseAction { caNone, caHide, caFree };

class TForm {
public:
    TForm() = default;
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    HWND Handle() const { return window; }

    // Posted by Release. Only the outer message loops (Run, ShowModal) destroy windows for it:
    // Application.ProcessMessages leaves it queued, so a window never goes away under code that
    // pumps messages while it still uses the window.
    static constexpr UINT kReleaseMessage = WM_APP + 1;

    int Left() const { return left; }
    int Top() const { return top; }
    int Width() const { return width; }
    int Height() const { return height; }
    void SetBounds(int newLeft, int newTop, int newWidth, int newHeight);
    void SetCaption(const std::string& caption);

    void Show();
    void Hide();
    bool Visible() const { return window && ::IsWindowVisible(window); }
    // Asks FormCloseQuery, runs FormClose, and releases the window unless FormClose keeps it.
    void Close();
    // Destroys the window once the message loop gets to it.
    void Release();
    // Shows the form and runs the message loop until ModalResult is set or the window is gone.
    int ShowModal();

    int ModalResult = 0;
    bool DoubleBuffered = true;
    COLORREF Color = RGB(0, 0, 0);
    TPopupMenu* PopupMenu = nullptr;

protected:
    // Creates the window and runs FormCreate; called at the end of the derived constructor.
    // With a parent the form is a child window of it (no border, hidden), else a popup owned by
    // the application window.
    void Create(HWND parent = nullptr);
    // Destroys the window now, running FormDestroy; called by the derived destructor.
    void DestroyHandle();

    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormCloseQuery(bool& /*canClose*/) {}
    virtual void FormClose(TCloseAction& /*action*/) {}
    virtual void FormDestroy() {}
    virtual void FormPaint(HDC /*dc*/) {}
    virtual void FormResize() {}

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void UpdateBounds();

    HWND window = nullptr;
    int left = 0, top = 0, width = 800, height = 600;
    bool closed = false;        // FormClose has run
    bool queryRunning = false;  // FormCloseQuery is running
};
