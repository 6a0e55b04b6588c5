// The project record and the stored form of the user's settings.
#include "../../src/package/Convert.h"
#include "../../src/package/XMLDb.h"
#include "../../src/settings/SaverOptions.h"
#include "../../src/settings/VESKGlobeSettings.h"
#include "../../tools/scrpack/PlayerTables.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::uint8_t> Block(std::size_t size)
{
    std::vector<std::uint8_t> block(size);
    return block;
}

void PutI32(std::vector<std::uint8_t>& block, std::size_t offset, std::int32_t value)
{
    WriteLE32(&block[offset], static_cast<std::uint32_t>(value));
}

PackageTable AnnsProject(const std::vector<std::uint8_t>& data)
{
    ProjectRecord record;
    record.options = data;
    record.appName = "Maker";
    record.homeSite = "maker.example";
    record.projectName = "My Show 2.5";
    record.authorName = "Ann";
    record.authorWebsite = "ann.example";
    record.authorEmail = "ann@example";
    record.version = "2.5";
    record.description = "Pictures";
    return ProjectTable(record);
}

struct ProjectRecordTest : ::testing::Test {
    TempDir dir;
    CMyXMLDb db;
    CVESKGlobeSettings project;

    void Open(const std::vector<PackageTable>& tables)
    {
        const std::string path = WritePackageFile(dir, "show.scr", FakeImage(100), BuildPackage(tables));
        db.Open(path, ReadPackageOffset(path));
        project.SetDatabase(db);
        project.OpenTable();
    }
};
}  // namespace

TEST(ProjectOptions, DecodesEachOptionAtItsOffset)
{
    auto block = Block(ProjectOptions::kSize);
    PutI32(block, 8, 1);
    block[20] = 1;
    block[21] = 1;
    PutI32(block, 24, -3);
    block[28] = 1;
    PutI32(block, 32, 7);
    block[36] = 1;
    block[37] = 1;
    block[38] = 1;
    block[58] = 1;
    block[59] = 1;
    PutI32(block, 60, 2);
    PutI32(block, 64, 0x01020304);
    block[68] = 1;
    block[76] = 1;
    const ProjectOptions o = ProjectOptions::FromBytes(block.data(), block.size());
    EXPECT_EQ(1, o.runAsProgram);
    EXPECT_EQ(1, o.randomPicturePosition);
    EXPECT_EQ(1, o.randomMediaOrder);
    EXPECT_EQ(-3, o.mediaPauseSeconds);
    EXPECT_EQ(1, o.musicLoop);
    EXPECT_EQ(7, o.musicPauseSeconds);
    EXPECT_EQ(1, o.musicRandom);
    EXPECT_EQ(1, o.showDialogPicture);
    EXPECT_EQ(1, o.showPublisher);
    EXPECT_EQ(1, o.mediaEmbedded);
    EXPECT_EQ(1, o.musicEmbedded);
    EXPECT_EQ(2, o.backgroundPerPicture);
    EXPECT_EQ(0x01020304, o.pictureFit);
    EXPECT_EQ(1, o.filesBesideProgram);
    EXPECT_EQ(1, o.hasImageMedia);
}

TEST(ProjectOptions, IgnoresUnreadBytesAndShortBlocks)
{
    auto block = Block(ProjectOptions::kSize);
    for (std::size_t offset : {0, 4, 12, 16, 22, 23, 29, 39, 57, 69, 75, 77, 79})
        block[offset] = 0xEE;
    const ProjectOptions o = ProjectOptions::FromBytes(block.data(), block.size());
    EXPECT_EQ(0, o.runAsProgram);
    EXPECT_EQ(0, o.mediaPauseSeconds);
    EXPECT_EQ(0, o.hasImageMedia);

    PutI32(block, 24, 9);
    const ProjectOptions cut = ProjectOptions::FromBytes(block.data(), 26);
    EXPECT_EQ(9, cut.mediaPauseSeconds & 0xFFFF) << "the bytes present are read";
    EXPECT_EQ(0, cut.pictureFit) << "the rest stays zero";
}

TEST_F(ProjectRecordTest, LoadsOptionsAndTexts)
{
    auto data = Block(90);  // longer than the block: the extra bytes are not copied
    PutI32(data, 24, 5);
    data[58] = 1;
    Open({AnnsProject(data)});
    project.Load();
    project.SetScreensaverPath("C:\\show.scr");
    EXPECT_EQ(5, project.options.mediaPauseSeconds);
    EXPECT_EQ(1, project.options.mediaEmbedded);
    EXPECT_EQ("My Show 2.5", project.projectName);
    EXPECT_EQ("Maker", project.appName);
    EXPECT_EQ("maker.example", project.homeSite);
    EXPECT_EQ("Ann", project.authorName);
    EXPECT_EQ("ann.example", project.authorWebsite);
    EXPECT_EQ("ann@example", project.authorEmail);
    EXPECT_EQ("2.5", project.version);
    EXPECT_EQ("Pictures", project.description);
    EXPECT_EQ("C:\\show.scr", project.screensaverPath);
    EXPECT_EQ("", project.ProjectTable().ReadText("banner")) << "the banner stays in the file";

    project.CloseTable();
    EXPECT_EQ(5, project.options.mediaPauseSeconds) << "options are copied, not read from the table";
}

TEST_F(ProjectRecordTest, MissingTableLeavesZeroOptionsThenRaises)
{
    Open({PackageTable("media", {{"name"}})});
    EXPECT_TRUE(project.ProjectTable().IsClosed());
    EXPECT_THROW(project.Load(), std::out_of_range);
    EXPECT_EQ(0, project.options.pictureFit);
}

TEST(SaverOptions, DefaultsAndStoredLayout)
{
    const SaverOptions defaults;
    const auto bytes = defaults.ToBytes();
    const std::int32_t expected[18] = {5, 1, 1, 0, 1, 1, 1, 1, 0, 65, 1, 0, 60, 20, 0, 1, 25, 0};
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(expected[i], static_cast<std::int32_t>(ReadLE32(&bytes[4 * i]))) << i;

    SaverOptions o;
    o.closeKey = 0x142;
    o.screenIndex = 2;
    o.moveThreshold = -1;
    const auto changed = o.ToBytes();
    EXPECT_EQ(0x42, changed[36]);
    EXPECT_EQ(0x01, changed[37]);
    EXPECT_EQ(2, changed[68]);
    EXPECT_EQ(0xFF, changed[55]);
}

TEST(SaverOptions, RoundTripsByteForByte)
{
    SaverOptions::Bytes stored{};
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<std::uint8_t>(i * 37 + 11);
    SaverOptions o;
    o.Overlay(stored.data(), stored.size());
    EXPECT_EQ(stored, o.ToBytes());
}

TEST(SaverOptions, ShortStoredBlockKeepsTheLaterDefaults)
{
    SaverOptions::Bytes stored{};  // 40 bytes of zeros: the first ten options
    SaverOptions o;
    o.Overlay(stored.data(), 40);
    EXPECT_EQ(0, o.thresholdPosition);
    EXPECT_EQ(0, o.closeKey);
    EXPECT_EQ(1, o.playMusic);
    EXPECT_EQ(60, o.maxRuntimeMinutes);
    EXPECT_EQ(20, o.moveThreshold);
    EXPECT_EQ(25, o.ownEffectStep);

    SaverOptions partial;
    stored[40] = 0;
    partial.Overlay(stored.data(), 41);
    EXPECT_EQ(0, partial.playMusic) << "a byte of an option replaces that byte only";
}

TEST(SaverOptions, DefaultEffectListHoldsAll161Effects)
{
    const std::string list = DefaultOwnEffectList();
    EXPECT_EQ(0u, list.find("0;1;2;3;"));
    EXPECT_EQ(161, std::count(list.begin(), list.end(), ';'));
    EXPECT_EQ(list.size() - 4, list.rfind("160;"));
}

TEST(SettingsKey, CutsTheExtensionAfterTheLastFolder)
{
    EXPECT_EQ("Software\\quillmere\\My Show 2", SettingsKeyName("My Show 2.5"));
    EXPECT_EQ("Software\\quillmere\\My Show", SettingsKeyName("My Show"));
    EXPECT_EQ("Software\\quillmere\\a.b\\c", SettingsKeyName("a.b\\c"));
    EXPECT_EQ("Software\\quillmere\\x.y:z", SettingsKeyName("x.y:z"));
    EXPECT_EQ("Software\\quillmere\\a.b", SettingsKeyName("a.b.c"));
    EXPECT_EQ("Software\\quillmere\\", SettingsKeyName(".hidden"));
    EXPECT_EQ("Software\\quillmere\\My Show 2.5", SettingsKeyToRemove("My Show 2.5"));
}
