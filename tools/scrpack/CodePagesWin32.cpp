// The code page conversions of the system. A character without its own place in the code page
// fails rather than taking a look-alike (no best fit).
#include "CodePages.h"

#include <windows.h>

#include <map>

namespace {

constexpr UINT kVietnamese = 1258;

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

// The text in the code page; false when a character has no place there.
bool Narrow(UINT codePage, const wchar_t* text, int size, std::string& bytes)
{
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, size, nullptr, 0, nullptr, &defaulted);
    if (length <= 0 || defaulted) return false;
    const std::size_t at = bytes.size();
    bytes.resize(at + static_cast<std::size_t>(length));
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, size, &bytes[at], length, nullptr, &defaulted);
    return !defaulted;
}

// Code page 1258 holds most Vietnamese letters as a letter followed by a tone mark, and the
// system's conversion takes only the letters it holds whole. The pairs are found by decoding
// every letter with every tone mark and composing the result: precomposed letter → its two bytes.
const std::map<wchar_t, std::string>& VietnamesePairs()
{
    static const std::map<wchar_t, std::string> pairs = [] {
        std::map<wchar_t, std::string> found;
        for (int letter = 0x41; letter <= 0xFF; ++letter)
            for (int tone : {0xCC, 0xEC, 0xD2, 0xDE, 0xF2}) {
                const char bytes[2] = {static_cast<char>(letter), static_cast<char>(tone)};
                wchar_t wide[2], composed[4];
                if (MultiByteToWideChar(kVietnamese, 0, bytes, 2, wide, 2) != 2) continue;
                if (NormalizeString(NormalizationC, wide, 2, composed, 4) == 1)
                    found.emplace(composed[0], std::string(bytes, 2));
            }
        return found;
    }();
    return pairs;
}

bool NarrowVietnamese(const std::wstring& text, std::string& bytes)
{
    for (const wchar_t& c : text) {
        if (Narrow(kVietnamese, &c, 1, bytes)) continue;
        const auto pair = VietnamesePairs().find(c);
        if (pair == VietnamesePairs().end()) return false;
        bytes += pair->second;
    }
    return true;
}

}  // namespace

bool EncodeText(int codePage, const std::string& utf8, std::string& bytes)
{
    bytes.clear();
    bool ok = false;
    const std::wstring wide = Wide(CP_UTF8, utf8, ok);
    if (!ok || wide.empty()) return ok;
    if (static_cast<UINT>(codePage) == kVietnamese) return NarrowVietnamese(wide, bytes);
    return Narrow(static_cast<UINT>(codePage), wide.data(), static_cast<int>(wide.size()), bytes);
}

bool DecodeText(int codePage, const std::string& bytes, std::string& utf8)
{
    utf8.clear();
    bool ok = false;
    std::wstring wide = Wide(static_cast<UINT>(codePage), bytes, ok);
    if (!ok || wide.empty()) return ok;
    if (static_cast<UINT>(codePage) == kVietnamese) {
        // Letters and their tone marks composed again, as the author wrote them.
        wchar_t composed[1024];
        const int length = NormalizeString(NormalizationC, wide.data(), static_cast<int>(wide.size()), composed, 1024);
        if (length > 0) wide.assign(composed, static_cast<std::size_t>(length));
    }
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return true;
}
