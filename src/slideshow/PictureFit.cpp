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

PictureFrame FitPicture(int fit, int imageWidth, int imageHeight, int frameWidth, int frameHeight)
{
    PictureFrame f{imageWidth, imageHeight, imageWidth, imageHeight};
    const bool larger = frameWidth < imageWidth || frameHeight < imageHeight;
    switch (fit) {
        case 0:
            if (larger) {
                const FitSize size = FitInside(imageWidth, imageHeight, frameWidth, frameHeight);
                f.outWidth = size.width, f.outHeight = size.height;
            }
            break;
        case 1: {
            const FitSize size = FitInside(imageWidth, imageHeight, frameWidth, frameHeight);
            f.outWidth = size.width, f.outHeight = size.height;
            break;
        }
        case 2: {
            const FitSize source = larger ? FitInside(imageWidth, imageHeight, frameWidth, frameHeight)
                                          : FrameCut(imageWidth, imageHeight, frameWidth, frameHeight);
            f.sourceWidth = source.width, f.sourceHeight = source.height;
            f.outWidth = frameWidth, f.outHeight = frameHeight;
            break;
        }
        case 3:
            f.outWidth = frameWidth, f.outHeight = frameHeight;
            break;
        default:
            break;
    }
    return f;
}

PicturePlace PlacePicture(int frameWidth, int frameHeight, int outWidth, int outHeight, bool random)
{
    if (random) return {RandomBelow(frameWidth - outWidth), RandomBelow(frameHeight - outHeight)};
    return {(frameWidth - outWidth) / 2, (frameHeight - outHeight) / 2};
}
