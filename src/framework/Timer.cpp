#include "Timer.h"

#include "Application.h"

namespace {
const char kTimerClass[] = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTimerClass;
    ::RegisterClassA(&windowClass);
    window.reset(
        ::CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr));
    ::SetWindowLongPtrA(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer()
{
    if (window) ::KillTimer(window.get(), kTimerId);
}

void TTimer::SetEnabled(bool on)
{
    enabled = on;
    Update();
}

void TTimer::SetInterval(unsigned milliseconds)
{
    interval = milliseconds;
    Update();
}

void TTimer::Update()
{
    ::KillTimer(window.get(), kTimerId);
    if (enabled && interval > 0) ::SetTimer(window.get(), kTimerId, interval, nullptr);
}

LRESULT CALLBACK TTimer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        auto* timer = reinterpret_cast<TTimer*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (timer && timer->enabled && timer->OnTimer) {
            try {
                timer->OnTimer();
            } catch (const std::exception& e) {
                Application.ShowException(e);
            }
        }
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}
