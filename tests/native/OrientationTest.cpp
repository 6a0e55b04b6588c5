// Photos the right way up: the EXIF orientation found among a JPEG's markers (in memory and in a
// file), and the pixel turns it asks for.
#include "../../src/platform/File.h"
#include "../../src/framework/ExifOrientation.h"
#include "../../src/framework/PixelOrientation.h"
#include "../support/ExifBytes.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kTiffStart = 30;  // SOI, an 18-byte APP0, the APP1 header and "Exif\0\0"

Bytes Changed(Bytes bytes, const std::function<void(Bytes&)>& change)
{
    change(bytes);
    return bytes;
}

TEST(ExifOrientation, EveryValueInEitherByteOrderIsFound)
{
    for (bool bigEndian : {false, true})
        for (std::uint16_t value = 1; value <= 8; ++value) {
            const Bytes tiff = OrientationTiff(bigEndian, value);
            EXPECT_EQ(value, ParseExifOrientation(tiff.data(), tiff.size())) << bigEndian << " " << value;
            const Bytes jpeg = JpegHead(tiff);
            EXPECT_EQ(value, JpegOrientation(jpeg.data(), jpeg.size())) << bigEndian << " " << value;
        }
}

TEST(ExifOrientation, MissingOrDamagedDataLeavesThePictureAsStored)
{
    const Bytes six = JpegHead(OrientationTiff(true, 6));
    const Bytes sixLittle = JpegHead(OrientationTiff(false, 6));
    Bytes xmpFirst{0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x08, 'h', 't', 't', 'p', ':', '/'};
    xmpFirst.insert(xmpFirst.end(), six.begin() + 2, six.end());
    Bytes fillBytes{0xFF, 0xD8, 0xFF, 0xFF, 0xFF};
    fillBytes.insert(fillBytes.end(), six.begin() + 3, six.end());
    Bytes endlessFill{0xFF, 0xD8};
    endlessFill.resize(5000, 0xFF);
    endlessFill.insert(endlessFill.end(), six.begin() + 2, six.end());
    const struct {
        const char* what;
        Bytes jpeg;
        int orientation;
    } cases[] = {
        {"well formed", six, 6},
        {"after another APP1 segment", xmpFirst, 6},
        {"fill bytes before a marker", fillBytes, 6},
        {"after other tags, with a next IFD that points back at itself",
         JpegHead(TiffBytes(false, {{271, 2, 4, 0}, {282, 5, 1, 40}, {274, 3, 1, 8}}, 8)), 8},
        {"more fill bytes than a picture's head has", endlessFill, 1},
        {"no orientation tag", JpegHead(TiffBytes(false, {{271, 2, 4, 0}})), 1},
        {"value 0", JpegHead(OrientationTiff(false, 0)), 1},
        {"value 9", JpegHead(OrientationTiff(true, 9)), 1},
        {"a long instead of a short", JpegHead(TiffBytes(true, {{274, 4, 1, 6}})), 1},
        {"two values", JpegHead(TiffBytes(true, {{274, 3, 2, 6}})), 1},
        {"empty", {}, 1},
        {"not a JPEG", Changed(six, [](Bytes& b) { b[1] = 0xD9; }), 1},
        {"the scan before the EXIF segment", Changed(six, [](Bytes& b) { b[21] = 0xDA; }), 1},
        {"another marker where EXIF should be", Changed(six, [](Bytes& b) { b[24] = 'X'; }), 1},
        {"segment length below 2", Changed(six, [](Bytes& b) { b[22] = 0, b[23] = 1; }), 1},
        {"segment length past the end", Changed(six, [](Bytes& b) { b[22] = 0x7F; }), 1},
        {"cut inside the segment", Bytes(six.begin(), six.begin() + kTiffStart + 20), 1},
        {"cut inside the segment's header", Bytes(six.begin(), six.begin() + 26), 1},
        {"segment too short for the entry", Changed(six, [](Bytes& b) { b[23] = static_cast<std::uint8_t>(b[23] - 6); }), 1},
        {"byte order mark IM", Changed(six, [](Bytes& b) { b[kTiffStart + 1] = 'I'; }), 1},
        {"byte order swapped against the data", Changed(six, [](Bytes& b) { b[kTiffStart] = b[kTiffStart + 1] = 'I'; }), 1},
        {"magic number not 42", Changed(sixLittle, [](Bytes& b) { b[kTiffStart + 2] = 43; }), 1},
        {"IFD inside the header (a loop back)", Changed(sixLittle, [](Bytes& b) { b[kTiffStart + 4] = 0; }), 1},
        {"IFD beyond the segment", Changed(sixLittle, [](Bytes& b) { b[kTiffStart + 7] = 0x80; }), 1},
        {"IFD offset wrapping round", Changed(sixLittle, [](Bytes& b) { b[kTiffStart + 4] = b[kTiffStart + 5] = b[kTiffStart + 6] = b[kTiffStart + 7] = 0xFF; }), 1},
        {"entry count past the segment", Changed(sixLittle, [](Bytes& b) { b[kTiffStart + 9] = 0x10; }), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.orientation, JpegOrientation(c.jpeg.data(), c.jpeg.size())) << c.what;
    EXPECT_EQ(1, ParseExifOrientation(nullptr, 0));
    EXPECT_EQ(1, JpegOrientation(nullptr, 10));
}

TEST(ExifOrientation, AFileIsReadOnlyAsFarAsItsExifSegment)
{
    TempDir dir;
    // Fill bytes before the first marker are read once each, like every other byte.
    Bytes jpeg{0xFF, 0xD8, 0xFF, 0xFF, 0xFF, 0xFF};
    const Bytes exif = JpegHead(OrientationTiff(false, 8));
    jpeg.insert(jpeg.end(), exif.begin() + 3, exif.end());
    const std::size_t head = jpeg.size();
    jpeg.resize(head + (1 << 20), 0x55);
    SharedReadFile file;
    ASSERT_TRUE(file.Open(dir.Write("photo.jpg", jpeg)));
    EXPECT_EQ(8, JpegOrientation(file));
    EXPECT_LE(file.BytesRead(), head);

    // A file that ends inside the segment is as stored, as is a file that is not open.
    SharedReadFile cut;
    ASSERT_TRUE(cut.Open(dir.Write("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + kTiffStart + 10))));
    EXPECT_EQ(1, JpegOrientation(cut));
    SharedReadFile closed;
    EXPECT_EQ(1, JpegOrientation(closed));
}

// Pixels of a 3 × 2 picture:  a b c
//                             d e f
TEST(PixelOrientation, EachOrientationTurnsASmallPictureUpright)
{
    const std::uint32_t a = 1, b = 2, c = 3, d = 4, e = 5, f = 6;
    const std::vector<std::uint32_t> stored{a, b, c, d, e, f};
    const struct {
        int orientation, width, height;
        std::vector<std::uint32_t> upright;
    } cases[] = {
        {1, 3, 2, {a, b, c, d, e, f}}, {2, 3, 2, {c, b, a, f, e, d}}, {3, 3, 2, {f, e, d, c, b, a}},
        {4, 3, 2, {d, e, f, a, b, c}}, {5, 2, 3, {a, d, b, e, c, f}}, {6, 2, 3, {d, a, e, b, f, c}},
        {7, 2, 3, {f, c, e, b, d, a}}, {8, 2, 3, {c, f, b, e, a, d}}, {0, 3, 2, {a, b, c, d, e, f}},
        {9, 3, 2, {a, b, c, d, e, f}},
    };
    for (const auto& t : cases) {
        const OrientedSize size = OrientSize(3, 2, t.orientation);
        EXPECT_EQ(t.width, size.width) << t.orientation;
        EXPECT_EQ(t.height, size.height) << t.orientation;
        std::vector<std::uint32_t> upright(stored.size());
        OrientPixels(stored.data(), 3, 2, t.orientation, upright.data());
        EXPECT_EQ(t.upright, upright) << t.orientation;
    }
}

TEST(PixelOrientation, TurningBackRestoresPicturesLargerThanATile)
{
    const int width = 131, height = 70;
    std::vector<std::uint32_t> stored(width * height);
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<std::uint32_t>(i);
    const int inverse[] = {0, 1, 2, 3, 4, 5, 8, 7, 6};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const OrientedSize size = OrientSize(width, height, orientation);
        std::vector<std::uint32_t> upright(stored.size()), back(stored.size());
        OrientPixels(stored.data(), width, height, orientation, upright.data());
        OrientPixels(upright.data(), size.width, size.height, inverse[orientation], back.data());
        EXPECT_EQ(stored, back) << orientation;
    }
}

}  // namespace
