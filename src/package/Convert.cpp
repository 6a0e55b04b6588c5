#include "Convert.h"

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

std::int32_t StrToInt(std::string_view text)
{
    const std::string_view whole = text;
    auto fail = [&] { return EConvertError("'" + std::string(whole) + "' is not a valid integer value"); };

    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) throw fail();

    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') throw fail();
        value = value * 10 + (c - '0');
        if (value > std::int64_t(INT32_MAX) + 1) throw fail();
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) throw fail();
    return static_cast<std::int32_t>(value);
}
