// The code page conversions of the system. A character without its own place in the code page
// fails rather than taking a look-alike (no best fit).
#include "CodePages.h"

#include <windows.h>

namespace {

std::wstring Wide(UINT codePage, const std::string& text, bool& ok)
{
    ok = true;
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) return ok = false, std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

bool EncodeText(int codePage, const std::string& utf8, std::string& bytes)
{
    bytes.clear();
    bool ok = false;
    const std::wstring wide = Wide(CP_UTF8, utf8, ok);
    if (!ok || wide.empty()) return ok;
    const int size = static_cast<int>(wide.size());
    BOOL defaulted = FALSE;
    const int length =
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &defaulted);
    if (length <= 0 || defaulted) return false;
    bytes.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length, nullptr, &defaulted);
    return !defaulted;
}

bool DecodeText(int codePage, const std::string& bytes, std::string& utf8)
{
    utf8.clear();
    bool ok = false;
    const std::wstring wide = Wide(static_cast<UINT>(codePage), bytes, ok);
    if (!ok || wide.empty()) return ok;
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return true;
}
