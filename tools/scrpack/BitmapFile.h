// Windows bitmap files made from a colour function, for demo shows and test packages.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// A 24-bit bottom-up bitmap file of w × h pixels; colour(x, y) gives 0x00BBGGRR, y = 0 at the top.
std::vector<std::uint8_t> MakeBitmapFile(int w, int h, const std::function<std::uint32_t(int x, int y)>& colour);
