// The current show item: order of items, each item's own effect list, the user's own effects.
#include "../../src/package/Convert.h"
#include "../../src/package/XMLDb.h"
#include "../../src/settings/MediaSetting.h"
#include "../../src/settings/SaverSettings.h"
#include "../../tools/scrpack/PlayerTables.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

#include <set>

namespace {
struct Item {
    std::string filename;
    std::string effects;
    std::int32_t effectStep;
};

struct MediaSettingTest : ::testing::Test {
    TempDir dir;
    CMyXMLDb db;
    CSaverSettings settings;
    CMediaSetting show;

    void Open(const std::vector<Item>& items, const std::string& accFiles = "", PackageTable accfile = AccFileTable())
    {
        PackageTable setting = SettingTable();
        for (const Item& item : items) {
            std::vector<std::uint8_t> data(ShowItemOptions::kSize);
            data[5] = 1;  // musicOn
            WriteLE32(&data[80], static_cast<std::uint32_t>(item.effectStep));
            auto text = PackageValue::Text;
            setting.AddRecord({PackageValue::Bytes(data), text(item.filename), text("t"), text("Arial"), text("1;"),
                               text("d"), text("Arial"), text(""), text("0;"), text(item.effects), text(""), text(""),
                               text(accFiles)});
        }
        const std::string path =
            WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage({setting, std::move(accfile)}));
        db.Open(path, ReadPackageOffset(path));
        show.SetDatabase(db);
        show.SetSaverSettings(settings);
        show.Open();
        show.LoadCurrent();
    }
};

const std::vector<Item> kThreeItems = {{"a.jpg", "3;7;", 10}, {"b.jpg", "5;9;", 20}, {"c.jpg", "", 30}};
}  // namespace

TEST_F(MediaSettingTest, WalksTheItemsInTableOrder)
{
    Open(kThreeItems);
    EXPECT_EQ(3, show.ItemCount());
    std::vector<std::string> visited = {show.filename};
    for (int i = 0; i < 4; ++i) {
        show.Advance(false);
        visited.push_back(show.filename);
    }
    EXPECT_EQ((std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg", "a.jpg", "b.jpg"}), visited);
    EXPECT_EQ(20, show.options.effectStep);
    EXPECT_EQ(1, show.options.musicOn);
}

TEST_F(MediaSettingTest, ShuffledShowShowsEachItemOncePerPass)
{
    Open(kThreeItems);
    EXPECT_EQ("a.jpg", show.filename) << "the show starts with the first record";
    for (int pass = 0; pass < 3; ++pass) {
        std::set<std::string> shown;
        for (int i = 0; i < 3; ++i) {
            show.Advance(true);
            shown.insert(show.filename);
        }
        EXPECT_EQ(3u, shown.size());
    }
}

TEST_F(MediaSettingTest, TheItemChosenAheadIsWhereTheNextAdvanceGoes)
{
    Open(kThreeItems);
    for (const bool random : {false, true, true, false}) {
        const std::int32_t current = show.CurrentItem();
        CMediaSetting next;
        const std::int32_t chosen = show.ChooseNext(random, next);
        EXPECT_EQ(chosen, show.ChooseNext(random, next)) << "drawn once";
        EXPECT_EQ(current, show.CurrentItem());
        show.Advance(random);
        EXPECT_EQ(chosen, show.CurrentItem());
        EXPECT_EQ(show.filename, next.filename);
        EXPECT_EQ(show.options.effectStep, next.options.effectStep);
    }
}

TEST_F(MediaSettingTest, EachItemWalksItsOwnEffectList)
{
    Open(kThreeItems);
    std::vector<std::int32_t> effects;
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 3; ++i) {
            effects.push_back(show.NextEffect());
            show.Advance(false);
        }
    EXPECT_EQ((std::vector<std::int32_t>{3, 5, -1, 7, 9, -1}), effects);
}

TEST_F(MediaSettingTest, TheUsersOwnEffectsReplaceTheItems)
{
    settings.options.ownEffects = 1;
    settings.options.effectsRandom = 0;
    settings.options.playMusic = 0;
    settings.options.ownEffectStep = 7;
    settings.ownEffectList = "1;2;";
    Open(kThreeItems);
    EXPECT_EQ("1;2;", show.effectList);
    EXPECT_EQ(0, show.options.randomEffect);
    EXPECT_EQ(0, show.options.musicOn);
    EXPECT_EQ(7, show.options.effectStep);
    EXPECT_EQ(1, show.NextEffect());
    EXPECT_EQ(2, show.NextEffect());
}

TEST_F(MediaSettingTest, EmptyShowHasNothingToAdvanceTo)
{
    Open({});
    EXPECT_EQ(0, show.ItemCount());
    show.Advance(false);
    show.Advance(true);
    EXPECT_EQ(-1, show.CurrentItem());
    EXPECT_EQ("", show.filename);
    EXPECT_EQ(0, show.options.mediaType);
    EXPECT_EQ(-1, show.NextEffect());
}

TEST_F(MediaSettingTest, AuxiliaryFilesOfTheNameListAreWrittenIntoTheFolder)
{
    PackageTable accfile = AccFileTable();
    for (const char* name : {"A.XML", "b.xml", "sub\\c.xml", "..\\evil.xml", "C:\\evil.xml"})
        accfile.AddRecord({PackageValue::Text(name), PackageValue::Text(std::string("content of ") + name)});
    Open({{"movie.swf", "", 25}}, "a.xml#sub\\c.xml#missing.xml#..\\evil.xml#C:\\evil.xml#b.xml#", std::move(accfile));
    const std::string folder = dir.Path("movie") + "\\";
    ::CreateDirectoryA(dir.Path("movie").c_str(), nullptr);
    WriteFileText(folder + "b.xml", "kept");

    show.ExtractAccFiles(folder, false);
    EXPECT_EQ("content of A.XML", ReadFileText(folder + "a.xml"));
    EXPECT_EQ("content of sub\\c.xml", ReadFileText(folder + "sub\\c.xml")) << "a sub-folder below is written";
    EXPECT_EQ("kept", ReadFileText(folder + "b.xml")) << "without overwrite an existing file stays";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(dir.Path("evil.xml").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("C:\\evil.xml"));

    show.ExtractAccFiles(folder, true);
    EXPECT_EQ("content of b.xml", ReadFileText(folder + "b.xml"));
}

TEST_F(MediaSettingTest, OnlyNamesFollowedByTheSeparatorAreExtracted)
{
    PackageTable accfile = AccFileTable();
    accfile.AddRecord({PackageValue::Text("a.xml"), PackageValue::Text("a")});
    accfile.AddRecord({PackageValue::Text("b.xml"), PackageValue::Text("b")});
    Open({{"movie.swf", "", 25}}, "a.xml#b.xml", std::move(accfile));
    const std::string folder = dir.Path("");
    show.ExtractAccFiles(folder, true);
    EXPECT_EQ("a", ReadFileText(folder + "a.xml"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((folder + "b.xml").c_str()));
}
