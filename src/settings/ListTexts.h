// The list texts of show items: number lists ("0;5;17;"), style lists ("1;2;") and name lists
// ("intro.xml#sound1.mp3#"), and the picks made from number lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// A growable list of 32-bit integers.
class TIntArray {
public:
    void Add(std::int32_t value) { items.push_back(value); }
    std::int32_t Count() const { return static_cast<std::int32_t>(items.size()); }
    std::int32_t Get(std::int32_t index) const { return items.at(static_cast<std::size_t>(index)); }
    void Delete(std::int32_t index) { items.erase(items.begin() + index); }
    void Clear() { items.clear(); }

private:
    std::vector<std::int32_t> items;
};

// The numbers of a number list: each non-empty piece before a ";" (blanks before the number
// allowed), text after the last ";" ignored. A piece that is not a number raises EConvertError.
TIntArray ParseNumberList(std::string_view list);

// True when a style list holds `code` (1 bold, 2 italic, 3 underline, 4 strike-out).
bool HasStyle(std::string_view styles, int code);

// The names of a name list: each piece before a "#", text after the last "#" ignored.
std::vector<std::string> ParseNameList(std::string_view list);

// Picks from a number list: at random (rand() modulo the count) or the entry after `position`,
// wrapping to the first; `position` is updated. -1 for an empty list.
std::int32_t ChooseEffect(std::string_view list, bool random, std::int32_t& position);

// Record indices in random order without repetition within a pass of n.
class CShuffleBag {
public:
    // The next index below n; the bag refills, seeded from the clock, when a pass is done.
    std::int32_t Next(std::int32_t n);
    std::size_t Remaining() const { return bag.size(); }

private:
    std::deque<std::int32_t> bag;
};
