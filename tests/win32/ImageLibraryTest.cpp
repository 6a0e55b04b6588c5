// The external image library: our Expic.dll, put where the player looks for it (the temporary
// folder), decodes what the built-in readers do not, at the size of the picture's surface.
#include "../../src/package/Payloads.h"
#include "../../src/platform/File.h"
#include "../../src/platform/Stream.h"
#include "../../src/slideshow/ComPicture.h"
#include "../support/OwnTempFolder.h"
#include "../support/ProcessFigures.h"
#include "../support/Processes.h"
#include "../support/TempDir.h"
#include "../support/TestImages.h"

#include <gtest/gtest.h>

namespace {

COLORREF Quadrants(int x, int y)
{
    return x < 20 ? (y < 10 ? RGB(255, 0, 0) : RGB(0, 0, 255)) : RGB(0, 255, 0);
}

struct ImageLibrary : ::testing::Test {
    OwnTempFolder temp;
    TempDir dir;
    const std::string library = TempFolder() + "Expic.dll";

    // The player keeps the library loaded once it has used it, so in a process that already
    // decoded a picture the copy may find the same file in use.
    void SetUp() override
    {
        const std::string built = ProgramFolder() + "Expic.dll";
        ASSERT_TRUE(::CopyFileA(built.c_str(), library.c_str(), FALSE) ||
                    ReadFileBytes(built) == ReadFileBytes(library));
    }
    void TearDown() override { RemoveFile(library); }
};

void ExpectQuadrants(CComPicture& picture, int width, int height)
{
    ASSERT_EQ(width, picture.Width());
    ASSERT_EQ(height, picture.Height());
    // Sample well inside each area so resampling at the edges does not matter.
    EXPECT_EQ(RGB(255, 0, 0), picture.surface->Pixel(width / 10, height / 10));
    EXPECT_EQ(RGB(0, 0, 255), picture.surface->Pixel(width / 10, height * 9 / 10));
    EXPECT_EQ(RGB(0, 255, 0), picture.surface->Pixel(width * 9 / 10, height / 2));
}

TEST_F(ImageLibrary, DecodesPngAndTiffFilesToTheSurfacesSize)
{
    CComPicture picture;
    ASSERT_EQ(1, picture.Create(60, 30, 0));
    ASSERT_EQ(1, picture.LoadFromFile(WriteImage(dir.Path("map.png"), ImageFormat::Png, 40, 20, Quadrants)));
    ExpectQuadrants(picture, 60, 30);

    ASSERT_EQ(1, picture.Create(20, 10, 0));
    ASSERT_EQ(1, picture.LoadFromFile(WriteImage(dir.Path("map.tiff"), ImageFormat::Tiff, 40, 20, Quadrants)));
    ExpectQuadrants(picture, 20, 10);
}

TEST_F(ImageLibrary, WithoutASurfaceThePictureKeepsItsOwnSize)
{
    CComPicture picture;
    ASSERT_EQ(1, picture.LoadFromFile(WriteImage(dir.Path("own.tif"), ImageFormat::Tiff, 40, 20, Quadrants)));
    ExpectQuadrants(picture, 40, 20);
}

TEST_F(ImageLibrary, StreamsGoThroughTheScratchFileWhichStays)
{
    const auto png = EncodeImage(ImageFormat::Png, 40, 20, Quadrants);
    TMemoryStream stream;
    stream.Write(png.data(), png.size());
    CComPicture picture;
    ASSERT_EQ(1, picture.Create(40, 20, 0));
    ASSERT_EQ(1, picture.LoadFromStream(stream, "holiday.png"));
    ExpectQuadrants(picture, 40, 20);
    EXPECT_EQ(png, ReadFileBytes(TempFolder() + "imgtemp"));

    // The next decode overwrites it.
    const auto tiff = EncodeImage(ImageFormat::Tiff, 40, 20, Quadrants);
    TMemoryStream second;
    second.Write(tiff.data(), tiff.size());
    ASSERT_EQ(1, picture.LoadFromStream(second, "holiday.tif"));
    EXPECT_EQ(tiff, ReadFileBytes(TempFolder() + "imgtemp"));
}

// The library is loaded once and kept, so a long show that decodes thousands of pictures does not
// pay the handles that each load of it takes.
TEST_F(ImageLibrary, ManyDecodesKeepTheHandleCount)
{
    const std::string png = WriteImage(dir.Path("many.png"), ImageFormat::Png, 40, 20, Quadrants);
    const auto decode = [&png](int times) {
        for (int i = 0; i < times; ++i) {
            CComPicture picture;
            ASSERT_EQ(1, picture.LoadFromFile(png));
        }
    };
    decode(5);
    const long before = SampleProcess(::GetCurrentProcess(), ::GetCurrentProcessId()).handles;
    decode(60);
    EXPECT_LE(SampleProcess(::GetCurrentProcess(), ::GetCurrentProcessId()).handles - before, 4);
}

TEST_F(ImageLibrary, FailuresGiveZeroAndKeepThePicture)
{
    CComPicture picture;
    ASSERT_EQ(1, picture.Create(3, 3, RGB(7, 7, 7)));
    const auto keeps = [&picture] {
        EXPECT_EQ(3, picture.Width());
        EXPECT_EQ(RGB(7, 7, 7), picture.surface->Pixel(1, 1));
    };

    // No library at all (checked first: once loaded, the library stays loaded).
    RemoveFile(library);
    EXPECT_EQ(0, picture.LoadFromFile(WriteImage(dir.Path("map.png"), ImageFormat::Png, 40, 20, Quadrants)));
    keeps();
    ASSERT_TRUE(::CopyFileA((ProgramFolder() + "Expic.dll").c_str(), library.c_str(), FALSE));

    // The library hands back no image for bytes it cannot decode.
    EXPECT_EQ(0, picture.LoadFromFile(dir.Write("notes.txt", std::string("plain text"))));
    keeps();

    // A path too long for the library's 260-character buffer.
    const std::string longPath = "C:\\" + std::string(270, 'a') + ".png";
    EXPECT_EQ(0, picture.LoadFromFile(longPath));
    keeps();
}

}  // namespace
