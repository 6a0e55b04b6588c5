#include "PopupMenu.h"

void TPopupMenu::Add(const std::string& caption, std::function<void()> onClick)
{
    if (!menu) menu.reset(::CreatePopupMenu());
    items.push_back(std::move(onClick));
    ::AppendMenuA(menu.get(), MF_STRING, items.size(), caption.c_str());
}

void TPopupMenu::Popup(HWND owner, int x, int y)
{
    if (!menu) return;
    ::SetForegroundWindow(owner);
    const UINT chosen =
        ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner, nullptr);
    if (chosen > 0) Click(chosen - 1);
}

void TPopupMenu::Click(std::size_t index)
{
    if (index < items.size() && items[index]) items[index]();
}
