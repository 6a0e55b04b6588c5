#include "FitSize.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

bool ParseFitBox(const std::string& text, PictureSize& box)
{
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 == text.size()) return false;
    const auto side = [](const std::string& digits, int& out) {
        if (digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
        out = std::atoi(digits.c_str());
        return out >= 1 && out <= 65535;
    };
    PictureSize parsed;
    if (!side(text.substr(0, x), parsed.width) || !side(text.substr(x + 1), parsed.height)) return false;
    box = parsed;
    return true;
}

PictureSize FitInside(PictureSize picture, PictureSize box)
{
    if (picture.width <= box.width && picture.height <= box.height) return picture;
    const double scale =
        std::min(static_cast<double>(box.width) / picture.width, static_cast<double>(box.height) / picture.height);
    const auto side = [scale](int length, int limit) {
        return std::clamp(static_cast<int>(std::lround(length * scale)), 1, limit);
    };
    return {side(picture.width, box.width), side(picture.height, box.height)};
}

int JpegScaleDenominator(PictureSize picture, PictureSize target)
{
    for (int denominator : {8, 4, 2}) {
        // The decoder rounds reduced sides up.
        const int width = (picture.width + denominator - 1) / denominator;
        const int height = (picture.height + denominator - 1) / denominator;
        if (width >= target.width && height >= target.height) return denominator;
    }
    return 1;
}
