// Fitting pictures to the author's box, by either build of scrpack: each stored picture fits the
// box, stands upright with no turn left to make, keeps its transparency, and is never larger than
// its original.
#include "../../src/framework/ExifOrientation.h"
#include "../../tools/scrpack/PictureCodecs.h"
#include "../../tools/scrpack/PictureFormat.h"
#include "../../tools/scrpack/ShowBuild.h"
#include "../../tools/scrpack/ShowExtract.h"
#include "../support/ExifBytes.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

constexpr std::uint32_t kRed = 0xFFC80000u, kBlue = 0xFF0000C8u;

// 300 × 200: the top half red, the bottom half blue (half transparent with `alpha`).
Picture TwoHalves(bool alpha)
{
    Picture picture;
    picture.Allocate(300, 200);
    picture.hasAlpha = alpha;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels[static_cast<std::size_t>(y) * 300 + x] = y < 100 ? kRed : (alpha ? 0x800000C8u : kBlue);
    return picture;
}

// The JPEG with an EXIF orientation segment after its start marker.
void AddOrientation(const std::string& path, std::uint16_t orientation)
{
    std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    std::vector<std::uint8_t> segment{0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    const std::vector<std::uint8_t> tiff = OrientationTiff(false, orientation);
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    segment[2] = static_cast<std::uint8_t>((segment.size() - 2) >> 8);
    segment[3] = static_cast<std::uint8_t>(segment.size() - 2);
    bytes.insert(bytes.begin() + 2, segment.begin(), segment.end());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct FitCase {
    const char* name;
    std::function<void(const std::string& path)> make;
    PictureSize box, stored;
    std::uint32_t left, right;  // colours at the middle row's ends, 0 to skip
    bool alpha;
};

// Each channel within `tolerance` of the expected one: JPEG and scaling blur the colours.
bool Near(std::uint32_t expected, std::uint32_t actual, int tolerance = 40)
{
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>(expected >> shift & 0xFF) - static_cast<int>(actual >> shift & 0xFF)) > tolerance)
            return false;
    return true;
}

class PictureFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureFit, StoresThePictureFittedUprightAndNoLarger)
{
    const FitCase& c = GetParam();
    TempDir dir;
    std::filesystem::create_directories(dir.Path("photos"));
    const std::string original = dir.Path(std::string("photos/") + c.name);
    c.make(original);
    const std::vector<std::uint8_t> originalBytes = ReadFileBytes(original);
    BuildRequest request;
    request.source = dir.Path("photos");
    request.output = dir.Path("show.scr");
    request.fit = c.box;
    std::ostringstream out, err;
    ASSERT_EQ(0, BuildShow(request, out, err)) << err.str();
    ASSERT_EQ(kReportOk, ExtractShow(dir.Path("show.scr"), dir.Path("files"), out, err)) << err.str();

    const std::string stored = dir.Path(std::string("files/media/") + c.name);
    EXPECT_EQ(originalBytes, ReadFileBytes(original)) << "the original stays as it was";
    EXPECT_LE(ReadFileBytes(stored).size(), originalBytes.size());
    const bool png = SniffPictureFile(stored) == PictureFormat::Png;
    Picture picture;
    if (png) {
        picture = DecodePicture(PictureFormat::Png, stored);
    } else {
        DecodeJpeg(stored, 1, picture);
        SharedReadFile file;
        ASSERT_TRUE(file.Open(stored));
        EXPECT_EQ(kOrientationAsStored, JpegOrientation(file)) << "no turn left to make";
    }
    EXPECT_EQ(c.stored, picture.Size());
    EXPECT_EQ(c.alpha, picture.hasAlpha);
    if (c.left == 0) return;
    const std::size_t middle = static_cast<std::size_t>(picture.height / 2) * picture.width;
    EXPECT_TRUE(Near(c.left, picture.pixels[middle + 2])) << std::hex << picture.pixels[middle + 2];
    EXPECT_TRUE(Near(c.right, picture.pixels[middle + picture.width - 3]))
        << std::hex << picture.pixels[middle + picture.width - 3];
}

// Turned for orientation 6 (a quarter clockwise), the stored top half is the upright right half.
INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureFit,
    ::testing::Values(FitCase{"sideways.jpg",
                              [](const std::string& path) {
                                  EncodeJpeg(TwoHalves(false), 95, path);
                                  AddOrientation(path, 6);
                              },
                              {100, 100},
                              {67, 100},
                              kBlue,
                              kRed,
                              false},
                      FitCase{"glass.png",
                              [](const std::string& path) { EncodePng(TwoHalves(true), path); },
                              {100, 100},
                              {100, 67},
                              0,
                              0,
                              true},
                      FitCase{"flat.png",  // a flat colour: a fitted JPEG of it would take more bytes than the PNG
                              [](const std::string& path) {
                                  Picture flat;
                                  flat.Allocate(1000, 700);
                                  EncodePng(flat, path);
                              },
                              {990, 990},
                              {1000, 700},
                              0,
                              0,
                              false}),
    [](const ::testing::TestParamInfo<FitCase>& info) {
        std::string name = info.param.name;
        return name.substr(0, name.find('.'));
    });

}  // namespace
