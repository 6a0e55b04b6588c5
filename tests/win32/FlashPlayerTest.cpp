// The Flash player with the test movie control: what the host gives the control, the end rules
// tick by tick, the input that passes the control on to the screen window, and the placeholder
// where the control cannot be made.
#include "../../src/framework/Handles.h"
#include "../../src/framework/WindowHook.h"
#include "../../src/players/FlashPlayer.h"
#include "../../src/players/ShockwaveFlash.h"
#include "../../src/settings/MediaSetting.h"
#include "../../src/settings/SaverSettings.h"
#include "../../src/settings/VESKGlobeSettings.h"
#include "../support/MessagePump.h"
#include "../support/TempDir.h"
#include "../support/TestFlashControl.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// A stand-in screen window that counts the messages it receives.
class ParentWindow {
public:
    ParentWindow()
        : window(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 320, 240, nullptr,
                                   nullptr, nullptr, nullptr))
    {
        hook.Install(window.get(), [this](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
            ++received[message];
            lastParam[message] = lParam;
            return false;
        });
    }
    HWND get() const { return window.get(); }
    std::map<UINT, int> received;
    std::map<UINT, LPARAM> lastParam;

private:
    UniqueWindow window;
    TWindowHook hook;
};

struct FlashPlayerTest : ::testing::Test {
    TempDir dir;
    TestControlRegistration control;
    ParentWindow parent;
    CVESKGlobeSettings project;
    CSaverSettings settings;
    CMediaSetting item;
    std::unique_ptr<TFlashPlayer> player;

    void StartMovie(const std::string& movie)
    {
        player = std::make_unique<TFlashPlayer>(parent.get(), &project, &settings, smSaver);
        player->SetShowSettings(&item);
        player->SetFileName(movie.empty() ? std::string() : dir.Write("movie.swf", movie));
        player->Start();
    }
    // The tick at which the player reported the end; 0 when it did not within `ticks`.
    int EndingTick(int ticks)
    {
        for (int tick = 1; tick <= ticks; ++tick) {
            player->Tick();
            PumpFor(0);
            if (parent.received[TFlashPlayer::kItemFinished] > 0) {
                EXPECT_EQ(1, parent.received[TFlashPlayer::kItemFinished]);
                EXPECT_FALSE(player->Timer().Enabled());
                return tick;
            }
        }
        return 0;
    }
};
}  // namespace

TEST_F(FlashPlayerTest, TheHostGivesTheControlItsMoviePlaysAndStops)
{
    item.options.flashScaleMode = 2;
    item.options.flashAlignMode = 5;
    StartMovie("frames=40 step=10 end=stop");
    ASSERT_NE(nullptr, player->Control().Window());
    EXPECT_EQ(parent.get(), ::GetParent(player->Control().Window()));
    const std::string movie = dir.Path("movie.swf");
    EXPECT_EQ(std::wstring(movie.begin(), movie.end()), control.state.movie);
    EXPECT_EQ(2, control.state.scaleMode);
    EXPECT_EQ(5, control.state.alignMode);
    EXPECT_EQ(1, control.state.plays);
    EXPECT_EQ(40, player->Control().TotalFrames());
    EXPECT_TRUE(player->Timer().Enabled());
    EXPECT_EQ(1000u, player->Timer().Interval());
    RECT bounds{};
    ::GetClientRect(player->Control().Window(), &bounds);
    EXPECT_EQ(320, bounds.right);
    EXPECT_EQ(240, bounds.bottom);

    EXPECT_EQ(10, player->Control().CurrentFrame());
    EXPECT_TRUE(player->Control().IsPlaying());
    player->Stop();
    EXPECT_EQ(1, control.state.stops);
    EXPECT_FALSE(player->Control().IsPlaying());
    EXPECT_FALSE(player->Timer().Enabled());

    const HWND window = player->Control().Window();
    player.reset();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(0, control.state.liveObjects);
    EXPECT_EQ(0, control.state.holdsSite);
}

struct EndCase {
    const char* name;
    int endMode, endFrame, seconds;
    const char* movie;  // empty: no movie file
    int endingTick;     // 0: still playing after 20 ticks
};

class FlashEndModes : public FlashPlayerTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(FlashEndModes, EndAtTheirTick)
{
    const EndCase& c = GetParam();
    item.options.flashEndMode = c.endMode;
    item.options.flashEndFrame = c.endFrame;
    item.options.flashSeconds = c.seconds;
    StartMovie(c.movie);
    EXPECT_EQ(c.endingTick, EndingTick(20));
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, FlashEndModes,
    ::testing::Values(
        EndCase{"TimeLimitOf10EndsAtThe11thTick", 1, 0, 10, "frames=1000 step=1 end=stop", 11},
        EndCase{"FrameLimitEndsAtTheFirstTickPastIt", 0, 25, 0, "frames=100 step=10 end=stop", 3},
        EndCase{"FrameLimitOfAMovieThatStopsShortEndsWhenIdle", 0, 500, 0, "frames=20 step=10 end=stop", 4},
        EndCase{"NoEndModePlaysOn", 2, 0, 0, "frames=30 step=10 end=stop", 0},
        EndCase{"AStoppedMovieEndsAtItsThirdIdleTick", 3, 0, 0, "frames=40 step=10 end=stop", 6},
        EndCase{"ALoopingMovieEndsWhenItsFrameJumpsBack", 3, 0, 0, "frames=40 step=15 end=loop", 3},
        EndCase{"AMovieThatNeverStartsWaitsAFrameCountPerSecond", 3, 0, 0, "frames=90 step=0 end=stop", 8},
        EndCase{"AMissingMovieEndsAfterThreeIdleTicks", 4, 0, 0, "", 3}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

struct InputCase {
    const char* name;
    bool acceptMove, acceptClick;
    UINT message;
    int toParent, toControl;
};

class FlashInput : public FlashPlayerTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(FlashInput, ReachesTheScreenWindowOrTheMovie)
{
    const InputCase& c = GetParam();
    item.options.flashAcceptMouseMove = c.acceptMove;
    item.options.flashAcceptMouseClick = c.acceptClick;
    StartMovie("frames=40 step=10 end=stop");
    const int before = control.state.mouseMoves + control.state.leftButtons + control.state.rightButtons;
    ::SendMessageA(player->Control().Window(), c.message, 0, MAKELPARAM(30, 40));
    PumpFor(0);
    EXPECT_EQ(c.toParent, parent.received[c.message]);
    if (c.toParent) {
        EXPECT_EQ(MAKELPARAM(30, 40), parent.lastParam[c.message]);
    }
    EXPECT_EQ(c.toControl, control.state.mouseMoves + control.state.leftButtons + control.state.rightButtons - before);
}

INSTANTIATE_TEST_SUITE_P(
    Mouse, FlashInput,
    ::testing::Values(InputCase{"MoveGoesToTheScreenWindow", false, true, WM_MOUSEMOVE, 1, 1},
                      InputCase{"MoveGoesToTheMovieOnly", true, false, WM_MOUSEMOVE, 0, 1},
                      InputCase{"ClickGoesToTheScreenWindow", true, false, WM_LBUTTONDOWN, 1, 1},
                      InputCase{"ClickGoesToTheMovieOnly", false, true, WM_LBUTTONDOWN, 0, 1},
                      InputCase{"RightClickNeverReachesTheMovie", true, true, WM_RBUTTONDOWN, 0, 0},
                      InputCase{"RightClickGoesToTheScreenWindowOnly", true, false, WM_RBUTTONUP, 1, 0},
                      InputCase{"KeysAlwaysReachTheScreenWindow", true, true, WM_CHAR, 1, 0}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

class FlashCreationFailure : public FlashPlayerTest, public ::testing::WithParamInterface<int> {};

// Unregistered (-1), failing activation (1) or without a dispatch interface (2): the placeholder
// plays, and nothing the host made on the way is left.
TEST_P(FlashCreationFailure, LeavesThePlaceholderAndNothingElse)
{
    if (GetParam() < 0) {
        UnregisterTestControl();
    } else {
        control.state.failAt = GetParam();
    }
    std::unique_ptr<CFlashControl> made = CreateFlashControl(parent.get());
    EXPECT_EQ(nullptr, made->Window());
    EXPECT_EQ(0, made->CurrentFrame());
    EXPECT_FALSE(made->IsPlaying());
    EXPECT_EQ(0, control.state.liveObjects);
    EXPECT_EQ(0, control.state.holdsSite);
    EXPECT_EQ(nullptr, ::FindWindowExA(parent.get(), nullptr, "TestMovieControl", nullptr));
}

INSTANTIATE_TEST_SUITE_P(Steps, FlashCreationFailure, ::testing::Values(-1, 1, 2));
