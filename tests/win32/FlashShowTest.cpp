// Flash items in the show: the movie copied out for the control and removed at exit, the
// placeholder where the control is missing, and the box for a missing separate movie.
#include "../../src/platform/File.h"
#include "../../src/screen/main.h"
#include "../support/MessagePump.h"
#include "../support/PictureShows.h"
#include "../support/Processes.h"
#include "../support/TestFlashControl.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <thread>

namespace {
constexpr COLORREF kFlashBack = RGB(20, 180, 60);

// A Flash item whose stored movie the test control plays: 10 frames, shown in one poll.
PictureItem FlashItem(const std::string& name)
{
    PictureItem item;
    item.fileName = name;
    item.options.mediaType = 1;
    item.options.flashEndMode = 3;
    item.options.flashBackColor = kFlashBack;
    const std::string movie = "frames=10 step=10 end=stop";
    item.bytes.assign(movie.begin(), movie.end());
    return item;
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}
}  // namespace

TEST(FlashShow, TheControlPlaysTheCopiedMovieAndTheNextItemFollows)
{
    TestControlRegistration control;
    PictureShow show({FlashItem("intro.swf"), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.Open(smProgram);
    const std::string movie(control.state.movie, control.state.movie + std::wcslen(control.state.movie));
    ASSERT_TRUE(FileExists(movie)) << "the copy is there while the movie plays";
    EXPECT_EQ(".swf", movie.substr(movie.size() - 4));
    EXPECT_EQ(1, control.state.plays);
    EXPECT_TRUE(::IsWindowVisible(control.state.window));
    ASSERT_TRUE(show.WaitForLog("Media name = red.bmp"));
    EXPECT_FALSE(::IsWindowVisible(control.state.window)) << "a picture item hides the control";

    show.form.reset();
    EXPECT_FALSE(FileExists(movie));
    EXPECT_EQ(0, control.state.liveObjects);
}

TEST(FlashShow, WithoutTheControlThePlaceholderShowsTheBackgroundAndTheItemEnds)
{
    UnregisterTestControl();
    PictureShow show({FlashItem("intro.swf"), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.Open(smProgram);
    PumpFor(100);
    EXPECT_EQ(kFlashBack, WindowPixel(show.window, 5, 5));
    ASSERT_TRUE(show.WaitForLog("Media name = red.bmp"));
    EXPECT_EQ(1, show.LogCount("Show Next media file"));
}

TEST(FlashShow, AMissingSeparateMovieIsReportedAboveTheShowWhichGoesOn)
{
    UnregisterTestControl();
    PictureShow show({FlashItem("absent.swf"), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.project.options.mediaEmbedded = 0;
    show.project.options.filesBesideProgram = 1;
    show.project.SetScreensaverPath(show.dir.Path("show.scr"));
    HWND owner = nullptr;
    std::string text;
    std::thread answer([&] {
        for (int i = 0; i < 200; ++i) {
            if (HWND box = FindProcessWindow(::GetCurrentProcessId(), "#32770")) {
                owner = ::GetWindow(box, GW_OWNER);
                char buffer[512] = {};
                ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
                text = buffer;
                ::PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            ::Sleep(50);
        }
    });
    show.Open(smProgram);
    answer.join();
    EXPECT_EQ(show.window, owner);
    EXPECT_EQ("File not found : " + show.dir.Path("absent.swf"), text);
    ASSERT_TRUE(show.WaitForLog("Media name = red.bmp"));
}
