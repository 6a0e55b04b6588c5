// The tagged text elements of the package directory and of table headers: "<tag>content</tag>".
#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The content between the first `open` tag and the first `close` tag after it; none when either
// tag is missing.
std::optional<std::string_view> ElementText(std::string_view text, std::string_view open, std::string_view close);

// The pieces of a list whose items are separated by `separator`, every piece kept: "a,b" gives a
// and b, "a,b," gives a, b and an empty piece, and "" one empty piece.
std::vector<std::string_view> SplitList(std::string_view text, char separator);

// `bytes` up to the first NUL, as text.
std::string_view TextUpToNul(std::string_view bytes);
