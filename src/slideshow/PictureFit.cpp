#include "PictureFit.h"

#include <cstdlib>

namespace {

int Truncate(long double value)
{
    return static_cast<int>(value);
}

long double Ratio(int numerator, int denominator)
{
    return static_cast<long double>(numerator) / static_cast<long double>(denominator);
}

}  // namespace

FitSize FitInside(int a, int b, int c, int d)
{
    if (a <= 0 || b <= 0 || c <= 0 || d <= 0) return {c > 0 ? c : 0, d > 0 ? d : 0};
    const float pictureRatio = static_cast<float>(Ratio(a, b));
    const float frameRatio = static_cast<float>(Ratio(c, d));
    FitSize size;
    if (pictureRatio > frameRatio) {
        size.width = c;
        size.height = Truncate(Ratio(b, a) * size.width);
        if (size.height > d) {
            size.height = d;
            size.width = Truncate(Ratio(a, b) * size.height);
        }
    } else {
        size.height = d;
        size.width = Truncate(Ratio(a, b) * size.height);
        if (size.width > c) {
            size.width = c;
            size.height = Truncate(Ratio(b, a) * size.width);
        }
    }
    return size;
}

FitSize FrameCut(int a, int b, int c, int d)
{
    if (c <= 0 || d <= 0) return {a, b};
    if (a <= b) return {a, Truncate(Ratio(d, c) * a)};
    return {Truncate(Ratio(c, d) * b), b};
}

int RandomBelow(int n)
{
    return n <= 0 ? 0 : std::rand() % n;
}
