// A picture that scrpack cannot store is refused with its file named, and nothing is written.
#include "../../tools/scrpack/PictureCodecs.h"
#include "../../tools/scrpack/ShowBuild.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct RefusalCase {
    const char* name;
    const char* bytes;
    const char* message;  // after the file's path
};

class PictureRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PictureRefusal, NamesTheFileAndWritesNothing)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path("photos"));
    dir.Write("photos/a.bmp", "BM picture bytes");
    const std::string path = dir.Write(std::string("photos/") + GetParam().name, std::string(GetParam().bytes, 24));
    BuildRequest request;
    request.source = dir.Path("photos");
    request.output = dir.Path("show.scr");
    std::ostringstream out, err;
    EXPECT_EQ(1, BuildShow(request, out, err));
    EXPECT_NE(std::string::npos, err.str().find(path + ": " + GetParam().message)) << err.str();
    if (std::string(GetParam().message).rfind("cannot convert", 0) == 0) {
        EXPECT_NE(std::string::npos, err.str().find(kConversionWayOut)) << err.str();
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path("show.scr")));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureRefusal,
    ::testing::Values(RefusalCase{"notes.jpg", "plain text, not a JPEG..", "not a picture that scrpack knows"},
                      RefusalCase{"leaf.webp", "RIFF\x10\0\0\0WEBPVP8 damaged", "cannot convert this WebP picture"},
                      RefusalCase{"IMG_1.heic",
                                  "\0\0\0\x18"
                                  "ftypheic\0\0\0\0mif1heic",
                                  "cannot convert this HEIF"}));

}  // namespace
