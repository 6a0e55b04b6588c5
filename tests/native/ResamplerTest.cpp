// The picture resampler against a floating-point reference on real pictures (wallpapers of the
// distribution, turned into PPM files by the build), and its exact cases.
#include "../../src/slideshow/Resampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace resampler_detail {
void Resample(const SourcePlane& source, PixelRect from, const TargetPlane& target, PixelRect to, bool vector);
}

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    SourcePlane Source() const { return {pixels.data(), width, height, width}; }
    TargetPlane Target() { return {pixels.data(), width, height, width}; }
};

Picture Blank(int width, int height, std::uint32_t fill = 0xFF00FF)
{
    return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, fill)};
}

Picture ReadPpm(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    Picture picture = Blank(width, height, 0);
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    if (magic != "P6" || maximum != 255 || !in) return {};
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = static_cast<std::uint32_t>(rgb[i * 3]) << 16 | rgb[i * 3 + 1] << 8 | rgb[i * 3 + 2];
    return picture;
}

// One axis of the reference filter in doubles: the mean of the covered source area when
// shrinking, linear between the two nearest source pixels when growing.
std::vector<std::vector<std::pair<int, double>>> ReferenceWeights(int sourceLength, int outLength)
{
    std::vector<std::vector<std::pair<int, double>>> all(static_cast<std::size_t>(outLength));
    const double scale = static_cast<double>(sourceLength) / outLength;
    for (int o = 0; o < outLength; ++o) {
        if (sourceLength > outLength) {
            const double a = o * scale, b = (o + 1) * scale;
            for (int i = 0; i < sourceLength; ++i) {
                const double covered = std::min(b, i + 1.0) - std::max(a, static_cast<double>(i));
                if (covered > 0) all[o].push_back({i, covered / scale});
            }
        } else {
            const double centre = std::clamp((o + 0.5) * scale - 0.5, 0.0, sourceLength - 1.0);
            const int first = static_cast<int>(centre);
            all[o].push_back({first, 1 - (centre - first)});
            if (first + 1 < sourceLength) all[o].push_back({first + 1, centre - first});
        }
    }
    return all;
}

Picture Reference(const Picture& source, int width, int height)
{
    const auto columns = ReferenceWeights(source.width, width);
    const auto rows = ReferenceWeights(source.height, height);
    std::vector<double> across(static_cast<std::size_t>(width) * source.height * 3);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < width; ++x)
            for (const auto& [i, w] : columns[x])
                for (int k = 0; k < 3; ++k)
                    across[(static_cast<std::size_t>(y) * width + x) * 3 + k] +=
                        w * ((source.pixels[static_cast<std::size_t>(y) * source.width + i] >> (8 * k)) & 0xFF);
    Picture out = Blank(width, height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double sums[3] = {};
            for (const auto& [i, w] : rows[y])
                for (int k = 0; k < 3; ++k) sums[k] += w * across[(static_cast<std::size_t>(i) * width + x) * 3 + k];
            std::uint32_t pixel = 0;
            for (int k = 0; k < 3; ++k)
                pixel |= static_cast<std::uint32_t>(std::clamp(std::lround(sums[k]), 0L, 255L)) << (8 * k);
            out.pixels[static_cast<std::size_t>(y) * width + x] = pixel;
        }
    return out;
}

double Psnr(const Picture& a, const Picture& b)
{
    double squares = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        for (int k = 0; k < 3; ++k) {
            const double d = static_cast<double>((a.pixels[i] >> (8 * k)) & 0xFF) - ((b.pixels[i] >> (8 * k)) & 0xFF);
            squares += d * d;
        }
    const double mean = squares / (a.pixels.size() * 3.0);
    return mean == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mean);
}

Picture Resampled(const Picture& source, int width, int height, bool vector = true)
{
    Picture out = Blank(width, height);
    resampler_detail::Resample(source.Source(), {0, 0, source.width, source.height}, out.Target(),
                               {0, 0, width, height}, vector);
    return out;
}

struct RealCase {
    const char* picture;
    int width, height;
};

class RealPictures : public testing::TestWithParam<RealCase> {};

TEST_P(RealPictures, MatchTheFloatingPointReferenceWithBothKernelsAndTwoThreads)
{
    const RealCase c = GetParam();
    const Picture source = ReadPpm(std::string(VESK_TEST_PICTURES) + "/" + c.picture);
    ASSERT_GT(source.width, 0) << c.picture;
    const Picture vector = Resampled(source, c.width, c.height, true);
    EXPECT_GE(Psnr(vector, Reference(source, c.width, c.height)), 40.0);
    EXPECT_EQ(vector.pixels, Resampled(source, c.width, c.height, false).pixels) << "the two kernels differ";
    Picture shared = Blank(c.width, c.height);
    ResamplePixels(source.Source(), {0, 0, source.width, source.height}, shared.Target(), {0, 0, c.width, c.height});
    EXPECT_EQ(vector.pixels, shared.pixels) << "the rows shared between two threads differ";
    for (std::uint32_t pixel : vector.pixels) ASSERT_EQ(pixel >> 24, 0u);
}

// The pictures are 1200 × 900 crops: shrinking by 3.1, by 1.07 and unevenly, growing by 2.3, and
// shrinking one way while growing the other.
INSTANTIATE_TEST_SUITE_P(Wallpapers, RealPictures,
                         testing::Values(RealCase{"wood.ppm", 387, 290}, RealCase{"wood.ppm", 1121, 841},
                                         RealCase{"pixels.ppm", 641, 199}, RealCase{"adwaita.ppm", 2760, 2070},
                                         RealCase{"pixels.ppm", 301, 1777}));

TEST(Resampler, ExactCases)
{
    // A flat colour stays exact at any scale: the weights of every new pixel sum to one.
    for (const auto& [w, h] : {std::pair{7, 3}, {333, 1}, {1, 1}, {1000, 999}}) {
        const Picture flat = Blank(250, 170, 0x00C08040);
        const Picture out = Resampled(flat, w, h);
        EXPECT_EQ(std::count(out.pixels.begin(), out.pixels.end(), 0x00C08040u), w * h) << w << " x " << h;
    }
    // Halving is the rounded mean of each 2 × 2 block; the same size is a copy.
    Picture block = Blank(4, 2, 0);
    block.pixels = {0x000000, 0x0A0B0C, 0xFF0000, 0xFF0000, 0x020406, 0x000000, 0x00FF00, 0xFF0000};
    EXPECT_EQ(Resampled(block, 2, 1).pixels, (std::vector<std::uint32_t>{0x030405, 0xBF4000}));
    EXPECT_EQ(Resampled(block, 4, 2).pixels, block.pixels);
}

TEST(Resampler, WritesOnlyInsideTheTargetAndReadsOnlyTheSourceRectangle)
{
    const Picture source = ReadPpm(std::string(VESK_TEST_PICTURES) + "/wood.ppm");
    ASSERT_GT(source.width, 0);
    // Reference: the source rectangle (100, 50, 600, 400) cut out and scaled whole.
    Picture cut = Blank(600, 400, 0);
    for (int y = 0; y < 400; ++y)
        std::copy_n(&source.pixels[static_cast<std::size_t>(50 + y) * source.width + 100], 600,
                    &cut.pixels[static_cast<std::size_t>(y) * 600]);
    const Picture whole = Resampled(cut, 250, 170);
    // The same scaled to a rectangle that hangs over the target's top-left corner.
    Picture target = Blank(200, 120);
    ResamplePixels(source.Source(), {100, 50, 600, 400}, target.Target(), {-50, -50, 250, 170});
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(target.pixels[static_cast<std::size_t>(y) * 200 + x],
                      whole.pixels[static_cast<std::size_t>(y + 50) * 250 + x + 50])
                << x << "," << y;
    // A source rectangle outside the source, or an empty one, changes nothing.
    const Picture before = target;
    ResamplePixels(source.Source(), {source.width - 10, 0, 20, 20}, target.Target(), {0, 0, 50, 50});
    ResamplePixels(source.Source(), {0, 0, 0, 20}, target.Target(), {0, 0, 50, 50});
    ResamplePixels(source.Source(), {0, 0, 20, 20}, target.Target(), {200, 0, 50, 50});
    EXPECT_EQ(target.pixels, before.pixels);
}

}  // namespace
