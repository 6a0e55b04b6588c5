// Flash items in the show: the movie copied out for the control and removed at exit, the
// placeholder where the control is missing, and the box for a missing separate movie.
#include "../../src/platform/File.h"
#include "../../src/screen/main.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../support/MessagePump.h"
#include "../support/PictureShows.h"
#include "../support/TestFlashControl.h"

#include <gtest/gtest.h>

#include <cwchar>

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
    // The picture's first transition frame comes after the sequencer has left the Flash item.
    int visibleDuringPicture = -1;
    show.pacer.onFrame = [&](int frame) {
        if (frame == 1 && visibleDuringPicture < 0) visibleDuringPicture = ::IsWindowVisible(control.state.window);
    };
    ASSERT_TRUE(PumpUntil([&] { return visibleDuringPicture >= 0; }, 20000));
    EXPECT_EQ(0, visibleDuringPicture) << "a picture item hides the control";

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
    const std::string log = show.LogText();
    EXPECT_LT(log.find("Show Next media file"), log.find("Media name = red.bmp"));
}

// Answers every message box of this thread from inside its own modal loop, while it lives; keeps
// the owner and text of the first. A show whose movie is missing asks again each time round.
class BoxAnswers {
public:
    BoxAnswers() : timer(::SetTimer(nullptr, 0, 100, Look)) { current = this; }
    ~BoxAnswers()
    {
        ::KillTimer(nullptr, timer);
        current = nullptr;
    }
    HWND owner = nullptr;
    std::string text;
    int answered = 0;

private:
    static BOOL CALLBACK Answer(HWND window, LPARAM)
    {
        char name[16] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32770" || !::IsWindowVisible(window)) return TRUE;
        if (current->answered++ == 0) {
            current->owner = ::GetWindow(window, GW_OWNER);
            char buffer[512] = {};
            ::GetDlgItemTextA(window, 0xFFFF, buffer, sizeof buffer);
            current->text = buffer;
        }
        ::PostMessageA(window, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD)
    {
        if (current) ::EnumThreadWindows(::GetCurrentThreadId(), Answer, 0);
    }
    static BoxAnswers* current;
    UINT_PTR timer;
};
BoxAnswers* BoxAnswers::current = nullptr;

TEST(FlashShow, AMissingSeparateMovieIsReportedAboveTheShowWhichGoesOn)
{
    UnregisterTestControl();
    PictureShow show({FlashItem("absent.swf"), ColourItem("red.bmp", RGB(200, 0, 0))});
    show.project.options.mediaEmbedded = 0;
    show.project.options.filesBesideProgram = 1;
    show.project.SetScreensaverPath(show.dir.Path("show.scr"));
    show.dir.Write("red.bmp", MakeBitmapFile(16, 16, [](int, int) { return 0xC80000u; }));
    BoxAnswers boxes;
    show.Open(smProgram);
    EXPECT_EQ(show.window, boxes.owner);
    EXPECT_EQ("File not found : " + show.dir.Path("absent.swf"), boxes.text);
    ASSERT_TRUE(show.WaitForLog("Media name = red.bmp"));
}

TEST(FlashShow, WhileTheDisplayIsOffTheMovieHoldsItsFrameAndThePollWaits)
{
    TestControlRegistration control;
    PictureItem item = FlashItem("long.swf");
    const std::string movie = "frames=100000 step=1 end=stop";
    item.bytes.assign(movie.begin(), movie.end());
    PictureShow show({item, ColourItem("red.bmp", RGB(200, 0, 0))});
    show.Open(smProgram);
    show.form->busy = true;
    ASSERT_TRUE(PumpUntil([&] { return control.state.frame > 0; }, 10000));  // a poll has read it
    SendPowerSetting(show.window, GUID_CONSOLE_DISPLAY_STATE, 0);
    const int frame = control.state.frame;
    EXPECT_FALSE(control.state.playing);
    EXPECT_FALSE(show.form->flashPlayer->Timer().Enabled());
    PumpFor(2500);  // longer than two polls
    EXPECT_EQ(frame, control.state.frame);
    SendPowerSetting(show.window, GUID_CONSOLE_DISPLAY_STATE, 1);
    EXPECT_TRUE(control.state.playing);
    EXPECT_TRUE(show.form->flashPlayer->Timer().Enabled());
    EXPECT_EQ(frame, control.state.frame);
}
