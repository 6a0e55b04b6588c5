#include "TagText.h"

std::optional<std::string_view> ElementText(std::string_view text, std::string_view open, std::string_view close)
{
    const auto begin = text.find(open);
    if (begin == std::string_view::npos) return std::nullopt;
    const auto contentStart = begin + open.size();
    const auto end = text.find(close, contentStart);
    if (end == std::string_view::npos) return std::nullopt;
    return text.substr(contentStart, end - contentStart);
}

std::vector<std::string_view> SplitList(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    for (;;) {
        const auto cut = text.find(separator);
        pieces.push_back(text.substr(0, cut));
        if (cut == std::string_view::npos) return pieces;
        text.remove_prefix(cut + 1);
    }
}

std::string_view TextUpToNul(std::string_view bytes)
{
    return bytes.substr(0, bytes.find('\0'));
}
