#include "Dialog.h"

#include "Application.h"

#include <uxtheme.h>

#include <stdexcept>
#include <vector>

namespace {
struct ItemSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchItem(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ItemSearch*>(data);
    if (::GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

// Pages hand what their controls report to the dialog that holds them. Colour and cursor requests
// go as questions the holder may leave unanswered (0): the page then does what it would by itself,
// which keeps the page control's themed background behind the controls.
INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND holder = ::GetParent(page);
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
            ::SetWindowLongPtrA(page, DWLP_MSGRESULT, ::SendMessageA(holder, message, wParam, lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return ::SendMessageA(holder, TDialog::kPageColour, wParam, lParam);
        case WM_SETCURSOR:
            if (!::SendMessageA(holder, TDialog::kPageCursor, wParam, lParam)) return FALSE;
            ::SetWindowLongPtrA(page, DWLP_MSGRESULT, TRUE);
            return TRUE;
        default:
            return FALSE;
    }
}
}  // namespace

INT_PTR TDialog::ShowModal(HWND ownerWindow)
{
    owner = ownerWindow && ::IsWindow(ownerWindow) ? ownerWindow : nullptr;
    const INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner,
                                             DialogProc, reinterpret_cast<LPARAM>(this));
    window = nullptr;
    if (result == -1) throw std::runtime_error("The dialog " + std::to_string(templateId) + " cannot be shown.");
    return result;
}

HWND FindDialogItem(HWND dialog, int id)
{
    if (HWND direct = ::GetDlgItem(dialog, id)) return direct;
    ItemSearch search{id, nullptr};
    ::EnumChildWindows(dialog, MatchItem, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND TDialog::Item(int id) const
{
    return FindDialogItem(window, id);
}

std::string TDialog::ItemText(int id) const
{
    const HWND item = Item(id);
    std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(item)) + 1, '\0');
    ::GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void TDialog::CenterOverOwner() const
{
    RECT dialog{}, area{};
    ::GetWindowRect(window, &dialog);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST), &monitor);
    if (owner && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    else
        area = monitor.rcWork;
    const int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    const RECT& work = monitor.rcWork;
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK TDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<TDialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->window = window;
    }
    auto* dialog = reinterpret_cast<TDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog) return FALSE;
    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (const std::exception& e) {
        Application.ShowException(e);
    } catch (...) {
        Application.ShowException(std::runtime_error(""));
    }
    return FALSE;
}

INT_PTR TDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            return FormCreate() ? TRUE : FALSE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (Command(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
            if (id == IDCANCEL) {
                EndModal(IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        case WM_NCDESTROY:
            ::SetWindowLongPtrA(window, DWLP_USER, 0);
            return FALSE;
        default: {
            INT_PTR result = FALSE;
            if (!Message(message, wParam, lParam, result)) return FALSE;
            // Colour requests return their brush; every other answer goes through DWLP_MSGRESULT.
            if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return result;
            ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
}

HWND CreateChildPage(HWND parent, int templateId)
{
    const HWND page =
        ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent, PageProc, 0);
    if (page) ::EnableThemeDialogTexture(page, ETDT_ENABLETAB);
    return page;
}
