// Videos in the show: the player's size modes, its loop and end, input passed on to the screen
// window, two videos in a row, a missing file, and the copy that goes when the show closes.
#include "../../src/framework/WindowHook.h"
#include "../../src/platform/File.h"
#include "../../src/players/VideoPanel.h"
#include "../../src/players/VideoPlayer.h"
#include "../../tools/scrpack/MediaFiles.h"
#include "../support/MessagePump.h"
#include "../support/PictureShows.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <atomic>
#include <thread>

namespace {

// 30 frames at 25 per second: the player counts it as ended 20 frames before its end.
PictureItem VideoItem(const std::string& fileName, int sizeMode = 0)
{
    PictureItem item = ColourItem(fileName, 0);
    item.options.mediaType = 2;
    item.options.videoSizeMode = sizeMode;
    item.bytes = MakeAviFile(64, 48, 30, 25, [](int frame, int, int) { return frame % 2 ? 0xFF0000u : 0x00FF00u; });
    return item;
}

Tfvideoplayer* PlayerInUse(PictureShow& show)
{
    return show.form->videoPlayers[show.form->videoSlot].get();
}

bool WaitUntilPlaying(PictureShow& show)
{
    return PumpUntil([&] { return PlayerInUse(show) && PlayerInUse(show)->playing; }, 10000);
}

struct PanelCase {
    int sizeMode;
    RECT bounds;  // left, top, width, height in the 1024 × 768 screen window
};
class VideoSizeOnTheScreen : public ::testing::TestWithParam<PanelCase> {};

TEST_P(VideoSizeOnTheScreen, PlacesThePanel)
{
    PictureShow show({VideoItem("clip.avi", GetParam().sizeMode), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.Open(smProgram);
    show.form->busy = true;
    ASSERT_EQ(1024, show.form->Width());
    ASSERT_TRUE(WaitUntilPlaying(show));
    const CVideoPanel& panel = *PlayerInUse(show)->panel;
    const RECT& expected = GetParam().bounds;
    EXPECT_EQ(expected.left, panel.Left());
    EXPECT_EQ(expected.top, panel.Top());
    EXPECT_EQ(expected.right, panel.Width());
    EXPECT_EQ(expected.bottom, panel.Height());
}

INSTANTIATE_TEST_SUITE_P(SizeModes, VideoSizeOnTheScreen,
                         ::testing::Values(PanelCase{0, {480, 360, 64, 48}}, PanelCase{1, {448, 336, 128, 96}},
                                           PanelCase{4, {150, 112, 724, 543}}, PanelCase{5, {0, 0, 1024, 768}},
                                           PanelCase{6, {480, 360, 64, 48}}));

TEST(VideoShow, ASingleVideoLoops)
{
    PictureShow show({VideoItem("clip.avi")});
    show.Open(smProgram);
    ASSERT_TRUE(show.WaitForLog("Movie stops , Loop Media!", 2));
    EXPECT_EQ(0, show.LogCount("Show Next media file"));
    EXPECT_TRUE(PlayerInUse(show)->timer.Enabled());
}

// Counts the messages of one kind that reach a window and remembers the last lParam.
struct MessageWatch {
    MessageWatch(HWND window, UINT kind)
    {
        hook.Install(window, [this, kind](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
            if (message == kind) {
                ++count;
                last = lParam;
            }
            return false;
        });
    }
    int count = 0;
    LPARAM last = 0;
    TWindowHook hook;
};

TEST(VideoShow, WithMoreItemsTheEndIsReportedOnceAndThePollStops)
{
    PictureShow show({VideoItem("clip.avi"), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.Open(smProgram);
    show.form->busy = true;  // the show stays on the video
    MessageWatch ends(show.window, Tfmain::kItemFinished);
    ASSERT_TRUE(show.WaitForLog("Movie stops , Show Next Media!"));
    PumpFor(2500);
    EXPECT_EQ(1, ends.count);
    EXPECT_EQ(1, show.LogCount("Movie stops , Show Next Media!"));
    EXPECT_FALSE(PlayerInUse(show)->timer.Enabled());
}

TEST(VideoShow, InputOnTheVideoReachesTheScreenWindowInItsCoordinates)
{
    PictureShow show({VideoItem("clip.avi"), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.Open(smProgram);
    show.form->busy = true;
    ASSERT_TRUE(WaitUntilPlaying(show));
    Tfvideoplayer& player = *PlayerInUse(show);
    MessageWatch clicks(show.window, WM_LBUTTONDOWN);
    MessageWatch keys(show.window, WM_KEYDOWN);
    ::SendMessageA(player.panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    // Enter and Escape are passed on and kept from the form's own processing; other keys go on.
    EXPECT_EQ(1, ::SendMessageA(player.Handle(), WM_KEYDOWN, VK_ESCAPE, 0));
    EXPECT_EQ(1, ::SendMessageA(player.Handle(), WM_KEYDOWN, VK_RETURN, 0));
    EXPECT_EQ(0, ::SendMessageA(player.Handle(), WM_KEYDOWN, 'A', 0));
    PumpFor(200);
    ASSERT_EQ(1, clicks.count);
    EXPECT_EQ(480 + 5, GET_X_LPARAM(clicks.last));
    EXPECT_EQ(360 + 6, GET_Y_LPARAM(clicks.last));
    EXPECT_EQ(3, keys.count);
}

TEST(VideoShow, TwoVideosHandOverWithoutAGap)
{
    PictureShow show({VideoItem("first.avi"), VideoItem("second.avi")});
    bool secondShownWhenFirstWent = false;
    bool firstDestroyed = false;
    TWindowHook watchFirst;
    show.Open(smProgram);
    ASSERT_TRUE(show.form->videoPlayers[1]);
    watchFirst.Install(show.form->videoPlayers[1]->Handle(), [&](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_DESTROY) {
            firstDestroyed = true;
            secondShownWhenFirstWent = show.form->videoPlayers[0] && show.form->videoPlayers[0]->Visible();
        }
        return false;
    });
    ASSERT_TRUE(show.WaitForLog("Video Player0 working"));
    show.form->busy = true;
    EXPECT_TRUE(firstDestroyed);
    EXPECT_TRUE(secondShownWhenFirstWent);
    const std::string log = show.LogText();
    const auto first = log.find("Video Player1 working"), exit = log.find("Exit from PlayVideo()"),
               second = log.find("Video Player0 working");
    EXPECT_LT(first, exit);
    EXPECT_LT(exit, second);
    EXPECT_EQ(0, show.form->videoSlot);
}

// Dismisses every message box that a thread shows until joined, remembering the first one's
// owner and text.
class BoxCloser {
public:
    BoxCloser() : thread(::GetCurrentThreadId()), worker([this] { Watch(); }) {}
    ~BoxCloser() { Join(); }
    void Join()
    {
        done = true;
        if (worker.joinable()) worker.join();
    }
    HWND owner = nullptr;
    std::string text;

private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM found)
    {
        char name[16] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32770" || !::IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    void Watch()
    {
        for (int i = 0; i < 2000 && !done; ++i) {
            ::Sleep(10);
            HWND box = nullptr;
            ::EnumThreadWindows(thread, FindBox, reinterpret_cast<LPARAM>(&box));
            if (!box) continue;
            if (text.empty()) {
                owner = ::GetWindow(box, GW_OWNER);
                char buffer[512] = {};
                ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
                text = buffer;
            }
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
            ::Sleep(50);
        }
    }

    DWORD thread;
    std::atomic<bool> done{false};
    std::thread worker;
};

TEST(VideoShow, AMissingSeparateFileIsReportedAboveTheShowAndTheShowGoesOn)
{
    PictureShow show({VideoItem("C:\\Clips\\gone.avi"), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.project.options.mediaEmbedded = 0;
    show.project.options.filesBesideProgram = 1;
    show.project.screensaverPath = show.dir.Path("show.scr");
    BoxCloser closer;
    show.Open(smProgram);  // the box is shown while the first item starts
    EXPECT_TRUE(show.WaitForLog("Media name = red.bmp"));
    show.form->busy = true;  // the show would come round to the missing file again
    PumpFor(300);
    closer.Join();
    EXPECT_EQ(show.window, closer.owner);
    EXPECT_EQ("File not found : " + show.dir.Path("gone.avi"), closer.text);
}

TEST(VideoShow, ClosingDuringAVideoRemovesItsCopy)
{
    PictureShow show({VideoItem("clip.avi"), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.Open(smProgram);
    show.form->busy = true;
    ASSERT_TRUE(WaitUntilPlaying(show));
    const std::string copy = show.form->screenFiles.currentVideoFile;
    ASSERT_TRUE(FileExists(copy));
    ::PostMessageA(show.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(show.window); }, 10000));
    EXPECT_FALSE(FileExists(copy));
    EXPECT_FALSE(FileExists(copy.substr(0, copy.rfind('.'))));
}

}  // namespace
