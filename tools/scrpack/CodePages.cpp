#include "CodePages.h"

#include <utility>

namespace {

constexpr std::pair<int, int> kCharsets[] = {{0, 1252},   {238, 1250}, {204, 1251}, {161, 1253}, {162, 1254},
                                             {177, 1255}, {178, 1256}, {186, 1257}, {163, 1258}, {222, 874},
                                             {128, 932},  {134, 936},  {129, 949},  {136, 950}};

}  // namespace

const std::vector<int>& CharsetsInOrder()
{
    static const std::vector<int> order = [] {
        std::vector<int> charsets;
        for (const auto& [charset, codePage] : kCharsets)
            charsets.push_back(charset);
        return charsets;
    }();
    return order;
}

int CodePageOfCharset(int charset)
{
    for (const auto& [known, codePage] : kCharsets)
        if (known == charset) return codePage;
    return kWesternCodePage;
}

std::optional<int> ChooseCharset(const std::string& utf8)
{
    std::string bytes;
    for (const auto& [charset, codePage] : kCharsets)
        if (EncodeText(codePage, utf8, bytes)) return charset;
    return std::nullopt;
}
