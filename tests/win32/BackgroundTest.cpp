// Backgrounds and captions painted on real surfaces.
#include "../../src/package/Payloads.h"
#include "../../src/package/XMLDb.h"
#include "../../src/platform/File.h"
#include "../../src/settings/Media.h"
#include "../../src/settings/MediaSetting.h"
#include "../../src/settings/VESKGlobeSettings.h"
#include "../../src/slideshow/Background.h"
#include "../../src/slideshow/ComPicture.h"
#include "../../src/slideshow/Gradient.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../support/OwnTempFolder.h"
#include "../support/PackageFiles.h"
#include "../support/Shows.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

COLORREF At(CComPicture& picture, int x, int y)
{
    return picture.surface->Pixel(x, y);
}
COLORREF Grey(int level)
{
    return RGB(level, level, level);
}

bool Unchanged(CComPicture& picture, COLORREF colour)
{
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (At(picture, x, y) != colour) return false;
    return true;
}

TEST(Gradient, RowsFollowTheStepInSinglePrecision)
{
    CComPicture target;
    ASSERT_EQ(1, target.Create(10, 255, 0));
    DrawGradient(0x000000, 0xFFFFFF, 0, target);
    for (int y : {0, 1, 17, 128, 254})
        EXPECT_EQ(Grey(y), At(target, 5, y)) << y;

    // 255 / 256 = 0.99609375 per row: the last row is 254, not 255.
    ASSERT_EQ(1, target.Create(10, 256, 0));
    DrawGradient(0x000000, 0xFFFFFF, 0, target);
    EXPECT_EQ(Grey(254), At(target, 9, 255));
    EXPECT_EQ(Grey(0), At(target, 0, 0));

    // Type 1 runs the other way.
    DrawGradient(0x000000, 0xFFFFFF, 1, target);
    EXPECT_EQ(Grey(255), At(target, 0, 0));
}

TEST(Gradient, EdgeBandOfTypeFiveWrapsModulo256)
{
    CComPicture target;
    ASSERT_EQ(1, target.Create(101, 4, RGB(9, 9, 9)));
    DrawGradient(0x000000, 0x0000FF, 5, target);
    // D = 50.5, n = 51: the outermost band computes 51 × 255 / 50.5 = 257, which wraps to 1.
    EXPECT_EQ(RGB(1, 0, 0), At(target, 0, 2));
    EXPECT_EQ(RGB(1, 0, 0), At(target, 100, 2));
    EXPECT_EQ(RGB(5, 0, 0), At(target, 50, 2));  // the innermost band: t = 1, ⌊5.0495⌋
}

TEST(Gradient, RingsOfTypeEightShrinkByTheirInsets)
{
    CComPicture target;
    ASSERT_EQ(1, target.Create(1920, 1080, 0));
    DrawGradient(0x000000, 0xFFFFFF, 8, target);
    const GradientRamp ramp(0x000000, 0xFFFFFF, 960.0f);
    for (int i : {0, 1, 100, 500, 900}) {
        EXPECT_EQ(ramp.At(960 - i), At(target, i, 540)) << i;
        EXPECT_EQ(ramp.At(960 - i), At(target, 1919 - i, 540)) << i;
    }
    // Rows: b = ⌊i × 0.5625⌋ repeats, and the last ring with that inset is the one that shows.
    EXPECT_EQ(ramp.At(960 - 1), At(target, 960, 0));   // rings 0 and 1 have b = 0
    EXPECT_EQ(ramp.At(960 - 3), At(target, 960, 1));   // rings 2 and 3 have b = 1
    EXPECT_EQ(ramp.At(960 - 16), At(target, 960, 9));  // ring 16: b = 9
}

TEST(Gradient, EllipseTypesFillTheCornersFirst)
{
    CComPicture target;
    ASSERT_EQ(1, target.Create(200, 100, 0));
    DrawGradient(RGB(10, 20, 30), RGB(200, 100, 50), 10, target);
    EXPECT_EQ(RGB(200, 100, 50), At(target, 0, 0));
    DrawGradient(RGB(10, 20, 30), RGB(200, 100, 50), 11, target);
    EXPECT_EQ(RGB(10, 20, 30), At(target, 199, 99));
}

TEST(Gradient, TypesOutsideTheTablePaintNothing)
{
    CComPicture target;
    ASSERT_EQ(1, target.Create(20, 20, RGB(3, 4, 5)));
    DrawGradient(0x000000, 0xFFFFFF, 12, target);
    DrawGradient(0x000000, 0xFFFFFF, -1, target);
    EXPECT_TRUE(Unchanged(target, RGB(3, 4, 5)));
}

TEST(PictureBackground, TilesAreAtLeastSixteenPixelsWide)
{
    CComPicture picture, target;
    ASSERT_EQ(1, picture.Create(32, 32, RGB(255, 0, 0)));
    picture.FillRect({16, 0, 32, 32}, RGB(0, 255, 0));
    ASSERT_EQ(1, target.Create(1280, 40, 0));
    // 1280 / 100 = 12 is raised to 16: 81 columns of 16 × 16 tiles, the last one beyond the edge.
    DrawPictureBackground(target, 2, 100, picture, false);
    for (int c = 0; c < 80; ++c) {
        EXPECT_EQ(RGB(255, 0, 0), At(target, c * 16 + 2, 5)) << c;
        EXPECT_EQ(RGB(0, 255, 0), At(target, c * 16 + 13, 37)) << c;
    }
}

TEST(PictureBackground, ZeroTileCountCountsAsOne)
{
    CComPicture picture, target;
    ASSERT_EQ(1, picture.Create(4, 2, RGB(0, 0, 255)));
    ASSERT_EQ(1, target.Create(64, 64, 0));
    DrawPictureBackground(target, 2, 0, picture, false);
    DrawPictureBackground(target, 2, 0, picture, true);
    EXPECT_EQ(RGB(0, 0, 255), At(target, 63, 63));
}

TEST(PictureBackground, CentredPictureKeepsItsSizeOnBlack)
{
    CComPicture picture, target;
    ASSERT_EQ(1, picture.Create(10, 10, RGB(0, 0, 255)));
    ASSERT_EQ(1, target.Create(40, 20, RGB(9, 9, 9)));
    DrawPictureBackground(target, 1, 0, picture, false);
    EXPECT_EQ(RGB(0, 0, 255), At(target, 15, 5));
    EXPECT_EQ(RGB(0, 0, 255), At(target, 24, 14));
    EXPECT_EQ(RGB(0, 0, 0), At(target, 14, 5));
    EXPECT_EQ(RGB(0, 0, 0), At(target, 25, 14));

    // Larger than the target: shrunk to fit, keeping its proportions.
    ASSERT_EQ(1, picture.Create(80, 80, RGB(0, 0, 255)));
    DrawPictureBackground(target, 1, 0, picture, false);
    EXPECT_EQ(RGB(0, 0, 255), At(target, 20, 10));
    EXPECT_EQ(RGB(0, 0, 0), At(target, 5, 10));

    DrawPictureBackground(target, 0, 0, picture, false);  // stretched over everything
    EXPECT_EQ(RGB(0, 0, 255), At(target, 0, 0));
    DrawPictureBackground(target, 7, 0, picture, false);  // unknown layouts draw nothing
    EXPECT_EQ(RGB(0, 0, 255), At(target, 39, 19));
}

struct Painter : ::testing::Test {
    CMediaSetting item;
    CComPicture target;
    CBackground painter;

    void SetUp() override
    {
        ASSERT_EQ(1, target.Create(640, 480, RGB(1, 2, 3)));
        painter.SetSources(&item, nullptr);
        painter.target = &target;
    }

    // The bounding box of the pixels that are not `background`.
    RECT Drawn(COLORREF background)
    {
        RECT box{target.Width(), target.Height(), -1, -1};
        for (int y = 0; y < target.Height(); ++y)
            for (int x = 0; x < target.Width(); ++x)
                if (At(target, x, y) != background) {
                    box.left = std::min<LONG>(box.left, x), box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x), box.bottom = std::max<LONG>(box.bottom, y);
                }
        return box;
    }
};

TEST_F(Painter, NoAllowedKindPaintsTheSolidColour)
{
    item.options.backgroundColor = 0xFF123456;
    painter.PaintBackground();
    EXPECT_TRUE(Unchanged(target, 0x123456));
}

TEST_F(Painter, RandomSolidColoursComeFromThePresets)
{
    item.options.backgroundSolidAllowed = 1;
    item.options.backgroundColorRandom = 1;
    const std::set<COLORREF> presets(std::begin(painter.presetColors), std::end(painter.presetColors));
    EXPECT_EQ(1u, presets.count(0x000080));
    std::set<COLORREF> seen;
    std::srand(7);
    for (int i = 0; i < 40; ++i) {
        painter.PaintBackground();
        seen.insert(At(target, 320, 240));
        EXPECT_TRUE(Unchanged(target, At(target, 0, 0)));
    }
    for (COLORREF colour : seen)
        EXPECT_EQ(1u, presets.count(colour)) << std::hex << colour;
    EXPECT_GT(seen.size(), 5u);
}

TEST_F(Painter, GradientWithAnEmptyTypeListPaintsNothing)
{
    item.options.backgroundGradientAllowed = 1;
    item.options.gradientColor1 = 0x0000FF;
    item.gradientString = "";
    painter.PaintBackground();
    EXPECT_TRUE(Unchanged(target, RGB(1, 2, 3)));
    item.gradientString = "2;";
    painter.PaintBackground();
    EXPECT_EQ(RGB(255, 0, 0), At(target, 0, 100));
}

TEST_F(Painter, TitleAtBottomRightKeepsTwentyPixelsFromTheEdge)
{
    item.options.backgroundSolidAllowed = 1;
    item.options.backgroundColor = 0x000000;
    item.options.titleShown = 1;
    item.options.titleColor = 0xFFFFFF;
    item.options.titleSize = 20;
    item.options.titlePosition = 5;
    item.title = "Evening light";
    painter.PaintBackground();
    painter.DrawTitle();
    const SIZE extent = target.dc->TextExtent(item.title);
    const RECT box = Drawn(0);
    ASSERT_GE(box.right, 0);
    EXPECT_LE(box.right, 640 - 20);
    EXPECT_GE(box.left, 640 - 20 - extent.cx);
    EXPECT_GT(box.right, 640 - 20 - 8);
    EXPECT_LE(box.bottom, 479);
    EXPECT_GE(box.top, 480 - extent.cy);
}

TEST_F(Painter, DescriptionLinesStackFromEightPixelsAboveTheirPlace)
{
    item.options.backgroundSolidAllowed = 1;
    item.options.descShown = 1;
    item.options.descColor = 0xFFFFFF;
    item.options.descSize = 12;
    item.options.descPosition = 9;
    item.options.descX = 100;
    item.options.descY = 200;
    item.desc = "first\r\nsecond\r\n\r\n";
    painter.PaintBackground();
    painter.DrawDescription();
    const int lineHeight = target.dc->TextExtent("first").cy;
    const RECT box = Drawn(0);
    EXPECT_GE(box.left, 100);
    EXPECT_GE(box.top, 192);
    EXPECT_LT(box.bottom, 192 + 2 * lineHeight);  // the final empty line is gone
    EXPECT_GT(box.bottom, 192 + lineHeight);      // the second line is drawn
}

TEST_F(Painter, PreviewPaintsNoCaptions)
{
    item.options.backgroundSolidAllowed = 1;
    item.options.titleShown = item.options.descShown = 1;
    item.options.titleColor = item.options.descColor = 0xFFFFFF;
    item.options.titleSize = item.options.descSize = 14;
    item.title = "Title";
    item.desc = "Description";
    painter.Paint(smPreview);
    EXPECT_TRUE(Unchanged(target, 0));
    painter.Paint(smSaver);
    EXPECT_FALSE(Unchanged(target, 0));
}

// A show of a picture item and a video item, the picture stored in the package and listed as a
// background image under another path.
struct PictureSources : ::testing::Test {
    OwnTempFolder temp;
    TempDir dir;
    CMyXMLDb db;
    CMediaSetting item;
    CMedia media;
    CVESKGlobeSettings project;
    CComPicture target;
    CBackground painter;
    static constexpr COLORREF kDawn = RGB(200, 120, 40);

    void SetUp() override
    {
        std::vector<PackageTable> tables{ProjectTable(ProjectRecord()), SettingTable(), MediaTable(), BackImageTable()};
        ShowItem video;
        video.options.mediaType = 2;
        video.filename = "clip.avi";
        AddShowItem(tables[1], video);
        ShowItem picture;
        picture.filename = "Dawn.bmp";
        AddShowItem(tables[1], picture);
        tables[2].AddRecord({PackageValue::Text("dawn.bmp"),
                             PackageValue::Bytes(MakeBitmapFile(8, 6, [](int, int) { return kDawn; }))});
        tables[3].AddRecord({PackageValue::Text("C:\\Pictures\\DAWN.BMP")});
        const std::string show = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage(tables));
        ASSERT_TRUE(db.Open(show, ReadPackageOffset(show)));
        item.SetDatabase(db);
        item.Open();
        item.LoadCurrent();  // the video item: the show's pictures are found among the others
        media.SetDatabase(db);
        media.Open();
        project.options.mediaEmbedded = 1;
        ASSERT_EQ(1, target.Create(32, 24, RGB(1, 2, 3)));
        painter.SetSources(&item, &project);
        painter.target = &target;
        painter.media = &media;
        item.options.backgroundPictureAllowed = 1;
    }
};

TEST_F(PictureSources, ShowPictureIsStretchedOverTheTargetAndTheItemStaysCurrent)
{
    item.options.pictureBackgroundOwn = 1;
    painter.PaintBackground();
    EXPECT_TRUE(Unchanged(target, kDawn));
    EXPECT_EQ(0, item.CurrentItem());
}

TEST_F(PictureSources, ListedPictureIsFoundByItsFileName)
{
    item.options.pictureBackgroundListed = 1;
    item.backgroundList = "0;";
    painter.PaintBackground();
    EXPECT_TRUE(Unchanged(target, kDawn));

    // An index beyond the list's table gives black.
    item.backgroundList = "3;";
    painter.PaintBackground();
    EXPECT_TRUE(Unchanged(target, RGB(0, 0, 0)));
}

TEST_F(PictureSources, DesktopSnapshotIsCopiedAtItsOwnSizeOrBlackWithoutIt)
{
    const std::string snapshot = TempFolder() + "veskdsk.bmp";
    item.options.pictureBackgroundDesktop = 1;
    CComPicture desktop;
    ASSERT_EQ(1, desktop.Create(10, 10, RGB(0, 90, 0)));
    ASSERT_EQ(1, desktop.SaveToFile(snapshot));
    painter.PaintBackground();
    EXPECT_EQ(RGB(0, 90, 0), At(target, 9, 9));
    EXPECT_EQ(RGB(1, 2, 3), At(target, 10, 10));  // the rest stays as it was

    RemoveFile(snapshot);
    painter.PaintBackground();
    EXPECT_TRUE(Unchanged(target, RGB(0, 0, 0)));
}

}  // namespace
