// Background music and the items' own sounds in a show, through Wine's null sound device (which
// plays faster than real time: the tests follow the polls and the messages).
#include "../../src/platform/File.h"
#include "../../src/players/SoundPlayer.h"
#include "../../tools/scrpack/MediaFiles.h"
#include "../support/MessagePump.h"
#include "../support/PictureShows.h"

#include <gtest/gtest.h>

namespace {

// "a.wav" and "b.wav" as background music, "long.wav" as an item's own sound.
PackageTable Music()
{
    PackageTable music = MusicTable();
    for (const char* name : {"a.wav", "b.wav"})
        music.AddRecord({PackageValue::Text(name), PackageValue::Int(1), PackageValue::Bytes(MakeWaveFile(200))});
    music.AddRecord(
        {PackageValue::Text("Sounds\\long.wav"), PackageValue::Int(2), PackageValue::Bytes(MakeWaveFile(400))});
    return music;
}

std::vector<PictureItem> Pictures(std::uint8_t musicOn)
{
    std::vector<PictureItem> items = {ColourItem("red.bmp", RGB(200, 0, 0)), ColourItem("blue.bmp", RGB(0, 0, 200))};
    for (PictureItem& item : items)
        item.options.musicOn = musicOn;
    return items;
}

std::vector<std::string> TracksPlayed(const std::string& log)
{
    std::vector<std::string> tracks;
    const std::string key = "Play music ";
    for (std::size_t at = log.find(key); at != std::string::npos; at = log.find(key, at + 1)) {
        const std::size_t start = log.find_last_of("\\", log.find('\n', at)) + 1;
        tracks.push_back(log.substr(start, log.find('\n', at) - start));
    }
    return tracks;
}

TEST(MusicShow, TracksFollowEachOtherInOrderAndRoundAgain)
{
    PictureShow show(Pictures(1), {Music()});
    show.project.options.musicEmbedded = 1;
    show.project.options.musicLoop = 1;
    show.Open(smProgram);
    show.form->busy = true;  // the pictures stay; the music goes on
    ASSERT_TRUE(show.WaitForLog("Play music ", 3));
    const std::vector<std::string> tracks = TracksPlayed(show.LogText());
    EXPECT_EQ((std::vector<std::string>{"a.wav", "b.wav", "a.wav"}),
              std::vector<std::string>(tracks.begin(), tracks.begin() + 3));
}

TEST(MusicShow, ATrackEndingDuringAnItemWithoutMusicStartsTheNextUnpaused)
{
    PictureShow show(Pictures(0), {Music()});
    show.project.options.musicEmbedded = 1;
    show.Open(smProgram);
    show.form->busy = true;
    CSoundPlayer& music = *show.form->musicPlayer;
    ASSERT_TRUE(music.Playing());
    EXPECT_TRUE(music.Paused());  // started paused, and this item wants no music
    const std::string first = show.form->musicTable.currentMusicFile;
    ::SendMessageA(show.window, Tfmain::kTrackFinished, 0, 0);
    EXPECT_FALSE(FileExists(first));  // the finished track's copy is gone
    EXPECT_TRUE(music.Playing());
    EXPECT_FALSE(music.Paused());
    ::SendMessageA(show.window, Tfmain::kPauseMusic, 0, 0);
    EXPECT_TRUE(music.Paused());
    ::SendMessageA(show.window, Tfmain::kResumeMusic, 0, 0);
    EXPECT_FALSE(music.Paused());
}

TEST(MusicShow, AnItemLastsUntilItsOwnSoundHasEnded)
{
    std::vector<PictureItem> items = Pictures(1);
    items[0].bindSound = "C:\\Author\\LONG.WAV";
    PictureShow show(items, {Music()});
    show.project.options.mediaPauseSeconds = 30;  // the pause after the item shows that it ended
    show.Open(smProgram);
    ASSERT_TRUE(show.form->boundSoundPlaying);
    const std::string sound = show.form->musicTable.currentBoundFile;
    EXPECT_TRUE(FileExists(sound));
    // Whichever ends first, the picture or the sound (the silent test device plays faster than real
    // time, and a loaded machine may take longer over the picture), the pause before the next item
    // starts only when both have ended.
    bool armedWhileSounding = false;
    ASSERT_TRUE(PumpUntil(
        [&] {
            armedWhileSounding = armedWhileSounding || (show.form->itemTimerArmed && show.form->boundSoundPlaying);
            return show.form->itemTimerArmed;
        },
        10000));
    EXPECT_FALSE(armedWhileSounding);
    EXPECT_FALSE(show.form->itemPlaying);
    EXPECT_FALSE(show.form->boundSoundPlaying);
    EXPECT_FALSE(FileExists(sound));  // its copy went with it
}

TEST(MusicShow, AMissingSeparateTrackEndsTheMusicAndIsLogged)
{
    PictureShow show(Pictures(1), {Music()});
    show.project.options.musicEmbedded = 0;
    show.project.options.filesBesideProgram = 1;
    show.project.screensaverPath = show.dir.Path("show.scr");
    show.Open(smProgram);
    show.form->busy = true;
    EXPECT_EQ(1, show.LogCount("Cann't find " + show.dir.Path("a.wav")));
    EXPECT_FALSE(show.form->musicPlayer->Playing());
}

}  // namespace
