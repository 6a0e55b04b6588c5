// Replaces the window procedure of an existing window with a handler bound to an object. Every
// message the handler does not consume goes to the procedure it replaced, whose result becomes the
// message's result; the old procedure is put back by Remove, by destruction, or when the window
// is destroyed.
//
//   hook.Install(window, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
//       if (message != WM_ERASEBKGND) return false;   // not consumed: passed on
//       result = 1;
//       return true;                                  // consumed
//   });
#pragma once

#include <windows.h>

#include <functional>

class TWindowHook {
public:
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    TWindowHook() = default;
    ~TWindowHook() { Remove(); }
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;

    bool Install(HWND window, Handler handler);
    void Remove();
    bool Installed() const { return window != nullptr; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

    HWND window = nullptr;
    Handler handler;
};
