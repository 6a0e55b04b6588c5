#include "Application.h"

#include "Form.h"

TApplication Application;

namespace {
const char kWindowClass[] = "TApplication";

LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(window, message, wParam, lParam);
}

std::string ModuleBaseName()
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, n < MAX_PATH ? n : 0);
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}
}  // namespace

void TApplication::Initialize()
{
    if (window) return;
    if (title.empty()) title = ModuleBaseName();
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ApplicationWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassA(&windowClass);
    // Never shown: it only carries the title and owns the program's windows on the taskbar.
    window = ::CreateWindowExA(0, kWindowClass, title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                               0, 0, 0, nullptr, nullptr, windowClass.hInstance, nullptr);
}

TApplication::~TApplication()
{
    if (window) ::DestroyWindow(window);
}

void TApplication::SetTitle(const std::string& text)
{
    title = text;
    if (window) ::SetWindowTextA(window, title.c_str());
}

void TApplication::Run()
{
    if (!MainForm) return;
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

void TApplication::ProcessMessages()
{
    // Everything but the forms' posted releases, which wait for the outer loop.
    const auto next = [](MSG& message) {
        return ::PeekMessageA(&message, nullptr, 0, TForm::kReleaseMessage - 1, PM_REMOVE) ||
               ::PeekMessageA(&message, nullptr, TForm::kReleaseMessage + 1, 0xFFFFFFFF, PM_REMOVE);
    };
    MSG message;
    while (next(message)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

void TApplication::ShowException(const std::exception& e)
{
    std::string text = e.what();
    if (!text.empty() && text.back() != '.') text += '.';
    ::MessageBoxA(window, text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}
