// Pictures told by their bytes, whatever their names, and the names they are stored under.
#include "../../tools/scrpack/PictureFormat.h"
#include "../../tools/scrpack/PicturePrepare.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SniffCase {
    std::string head;
    PictureFormat format;
    bool playerReads;
};

class Sniff : public ::testing::TestWithParam<SniffCase> {};

TEST_P(Sniff, TellsTheFormatFromTheFirstBytes)
{
    const std::string& head = GetParam().head;
    const PictureFormat format = SniffPicture(reinterpret_cast<const std::uint8_t*>(head.data()), head.size());
    EXPECT_EQ(GetParam().format, format) << FormatName(format);
    EXPECT_EQ(GetParam().playerReads, PlayerReads(format));
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(Pictures, Sniff,
                         ::testing::Values(SniffCase{"\xFF\xD8\xFF\xE0"s, PictureFormat::Jpeg, true},
                                           SniffCase{"\x89PNG\r\n\x1A\n"s, PictureFormat::Png, true},
                                           SniffCase{"GIF89a", PictureFormat::Gif, true},
                                           SniffCase{"BM\x36\0\0\0\0\0\0\0\x36\0\0\0"s, PictureFormat::Bmp, true},
                                           SniffCase{"MM\0*\0\0\0\x08"s, PictureFormat::Tiff, true},
                                           SniffCase{"RIFF\x10\0\0\0WEBPVP8 "s, PictureFormat::Webp, false},
                                           SniffCase{"\0\0\0\x18"
                                                     "ftypheic\0\0\0\0mif1heic"s,
                                                     PictureFormat::Heif, false},
                                           SniffCase{"\0\0\0\x1C"
                                                     "ftypmif1\0\0\0\0mif1miafMA1B"s,
                                                     PictureFormat::Heif, false},
                                           SniffCase{"\0\0\0\x20"
                                                     "ftypavif\0\0\0\0avifmif1miaf"s,
                                                     PictureFormat::Avif, false},
                                           SniffCase{"\0\0\0\x18"
                                                     "ftypisom\0\0\0\0isommp41"s,
                                                     PictureFormat::Unknown, false},
                                           SniffCase{"RIFF\x10\0\0\0WAVEfmt "s, PictureFormat::Unknown, false},
                                           SniffCase{"BM", PictureFormat::Unknown, false}));

struct NameCase {
    const char* path;
    const char* extension;  // of the format stored
    const char* stored;
};

TEST(StoredPictureName, KeepsANameThatPicksTheRightReaderAndElseGivesTheFormatsExtension)
{
    const NameCase cases[] = {
        {"photos/beach.JPG", ".jpg", "beach.JPG"},        {"photos/beach.jpeg", ".jpg", "beach.jpeg"},
        {"IMG_0001.HEIC", ".jpg", "IMG_0001.jpg"},        {"scan.png", ".jpg", "scan.jpg"},
        {"really-a-png.jpg", ".png", "really-a-png.png"}, {"x.png.heic", ".jpg", "x_png.jpg"}};
    for (const NameCase& c : cases)
        EXPECT_EQ(c.stored, StoredPictureName(c.path, c.extension)) << c.path;
}

}  // namespace
