// Photos the right way up: JPEGs stored in each of the eight EXIF orientations (made at build time
// by tests/win32/make-orientation-pictures.sh) all decode to the same upright picture, through the
// built-in reader from a file and from memory, and through the image library at a surface's size.
// A damaged EXIF segment leaves the picture as stored.
#include "../../src/package/Payloads.h"
#include "../../src/platform/File.h"
#include "../../src/platform/Stream.h"
#include "../../src/slideshow/ComPicture.h"
#include "../support/OwnTempFolder.h"
#include "../support/Processes.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Channels within the tolerance of a lossy format.
bool Near(COLORREF expected, COLORREF actual)
{
    const auto close = [](int a, int b) { return std::abs(a - b) <= 24; };
    return close(GetRValue(expected), GetRValue(actual)) && close(GetGValue(expected), GetGValue(actual)) &&
           close(GetBValue(expected), GetBValue(actual));
}

// The upright picture: red, green on top; blue, yellow below; twice as wide as high.
void ExpectUpright(CComPicture& picture, int width, int height, const std::string& what)
{
    ASSERT_EQ(width, picture.Width()) << what;
    ASSERT_EQ(height, picture.Height()) << what;
    const struct {
        int x, y;
        COLORREF colour;
    } quarters[] = {{width / 4, height / 4, RGB(255, 0, 0)},
                    {width * 3 / 4, height / 4, RGB(0, 255, 0)},
                    {width / 4, height * 3 / 4, RGB(0, 0, 255)},
                    {width * 3 / 4, height * 3 / 4, RGB(255, 255, 0)}};
    for (const auto& q : quarters) {
        const COLORREF pixel = picture.surface->Pixel(q.x, q.y);
        EXPECT_TRUE(Near(q.colour, pixel)) << what << " at " << q.x << "," << q.y << ": " << std::hex << pixel;
    }
}

// The TIFF structure after "Exif\0\0" in a JPEG's bytes.
std::size_t TiffStart(const Bytes& jpeg)
{
    static const char exif[] = "Exif\0";  // with the array's own terminator: six bytes
    const auto at = std::search(jpeg.begin(), jpeg.end(), exif, exif + sizeof exif);
    return at == jpeg.end() ? 0 : static_cast<std::size_t>(at - jpeg.begin()) + sizeof exif;
}

struct OrientedFile {
    const char* file;
    const char* damage;
    std::function<void(Bytes&, std::size_t tiff)> change;  // none for a file read as it is
};

void PrintTo(const OrientedFile& c, std::ostream* out)
{
    *out << c.file << (c.change ? std::string(", damaged: ") + c.damage : std::string());
}

struct Orientation : ::testing::TestWithParam<OrientedFile> {
    OwnTempFolder temp;
    TempDir dir;
    const std::string library = TempFolder() + "Expic.dll";

    void SetUp() override { ASSERT_TRUE(::CopyFileA((ProgramFolder() + "Expic.dll").c_str(), library.c_str(), FALSE)); }
    void TearDown() override { RemoveFile(library); }
};

TEST_P(Orientation, DecodesToTheUprightPictureOrAsStoredWhenTheExifDataIsDamaged)
{
    const OrientedFile& c = GetParam();
    Bytes jpeg = ReadFileBytes(ProgramFolder() + "orientation\\" + c.file);
    ASSERT_FALSE(jpeg.empty()) << c.file;
    if (c.change) {
        const std::size_t tiff = TiffStart(jpeg);
        ASSERT_NE(0u, tiff) << c.file;
        c.change(jpeg, tiff);
    }

    CComPicture picture;
    ASSERT_EQ(1, picture.LoadFromFile(dir.Write("photo.jpg", jpeg)));
    ExpectUpright(picture, 64, 32, "file");

    TMemoryStream stream;
    stream.Write(jpeg.data(), jpeg.size());
    ASSERT_EQ(1, picture.LoadFromStream(stream, "photo.jpg"));
    ExpectUpright(picture, 64, 32, "memory");

    // A name the built-in readers do not take goes to the image library, which reads the format
    // from the bytes and scales to the surface.
    ASSERT_EQ(1, picture.Create(32, 16, 0));
    ASSERT_EQ(1, picture.LoadFromFile(dir.Write("photo.tif", jpeg)));
    ExpectUpright(picture, 32, 16, "image library");
}

INSTANTIATE_TEST_SUITE_P(
    EveryOrientationAndDamage, Orientation,
    ::testing::Values(
        OrientedFile{"orientation-1.jpg", "", nullptr}, OrientedFile{"orientation-2.jpg", "", nullptr},
        OrientedFile{"orientation-3.jpg", "", nullptr}, OrientedFile{"orientation-4.jpg", "", nullptr},
        OrientedFile{"orientation-5.jpg", "", nullptr}, OrientedFile{"orientation-6.jpg", "", nullptr},
        OrientedFile{"orientation-7.jpg", "", nullptr}, OrientedFile{"orientation-8.jpg", "", nullptr},
        OrientedFile{"tagged-as-stored.jpg", "byte order mark",
                     [](Bytes& jpeg, std::size_t tiff) { jpeg[tiff] = jpeg[tiff + 1] = 'X'; }},
        OrientedFile{"tagged-as-stored.jpg", "IFD beyond the segment",
                     [](Bytes& jpeg, std::size_t tiff) { jpeg[tiff + 4] = jpeg[tiff + 7] = 0x7F; }},
        OrientedFile{"tagged-as-stored.jpg", "value out of range",
                     [](Bytes& jpeg, std::size_t tiff) {
                         // The tag is the first entry (big-endian, a short in the first value bytes).
                         ASSERT_EQ(0x0112, jpeg[tiff + 10] << 8 | jpeg[tiff + 11]);
                         jpeg[tiff + 19] = 9;
                     }}),
    [](const ::testing::TestParamInfo<OrientedFile>& info) {
        std::string name = std::string(info.param.file) + "_" + info.param.damage;
        std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

}  // namespace
