// The show rests while the display is off: the system's display notices reach the screen window;
// while the display is off no transition frame is drawn, no item follows, and the music and a
// video hold. All of it goes on from where it was when the display is back.
#include "../../src/framework/Timer.h"
#include "../../src/players/SoundPlayer.h"
#include "../../src/players/VideoPlayer.h"
#include "../../src/slideshow/ImageSlideShowPlayer.h"
#include "../../tools/scrpack/MediaFiles.h"
#include "../support/MessagePump.h"
#include "../support/PictureShows.h"

#include <gtest/gtest.h>

namespace {

void DisplayOff(HWND window)
{
    SendPowerSetting(window, GUID_CONSOLE_DISPLAY_STATE, 0);
}
void DisplayOn(HWND window)
{
    SendPowerSetting(window, GUID_CONSOLE_DISPLAY_STATE, 1);
}

std::vector<PictureItem> TwoColours(bool transitions = true)
{
    std::vector<PictureItem> items{ColourItem("red.bmp", RGB(200, 0, 0)), ColourItem("blue.bmp", RGB(0, 0, 200))};
    for (PictureItem& item : items)
        item.options.transitionsOn = transitions;
    return items;
}

const char kRests[] = "Display off, the show rests";
const char kGoesOn[] = "Display on, the show goes on";

struct Notice {
    const GUID* setting;  // null: a monitor-power system command with `value` as its parameter
    DWORD value;
};
struct NoticeCase {
    const char* name;
    std::vector<Notice> notices;
    int rests, goesOn;
};
class DisplayNotices : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(DisplayNotices, TheShowRestsOnlyWhileTheDisplayIsOff)
{
    PictureShow show(TwoColours());
    show.Open(smProgram);
    show.form->busy = true;
    for (const Notice& notice : GetParam().notices) {
        if (notice.setting)
            SendPowerSetting(show.window, *notice.setting, notice.value);
        else
            ::SendMessageA(show.window, WM_SYSCOMMAND, SC_MONITORPOWER, notice.value);
    }
    EXPECT_EQ(GetParam().rests, show.LogCount(kRests));
    EXPECT_EQ(GetParam().goesOn, show.LogCount(kGoesOn));
    EXPECT_EQ(GetParam().rests > GetParam().goesOn, show.form->Resting());
}

const GUID& kConsole = GUID_CONSOLE_DISPLAY_STATE;
const GUID& kMonitor = GUID_MONITOR_POWER_ON;
INSTANTIATE_TEST_SUITE_P(Notices, DisplayNotices,
                         ::testing::Values(NoticeCase{"Off", {{&kConsole, 0}}, 1, 0},
                                           NoticeCase{"OffOn", {{&kConsole, 0}, {&kConsole, 1}}, 1, 1},
                                           NoticeCase{"OffDimmed", {{&kConsole, 0}, {&kConsole, 2}}, 1, 1},
                                           NoticeCase{"DimmedAlone", {{&kConsole, 2}}, 0, 0},
                                           NoticeCase{"MonitorOffOn", {{&kMonitor, 0}, {&kMonitor, 1}}, 1, 1},
                                           NoticeCase{"BothSettingsOneChange",
                                                      {{&kConsole, 0}, {&kMonitor, 0}, {&kConsole, 1}, {&kMonitor, 1}},
                                                      1,
                                                      1},
                                           NoticeCase{"OtherSetting", {{&GUID_ACDC_POWER_SOURCE, 0}}, 0, 0},
                                           NoticeCase{"MonitorPowerCommand", {{nullptr, 2}}, 0, 0}),
                         [](const ::testing::TestParamInfo<NoticeCase>& info) { return std::string(info.param.name); });

TEST(DisplayRest, ATransitionHoldsItsFrameAndGoesOnFromIt)
{
    PictureShow show(TwoColours());
    TTimer ticks;  // runs in the transition's wait: the display stays off for three ticks
    ticks.SetInterval(200);
    std::vector<int> framesWhileOff;
    ticks.OnTimer = [&] {
        framesWhileOff.push_back(show.pacer.frames);
        if (framesWhileOff.size() < 3) return;
        ticks.SetEnabled(false);
        DisplayOn(show.window);
    };
    show.pacer.onFrame = [&](int frame) {
        if (frame != 3) return;
        DisplayOff(show.window);
        ticks.SetEnabled(true);
    };
    show.Open(smProgram);
    show.form->busy = true;
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    EXPECT_EQ((std::vector<int>{3, 3, 3}), framesWhileOff);
    EXPECT_GT(show.pacer.frames, 3);
    const std::string log = show.LogText();
    EXPECT_LT(log.find(kGoesOn), log.find("end a transition show"));
}

TEST(DisplayRest, ClosingEndsARestingTransition)
{
    PictureShow show(TwoColours());
    show.pacer.onFrame = [&show](int frame) {
        if (frame != 3) return;
        DisplayOff(show.window);
        ::PostMessageA(show.window, WM_CLOSE, 0, 0);
    };
    show.Open(smProgram);
    ASSERT_TRUE(PumpUntil([&show] { return !::IsWindow(show.window); }, 10000));
    EXPECT_EQ(3, show.pacer.frames);
    EXPECT_EQ(1, show.LogCount("end a transition show"));
    EXPECT_EQ(0, show.LogCount(kGoesOn));
}

// With a pause after each item, and without one.
class RestBetweenItems : public ::testing::TestWithParam<int> {};

TEST_P(RestBetweenItems, TheNextItemWaitsForTheDisplay)
{
    PictureShow show(TwoColours(false));
    show.project.options.mediaPauseSeconds = GetParam();
    show.Open(smProgram);
    show.form->busy = true;
    ASSERT_TRUE(show.WaitForLog("Show Next media file"));
    DisplayOff(show.window);
    show.form->busy = false;
    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    PumpFor(2500);  // longer than the pause
    EXPECT_EQ(0, show.form->showSetting.CurrentItem());
    EXPECT_FALSE(show.form->timer1.Enabled());
    DisplayOn(show.window);
    EXPECT_TRUE(PumpUntil([&] { return show.form->showSetting.CurrentItem() == 1; }, 15000));
}

INSTANTIATE_TEST_SUITE_P(PauseSeconds, RestBetweenItems, ::testing::Values(0, 1));

// Whether a device stands still while messages run: not playing (some video devices report a
// paused device as stopped), its position kept. A wave device counts the buffers it has read ahead
// into its position, and goes on filling them after a pause (Wine's: two of a third of a second
// each), whenever its thread next runs: the position may still move by that much, while a playing
// device on the silent test output runs seconds ahead.
bool StandsStill(CMMPlayer& device)
{
    constexpr DWORD kReadAheadMs = 1000;
    const DWORD before = device.GetPosition();
    PumpFor(600);
    const DWORD after = device.GetPosition();
    return device.GetMode() != MCI_MODE_PLAY && after >= before && after - before <= kReadAheadMs;
}

// Music that the item plays goes on after the rest; music the item keeps paused stays paused.
class MusicAtRest : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(MusicAtRest, PausesAndResumesAtItsPosition)
{
    const std::uint8_t musicOn = GetParam();
    std::vector<PictureItem> items = TwoColours();
    for (PictureItem& item : items)
        item.options.musicOn = musicOn;
    PackageTable music = MusicTable();
    music.AddRecord({PackageValue::Text("long.wav"), PackageValue::Int(1), PackageValue::Bytes(MakeWaveFile(120000))});
    PictureShow show(items, {std::move(music)});
    show.project.options.musicEmbedded = 1;
    show.Open(smProgram);
    show.form->busy = true;
    // The picture's change has ended: one due while resting would wait inside the pump below.
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    CMMPlayer& device = show.form->musicPlayer->player;
    ASSERT_EQ(musicOn ? MCI_MODE_PLAY : MCI_MODE_PAUSE, static_cast<int>(device.GetMode()));
    DisplayOff(show.window);
    EXPECT_EQ(MCI_MODE_PAUSE, static_cast<int>(device.GetMode()));
    EXPECT_TRUE(StandsStill(device));
    DisplayOn(show.window);
    EXPECT_EQ(musicOn ? MCI_MODE_PLAY : MCI_MODE_PAUSE, static_cast<int>(device.GetMode()));
}

INSTANTIATE_TEST_SUITE_P(MusicOn, MusicAtRest, ::testing::Values(1, 0));

TEST(DisplayRest, AVideoPausesAndPlaysOn)
{
    PictureItem video = ColourItem("clip.avi", 0);
    video.options.mediaType = 2;
    video.bytes = MakeAviFile(32, 24, 250, 25, [](int frame, int, int) { return frame % 2 ? 0xFF0000u : 0x00FF00u; });
    PictureShow show({video, ColourItem("red.bmp", RGB(200, 0, 0))});
    show.Open(smProgram);
    show.form->busy = true;
    Tfvideoplayer& player = *show.form->videoPlayers[show.form->videoSlot];
    ASSERT_TRUE(PumpUntil([&] { return player.playing && player.player.GetMode() == MCI_MODE_PLAY; }, 10000));
    DisplayOff(show.window);
    EXPECT_FALSE(player.timer.Enabled());
    const DWORD held = player.player.GetPosition();
    EXPECT_TRUE(StandsStill(player.player));
    DisplayOn(show.window);
    EXPECT_EQ(MCI_MODE_PLAY, static_cast<int>(player.player.GetMode()));
    EXPECT_GE(player.player.GetPosition(), held);  // on from where it stood, not from the start
    EXPECT_TRUE(player.timer.Enabled());
}

}  // namespace
