// Drawing surfaces and the built-in readers: pixels read back from real DIB sections.
#include "../../src/framework/ImageReader.h"
#include "../../src/platform/Stream.h"
#include "../../src/slideshow/ComPicture.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../support/ProcessFigures.h"
#include "../support/TempDir.h"
#include "../support/TestImages.h"

#include <gtest/gtest.h>

namespace {

COLORREF At(CComPicture& picture, int x, int y)
{
    return picture.surface->Pixel(x, y);
}

// Channels within a tolerance: lossy formats and resampling move colours a little.
void ExpectNear(COLORREF expected, COLORREF actual, int tolerance)
{
    EXPECT_NEAR(GetRValue(expected), GetRValue(actual), tolerance);
    EXPECT_NEAR(GetGValue(expected), GetGValue(actual), tolerance);
    EXPECT_NEAR(GetBValue(expected), GetBValue(actual), tolerance);
}

TEST(Picture, CreateFillsAndRefusesSizesNotAboveZeroKeepingTheOldSurface)
{
    CComPicture picture;
    ASSERT_EQ(1, picture.Create(3, 2, RGB(10, 20, 30)));
    EXPECT_EQ(3, picture.Width());
    EXPECT_EQ(2, picture.Height());
    EXPECT_EQ(RGB(10, 20, 30), At(picture, 2, 1));
    EXPECT_EQ(RGB(10, 20, 30), picture.surface->Canvas().BrushColor()) << "later fills use the same colour";

    EXPECT_EQ(0, picture.Create(0, 100, RGB(1, 1, 1)));
    EXPECT_EQ(0, picture.Create(100, -1, RGB(1, 1, 1)));
    EXPECT_EQ(3, picture.Width());
    EXPECT_EQ(RGB(10, 20, 30), At(picture, 0, 0));

    picture.Release();
    EXPECT_FALSE(picture.surface);
    EXPECT_FALSE(picture.dc);
    EXPECT_EQ(0, picture.GetBounds().right);
}

TEST(Picture, ColoursLoseTheirHighByte)
{
    CComPicture picture;
    ASSERT_EQ(1, picture.Create(4, 4, 0xFF0000FF));
    EXPECT_EQ(RGB(255, 0, 0), At(picture, 1, 1));
    picture.FillRect({0, 0, 2, 2}, 0x80FF0000);
    EXPECT_EQ(RGB(0, 0, 255), At(picture, 1, 1));
    EXPECT_EQ(RGB(255, 0, 0), At(picture, 2, 2));

    picture.dc->SetBrushColor(0x8000FF00);
    picture.dc->FillRect({0, 0, 4, 1});
    EXPECT_EQ(RGB(0, 255, 0), At(picture, 3, 0));
}

TEST(Picture, PenStyleOutsideTheTableKeepsTheStyleButTakesWidthAndColour)
{
    CComPicture picture;
    ASSERT_EQ(1, picture.Create(20, 20, 0));
    EXPECT_TRUE(picture.dc->SetPen(1, 1, RGB(255, 0, 0)));
    EXPECT_EQ(PS_DASH, picture.dc->canvas->PenStyle());
    EXPECT_TRUE(picture.dc->SetPen(9, 3, RGB(0, 0, 255)));
    EXPECT_EQ(PS_DASH, picture.dc->canvas->PenStyle());

    LOGPEN pen{};
    ASSERT_TRUE(::GetObjectA(::GetCurrentObject(picture.dc->Handle(), OBJ_PEN), sizeof pen, &pen));
    EXPECT_EQ(RGB(0, 0, 255), pen.lopnColor);
    EXPECT_EQ(3, pen.lopnWidth.x);
}

TEST(Picture, DrawCopiesTheWholePictureAndAnEmptyPictureDrawsNothing)
{
    CComPicture source, target, empty;
    ASSERT_EQ(1, source.Create(2, 2, RGB(9, 8, 7)));
    ASSERT_EQ(1, target.Create(5, 5, RGB(1, 1, 1)));
    source.Draw(3, 3, target, SRCCOPY);
    EXPECT_EQ(RGB(9, 8, 7), At(target, 3, 3));
    EXPECT_EQ(RGB(9, 8, 7), At(target, 4, 4));
    EXPECT_EQ(RGB(1, 1, 1), At(target, 2, 2));
    empty.Draw(0, 0, target, SRCCOPY);
    EXPECT_EQ(RGB(1, 1, 1), At(target, 0, 0));
    EXPECT_EQ(1, empty.DrawTransparent(*target.dc, 0, 0));
    EXPECT_EQ(RGB(1, 1, 1), At(target, 0, 0));
}

TEST(Picture, TransparentCopyKeysOnPixelOneOne)
{
    const COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0), green = RGB(0, 200, 0);
    CComPicture picture, target;
    ASSERT_EQ(1, picture.Create(4, 4, white));
    picture.FillRect({0, 0, 1, 1}, red);    // (0, 0) is not the key
    picture.FillRect({2, 0, 4, 1}, green);  // a row of green
    ASSERT_EQ(1, target.Create(8, 8, RGB(0, 0, 90)));

    EXPECT_EQ(1, picture.DrawTransparent(*target.dc, 2, 3));
    EXPECT_EQ(red, At(target, 2, 3));
    EXPECT_EQ(green, At(target, 4, 3));
    EXPECT_EQ(green, At(target, 5, 3));
    EXPECT_EQ(RGB(0, 0, 90), At(target, 3, 3));  // white showed the target
    EXPECT_EQ(RGB(0, 0, 90), At(target, 5, 6));
    EXPECT_EQ(RGB(0, 0, 90), At(target, 1, 3));  // outside untouched
}

TEST(Picture, StretchedTransparentCopyScalesFirst)
{
    CComPicture picture, target;
    ASSERT_EQ(1, picture.Create(4, 4, RGB(255, 255, 255)));
    picture.FillRect({2, 2, 4, 4}, RGB(0, 0, 255));
    ASSERT_EQ(1, target.Create(10, 10, RGB(50, 50, 50)));
    EXPECT_EQ(1, picture.StretchDrawTransparent(*target.dc, 1, 1, 8, 8));
    EXPECT_EQ(RGB(50, 50, 50), At(target, 2, 2));
    ExpectNear(RGB(0, 0, 255), At(target, 8, 8), 8);
    EXPECT_EQ(RGB(50, 50, 50), At(target, 0, 0));
}

TEST(Picture, SavedBitmapReadsBackExactly)
{
    TempDir dir;
    CComPicture picture, loaded;
    ASSERT_EQ(1, picture.Create(7, 5, RGB(1, 2, 3)));
    picture.FillRect({0, 0, 3, 2}, RGB(200, 100, 50));
    ASSERT_EQ(1, picture.SaveToFile(dir.Path("saved.bmp")));
    ASSERT_EQ(1, loaded.LoadFromFile(dir.Path("saved.bmp")));
    ASSERT_EQ(7, loaded.Width());
    ASSERT_EQ(5, loaded.Height());
    EXPECT_EQ(RGB(200, 100, 50), At(loaded, 0, 0));
    EXPECT_EQ(RGB(200, 100, 50), At(loaded, 2, 1));
    EXPECT_EQ(RGB(1, 2, 3), At(loaded, 3, 1));
    EXPECT_EQ(RGB(1, 2, 3), At(loaded, 6, 4));
    EXPECT_EQ(0, picture.SaveToFile(dir.Path("missing\\folder\\saved.bmp")));
}

TEST(Picture, BuiltInReadersDecodeFilesAndStreamsAtTheirOwnSize)
{
    TempDir dir;
    const auto blue = [](int, int) { return RGB(0, 0, 255); };
    const auto halves = [](int x, int) { return x < 8 ? RGB(255, 0, 0) : RGB(0, 255, 0); };
    CComPicture picture;
    ASSERT_EQ(1, picture.LoadFromFile(WriteImage(dir.Path("Sunset.JPG"), ImageFormat::Jpeg, 16, 9, halves)));
    EXPECT_EQ(16, picture.Width());
    EXPECT_EQ(9, picture.Height());
    ExpectNear(RGB(255, 0, 0), At(picture, 2, 4), 24);
    ExpectNear(RGB(0, 255, 0), At(picture, 13, 4), 24);

    TMemoryStream stream;
    const auto gif = EncodeImage(ImageFormat::Gif, 5, 6, blue);
    stream.Write(gif.data(), gif.size());
    ASSERT_EQ(1, picture.LoadFromStream(stream, "anim.gif"));
    EXPECT_EQ(5, picture.Width());
    ExpectNear(RGB(0, 0, 255), At(picture, 4, 5), 8);

    // A name with ".bmp" anywhere is read as a bitmap, whatever follows.
    TMemoryStream bitmap;
    const auto bmp = EncodeImage(ImageFormat::Bmp, 3, 3, blue);
    bitmap.Write(bmp.data(), bmp.size());
    ASSERT_EQ(1, picture.LoadFromStream(bitmap, "scan.bmp.png"));
    EXPECT_EQ(RGB(0, 0, 255), At(picture, 1, 1));
}

// Pictures of the package are decoded from bytes in memory, one per item change: nothing of a
// 4.8 MB bitmap may stay behind after its decode.
TEST(Picture, DecodingFromBytesKeepsNothingOfThem)
{
    const auto bmp = MakeBitmapFile(1600, 1000, [](int x, int y) { return static_cast<std::uint32_t>(x * y); });
    const auto privateBytes = [] { return SampleProcess(::GetCurrentProcess(), ::GetCurrentProcessId()).privateBytes; };
    TBitmap decoded;
    ReadImageBytes(bmp.data(), bmp.size(), decoded);
    const double before = privateBytes();
    for (int i = 0; i < 20; ++i)
        ReadImageBytes(bmp.data(), bmp.size(), decoded);
    EXPECT_LE(privateBytes() - before, 8.0 * 1024 * 1024);
}

TEST(Picture, UnreadableInputRaisesAfterTheOldSurfaceIsGone)
{
    TempDir dir;
    CComPicture picture;
    ASSERT_EQ(1, picture.Create(4, 4, 0));
    const std::string broken = dir.Write("broken.jpg", std::string("not a picture at all"));
    EXPECT_THROW(picture.LoadFromFile(broken), EInvalidGraphic);
    EXPECT_FALSE(picture.surface);
    EXPECT_THROW(picture.LoadFromFile(dir.Path("missing.bmp")), EInvalidGraphic);

    TMemoryStream empty;
    EXPECT_THROW(picture.LoadFromStream(empty, "empty.gif"), EInvalidGraphic);
}

TEST(Picture, ScreenCaptureHasTheVirtualScreensSize)
{
    CComPicture picture;
    picture.CaptureScreen(0);
    ASSERT_TRUE(picture.surface);
    EXPECT_EQ(::GetSystemMetrics(SM_CXVIRTUALSCREEN), picture.Width());
    EXPECT_EQ(::GetSystemMetrics(SM_CYVIRTUALSCREEN), picture.Height());
}

}  // namespace
