// A folder of phone pictures built with no manifest: every picture stored as something the player
// reads, fitted and upright, and the manifest that was used written out.
#include "../../src/framework/ExifOrientation.h"
#include "../../tools/scrpack/PictureCodecs.h"
#include "../../tools/scrpack/PictureFormat.h"
#include "../../tools/scrpack/ShowBuild.h"
#include "../../tools/scrpack/ShowExtract.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct StoredCase {
    const char* name;  // in the extracted show's media folder
    PictureSize size;
};

TEST(FolderShow, EveryPhonePictureIsStoredFittedUprightAndReadableByThePlayer)
{
    TempDir dir;
    BuildRequest request;
    request.source = VESK_PHONE_PICTURES;
    request.output = dir.Path("show.scr");
    request.fit = PictureSize{600, 600};
    request.manifestOut = dir.Path("show.json");
    const auto original = ReadFileBytes(VESK_PHONE_PICTURES "/sideways.jpg");
    std::ostringstream out, err;
    ASSERT_EQ(0, BuildShow(request, out, err)) << err.str();
    ASSERT_EQ(kReportOk, ExtractShow(dir.Path("show.scr"), dir.Path("files"), out, err)) << err.str();

    const StoredCase cases[] = {{"beach.jpg", {600, 400}}, {"harbour.png", {600, 400}}, {"IMG_0001.jpg", {600, 400}},
                                {"leaf.jpg", {600, 400}},  {"night.jpg", {600, 400}},   {"sideways.jpg", {400, 600}}};
    for (const StoredCase& c : cases) {
        const std::string path = dir.Path(std::string("files/media/") + c.name);
        const PictureFormat format = SniffPictureFile(path);
        EXPECT_TRUE(PlayerReads(format)) << c.name;
        const PictureSize size = format == PictureFormat::Png ? DecodePng(path).Size() : JpegSize(path);
        EXPECT_EQ(c.size, size) << c.name;
        SharedReadFile file;
        ASSERT_TRUE(file.Open(path));
        EXPECT_EQ(kOrientationAsStored, JpegOrientation(file)) << c.name << ": no turn left to make";
    }
    EXPECT_EQ(original, ReadFileBytes(VESK_PHONE_PICTURES "/sideways.jpg")) << "the original stays as it was";
    const std::string manifest = ReadFileText(dir.Path("show.json"));
    for (const char* listed : {R"("fitPictures": "600x600")", R"(IMG_0001.HEIC",)", R"(theme.wav")"})
        EXPECT_NE(std::string::npos, manifest.find(listed)) << manifest;
}

}  // namespace
