// Text in the system's ANSI code page, widened for the interfaces that take UTF-16 (paths for the
// imaging component, movie paths for the Flash control).
//
//   std::wstring path = Widened("C:\\pictures\\dawn.jpg");
#pragma once

#include <windows.h>

#include <string>

inline std::wstring Widened(const std::string& text)
{
    if (text.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}
