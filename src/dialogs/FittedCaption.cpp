#include "FittedCaption.h"

#include "../framework/DCGuards.h"
#include "../framework/Handles.h"

namespace {
int TextWidth(HDC dc, const std::string& text)
{
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}
}  // namespace

int CaptionRoom(HWND window)
{
    RECT frame{};
    ::GetWindowRect(window, &frame);
    // Borders on both sides, the icon, the close button (a window with a system menu has one) and
    // a small gap at either end of the text.
    const int border = ::GetSystemMetrics(SM_CXDLGFRAME), button = ::GetSystemMetrics(SM_CXSIZE);
    return frame.right - frame.left - 2 * border - ::GetSystemMetrics(SM_CXSMICON) - button - button / 2;
}

std::string FittedCaption(HWND window, const std::string& before, const std::string& name, const std::string& after)
{
    std::string whole = before + name + after;
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return whole;
    const UniqueFont font(::CreateFontIndirectA(&metrics.lfCaptionFont));
    const WindowDC dc(window);
    if (!font || !dc.get()) return whole;
    const SelectGuard select(dc.get(), font.get());
    const int room = CaptionRoom(window);
    for (std::size_t kept = name.size(); TextWidth(dc.get(), whole) > room && kept > 0;) {
        --kept;
        whole = before + name.substr(0, kept) + "..." + after;
    }
    return whole;
}
