#include "ListTexts.h"

#include "../package/Convert.h"

#include <cstdlib>
#include <ctime>

TIntArray ParseNumberList(std::string_view list)
{
    TIntArray numbers;
    for (std::size_t at = 0;;) {
        const auto end = list.find(';', at);
        if (end == std::string_view::npos) return numbers;
        std::string_view piece = list.substr(at, end - at);
        if (!piece.empty()) {
            while (!piece.empty() && (piece.front() == ' ' || piece.front() == '\t'))
                piece.remove_prefix(1);
            numbers.Add(StrToInt(piece));
        }
        at = end + 1;
    }
}

bool HasStyle(std::string_view styles, int code)
{
    return styles.find(std::to_string(code) + ";") != std::string_view::npos;
}

std::vector<std::string> ParseNameList(std::string_view list)
{
    std::vector<std::string> names;
    for (std::size_t at = 0;;) {
        const auto end = list.find('#', at);
        if (end == std::string_view::npos) return names;
        names.emplace_back(list.substr(at, end - at));
        at = end + 1;
    }
}

std::int32_t ChooseEffect(std::string_view list, bool random, std::int32_t& position)
{
    const TIntArray numbers = ParseNumberList(list);
    const std::int32_t count = numbers.Count();
    if (count == 0) return -1;
    if (random) {
        position = std::rand() % count;
    } else {
        // A position outside the list (a list that changed) starts again at the first entry.
        position = position < -1 || position + 1 >= count ? 0 : position + 1;
    }
    return numbers.Get(position);
}

std::int32_t CShuffleBag::Next(std::int32_t n)
{
    if (n <= 0) return 0;
    if (bag.empty()) {
        std::vector<std::int32_t> order;
        for (std::int32_t i = 0; i < n; ++i)
            order.push_back(i);
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        for (std::int32_t i = 0; i < n; ++i) {
            const auto a = static_cast<std::size_t>(std::rand() % (n - i));
            bag.push_back(order[a]);
            order.erase(order.begin() + static_cast<std::ptrdiff_t>(a));
        }
    }
    const std::int32_t next = bag.front();
    bag.pop_front();
    // A bag filled for a larger show may hold indices that no longer exist.
    return next < n ? next : Next(n);
}
