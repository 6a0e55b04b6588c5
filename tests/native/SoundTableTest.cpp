// Choosing background tracks and finding the items' own sounds in the "music" table.
#include "../../src/package/XMLDb.h"
#include "../../src/platform/File.h"
#include "../../src/players/SoundTable.h"
#include "../../tools/scrpack/PlayerTables.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

namespace {
struct Track {
    std::string name;
    int type;
};

struct SoundTableTest : ::testing::Test {
    TempDir dir;
    std::string temp = dir.Path("temp") + PathSeparator();
    CMyXMLDb db;
    std::unique_ptr<CSoundTable> music;
    std::string show;

    void Open(const std::vector<Track>& tracks)
    {
        std::filesystem::create_directories(dir.Path("temp"));
        PackageTable table = MusicTable();
        for (const Track& track : tracks)
            table.AddRecord({PackageValue::Text(track.name), PackageValue::Int(track.type),
                             PackageValue::Text("bytes of " + track.name)});
        show = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage({table}));
        db.Open(show, ReadPackageOffset(show));
        music = std::make_unique<CSoundTable>(db, temp);
        music->Open();
    }
    // The file name of the next embedded track's copy (its stored name).
    std::string Next(bool random, bool loop)
    {
        return std::filesystem::path(music->NextTrack(show, random, loop, true, false)).filename().string();
    }
};

const std::vector<Track> kThree = {{"a.wav", 1}, {"b.wav", 1}, {"c.wav", 1}};
}  // namespace

TEST_F(SoundTableTest, InOrderOncePlaysEachTrackThenTheMusicIsOver)
{
    Open({{"a.wav", 1}, {"b.wav", 1}});
    EXPECT_EQ("a.wav", Next(false, false));
    EXPECT_EQ("b.wav", Next(false, false));
    EXPECT_EQ("", Next(false, false));
    EXPECT_EQ("", Next(false, false));
}

TEST_F(SoundTableTest, InOrderInALoopStartsAgainAfterTheLast)
{
    Open({{"a.wav", 1}, {"b.wav", 1}});
    std::vector<std::string> played;
    for (int i = 0; i < 5; ++i)
        played.push_back(Next(false, true));
    EXPECT_EQ((std::vector<std::string>{"a.wav", "b.wav", "a.wav", "b.wav", "a.wav"}), played);
}

TEST_F(SoundTableTest, AtRandomOncePlaysEveryTrackOnceThenTheMusicIsOver)
{
    Open(kThree);
    std::set<std::string> played;
    for (int i = 0; i < 3; ++i)
        played.insert(Next(true, false));
    EXPECT_EQ((std::set<std::string>{"a.wav", "b.wav", "c.wav"}), played);
    EXPECT_EQ("", Next(true, false));
}

TEST_F(SoundTableTest, AtRandomInALoopPlaysEveryTrackOncePerPass)
{
    Open(kThree);
    for (int pass = 0; pass < 4; ++pass) {
        std::set<std::string> played;
        for (int i = 0; i < 3; ++i)
            played.insert(Next(true, true));
        EXPECT_EQ(3u, played.size()) << "pass " << pass;
    }
}

TEST_F(SoundTableTest, ItemSoundsAreFoundByNameButNeverPlayedAsMusic)
{
    Open({{"a.wav", 1}, {"Sounds\\Theme.mp3", 2}, {"b.wav", 1}});
    std::vector<std::string> played;
    for (int i = 0; i < 4; ++i)
        played.push_back(Next(false, true));
    EXPECT_EQ((std::vector<std::string>{"a.wav", "b.wav", "a.wav", "b.wav"}), played);

    const std::string sound = music->TrackByName("Music\\THEME.MP3", show, true, false);
    const std::string stored = std::string("Sounds") + PathSeparator() + "Theme.mp3";
    EXPECT_EQ(0u, sound.find(temp));
    EXPECT_EQ(stored, sound.substr(sound.size() - stored.size())) << "below the temporary folder as stored";
    EXPECT_EQ("bytes of Sounds\\Theme.mp3", ReadFileText(sound));
    EXPECT_EQ("", music->TrackByName("other.mp3", show, true, false));
    EXPECT_EQ("", music->TrackByName("Music\\", show, true, false));
}

TEST_F(SoundTableTest, EachCopyReplacesTheLastOfItsKindAndIsRemovedWhenDone)
{
    Open({{"a.wav", 1}, {"b.wav", 1}, {"s.wav", 2}});
    const std::string a = music->NextTrack(show, false, false, true, false);
    const std::string sound = music->TrackByName("s.wav", show, true, false);
    EXPECT_EQ("bytes of a.wav", ReadFileText(a));
    const std::string b = music->NextTrack(show, false, false, true, false);
    EXPECT_FALSE(FileExists(a));
    EXPECT_TRUE(FileExists(b));
    EXPECT_TRUE(FileExists(sound));  // the item's sound is another kind
    music->RemoveMusicFile();
    music->RemoveBoundFile();
    EXPECT_FALSE(FileExists(b));
    EXPECT_FALSE(FileExists(sound));
}

TEST_F(SoundTableTest, ATrackAndAnItemSoundOfOneNameHaveCopiesOfTheirOwn)
{
    Open({{"a.wav", 1}});
    const std::string track = music->NextTrack(show, false, false, true, false);
    const std::string sound = music->TrackByName("a.wav", show, true, false);
    EXPECT_NE(track, sound);
    music->RemoveBoundFile();
    EXPECT_EQ("bytes of a.wav", ReadFileText(track)) << "the sound's copy went alone";
}

TEST_F(SoundTableTest, WithoutATemporaryFolderNothingIsCopied)
{
    Open({{"a.wav", 1}});
    CSoundTable noFolder(db, "");
    noFolder.Open();
    EXPECT_EQ("", noFolder.NextTrack(show, false, false, true, false)) << "not into the current folder";
}

TEST_F(SoundTableTest, ANameThatLeavesTheTemporaryFolderIsNotWritten)
{
    Open({{"..\\escaped.wav", 1}});
    EXPECT_EQ("", Next(false, false));
    EXPECT_FALSE(FileExists(dir.Path("escaped.wav")));
}

TEST_F(SoundTableTest, SeparateTracksAreTakenWhereTheyAreOrBesideTheScreensaver)
{
    Open({{"C:\\Author\\Music\\a.wav", 1}, {"C:\\Author\\Music\\s.wav", 2}});
    const std::string beside = dir.Write("a.wav", std::string("track"));
    EXPECT_EQ(beside, music->NextTrack(show, false, true, false, true));
    try {
        music->TrackByName("s.wav", show, false, true);
        FAIL() << "a missing sound file was not reported";
    } catch (const ETrackNotFound& e) {
        EXPECT_STREQ("Cann't find ", e.what());
        EXPECT_EQ(dir.Path("s.wav"), e.path);
    }
    // Without `beside`, the stored path itself (which does not exist here).
    EXPECT_THROW(music->NextTrack(show, false, true, false, false), ETrackNotFound);
}

TEST_F(SoundTableTest, AShowWithoutMusicHasNoTracks)
{
    PackageTable media = MediaTable();
    show = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage({media}));
    db.Open(show, ReadPackageOffset(show));
    CSoundTable none(db, temp);
    none.Open();
    EXPECT_EQ("", none.NextTrack(show, false, true, true, false));
    EXPECT_EQ("", none.TrackByName("a.wav", show, true, false));
}
