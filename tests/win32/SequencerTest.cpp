// The screen window playing picture shows: the order of items, the pauses, stopping, skipping,
// the preview, and what the picture player leaves on the screen.
#include "../../src/framework/Handles.h"
#include "../../src/framework/WindowHook.h"
#include "../../src/package/Convert.h"
#include "../../src/package/Payloads.h"
#include "../../src/slideshow/ImageSlideShowPlayer.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../support/GdiObjects.h"
#include "../support/MessagePump.h"
#include "../support/OwnTempFolder.h"
#include "../support/PictureShows.h"
#include "../support/Taskbar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr COLORREF kRed = RGB(220, 30, 30), kGreen = RGB(30, 200, 60), kBlue = RGB(40, 60, 230);

std::vector<PictureItem> ThreeColours()
{
    return {ColourItem("red.bmp", kRed), ColourItem("green.bmp", kGreen), ColourItem("blue.bmp", kBlue)};
}

// The names the sequencer showed, in order.
std::vector<std::string> ShownNames(const std::string& log)
{
    std::vector<std::string> names;
    const std::string key = "Media name = ";
    for (std::size_t at = log.find(key); at != std::string::npos; at = log.find(key, at + 1)) {
        const std::size_t start = at + key.size();
        names.push_back(log.substr(start, log.find('\n', start) - start));
    }
    return names;
}

// Counts the messages of some kinds that reach a window, passing them on.
class MessageCounter {
public:
    MessageCounter(HWND window, std::vector<UINT> kinds) : kinds(std::move(kinds))
    {
        hook.Install(window, [this](UINT message, WPARAM, LPARAM, LRESULT&) {
            if (std::find(this->kinds.begin(), this->kinds.end(), message) != this->kinds.end()) ++count;
            return false;
        });
    }
    int count = 0;

private:
    std::vector<UINT> kinds;
    TWindowHook hook;
};

// What the window shows, read back from the screen.
bool WindowShowsBackBuffer(TfImageSlideShowPlayer& player)
{
    CComPicture& buffer = player.pictures[1];
    CComPicture shown;
    shown.Create(buffer.Width(), buffer.Height(), 0);
    HDC dc = ::GetDC(player.Handle());
    ::BitBlt(shown.dc->Handle(), 0, 0, buffer.Width(), buffer.Height(), dc, 0, 0, SRCCOPY);
    ::ReleaseDC(player.Handle(), dc);
    ::GdiFlush();
    return std::equal(shown.surface->Pixels(), shown.surface->Pixels() + buffer.Width() * buffer.Height(),
                      buffer.surface->Pixels());
}

TEST(Sequencer, VisitsTheItemsInOrderAndReportsEachEndOnce)
{
    PictureShow show(ThreeColours());
    show.Open(smProgram);
    ASSERT_TRUE(show.WaitForLog("Media name = ", 4));
    show.form->busy = true;  // the show halts at its next item
    PumpFor(300);
    const std::string log = show.LogText();
    const std::vector<std::string> names = ShownNames(log);
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ((std::vector<std::string>{"red.bmp", "green.bmp", "blue.bmp", "red.bmp"}),
              std::vector<std::string>(names.begin(), names.begin() + 4));
    const int ends = show.LogCount("end a transition show");
    EXPECT_EQ(static_cast<int>(names.size()), show.LogCount("begin a transition show"));
    EXPECT_EQ(static_cast<int>(names.size()), ends);
    EXPECT_EQ(ends, show.LogCount("Show Next media file"));
    EXPECT_EQ(show.LogCount("Media Count = 3"), static_cast<int>(names.size()));
}

TEST(Sequencer, WithoutAPauseTheNextItemStartsWhileTheEndIsHandled)
{
    PictureShow show(ThreeColours());
    show.Open(smProgram);
    ASSERT_EQ(0, show.form->showSetting.CurrentItem());
    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    EXPECT_EQ(1, show.form->showSetting.CurrentItem());
    EXPECT_FALSE(show.form->itemTimerArmed);
    EXPECT_EQ(1, show.LogCount("Media name = green.bmp"));
}

TEST(Sequencer, ASecondEndDuringThePauseDoesNotRestartIt)
{
    std::vector<PictureItem> items = ThreeColours();
    for (PictureItem& item : items)
        item.options.transitionsOn = 0;
    PictureShow show(items);
    show.project.options.mediaPauseSeconds = 5;
    show.Open(smProgram);
    const DWORD start = ::GetTickCount();
    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    EXPECT_TRUE(show.form->itemTimerArmed);
    EXPECT_EQ(0, show.form->showSetting.CurrentItem());
    PumpFor(2000);
    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    EXPECT_EQ(0, show.form->showSetting.CurrentItem());
    ASSERT_TRUE(PumpUntil([&] { return show.form->showSetting.CurrentItem() == 1; }, 15000));
    // Restarted, the wait would have ended 7 s after the first end.
    EXPECT_LT(::GetTickCount() - start, 6500u);
}

TEST(Sequencer, StoppingDuringATransitionReportsNoEnd)
{
    PictureShow show(ThreeColours());
    show.pacer.onFrame = [&show](int frame) {
        if (frame == 3) show.Player()->Stop();
    };
    show.Open(smProgram);
    MessageCounter finishes(show.window, {Tfmain::kItemFinished});
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    PumpFor(500);
    EXPECT_EQ(3, show.pacer.frames);
    EXPECT_EQ(0, finishes.count);
    EXPECT_EQ(0, show.LogCount("Show Next media file"));
    EXPECT_EQ(0, show.form->showSetting.CurrentItem());
}

TEST(Sequencer, ClosingDuringATransitionFreesNothingTheTransitionUses)
{
    PictureShow show(ThreeColours());
    bool playerGoneDuringFrames = false;
    show.pacer.onFrame = [&show, &playerGoneDuringFrames](int frame) {
        if (frame == 2) ::PostMessageA(show.window, WM_CLOSE, 0, 0);
        playerGoneDuringFrames = playerGoneDuringFrames || !::IsWindow(show.Player()->Handle());
    };
    show.Open(smProgram);
    ASSERT_TRUE(PumpUntil([&show] { return !::IsWindow(show.window); }, 10000));
    EXPECT_FALSE(playerGoneDuringFrames);
    const std::string log = show.LogText();
    EXPECT_LT(log.find("Close Query"), log.find("end a transition show"));
    EXPECT_EQ(0, show.LogCount("Show Next media file"));
}

TEST(Sequencer, PicturesThatCannotBeDecodedAreSkipped)
{
    std::vector<PictureItem> items = ThreeColours();
    items[1].fileName = "broken.jpg";
    items[1].bytes = {'n', 'o', 't', ' ', 'a', ' ', 'J', 'P', 'E', 'G'};
    PictureShow show(items);
    show.Open(smProgram);
    ASSERT_TRUE(show.WaitForLog("Media name = blue.bmp"));
    EXPECT_EQ(1, show.LogCount("picture \"broken.jpg\" skipped"));
    // Between the broken item and the next one no change began.
    const std::string log = show.LogText();
    const std::size_t broken = log.find("Media name = broken.jpg"), next = log.find("Media name = blue.bmp");
    ASSERT_LT(broken, next);
    EXPECT_EQ(std::string::npos, log.substr(broken, next - broken).find("begin a transition show"));
}

TEST(Sequencer, PreviewDrawsNoCaptionsAndLeavesTheCursorAlone)
{
    std::vector<PictureItem> items = ThreeColours();
    items[0].options.titleShown = 1;
    items[0].options.titleColor = RGB(255, 255, 255);
    items[0].options.titleSize = 20;
    items[0].options.titlePosition = 1;
    items[0].title = "Title";
    PictureShow show(items);
    show.project.options.pictureFit = 0;  // the 16 × 16 picture keeps its size, in the middle
    UniqueWindow host(::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr,
                                        nullptr, nullptr, nullptr));
    show.Open(smPreview, host.get());
    show.form->busy = true;  // the first item stays
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    CComPicture& buffer = show.Player()->pictures[1];
    ASSERT_EQ(200, buffer.Width());
    const COLORREF background = PixelOf(buffer, 0, 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(background, PixelOf(buffer, x, y)) << x << ", " << y;
    EXPECT_EQ(kRed, PixelOf(buffer, 100, 75));

    const int before = ::ShowCursor(TRUE) - 1;
    ::ShowCursor(FALSE);
    ::SendMessageA(show.Player()->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(show.Player()->Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_GE(::ShowCursor(TRUE) - 1, before);
    ::ShowCursor(FALSE);
}

TEST(Sequencer, TheWindowAlwaysShowsTheBackBuffer)
{
    PictureShow show(ThreeColours());
    show.Open(smProgram);
    show.form->busy = true;  // the first item stays
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    PumpFor(100);
    TfImageSlideShowPlayer& player = *show.Player();
    EXPECT_EQ(kRed, PixelOf(player.pictures[1], 5, 5));
    EXPECT_TRUE(WindowShowsBackBuffer(player));
    // A repaint copies the back buffer.
    HDC dc = ::GetDC(player.Handle());
    UniqueBrush black(::CreateSolidBrush(0));
    RECT all{0, 0, player.Width(), player.Height()};
    ::FillRect(dc, &all, black.get());
    ::ReleaseDC(player.Handle(), dc);
    ::InvalidateRect(player.Handle(), nullptr, FALSE);
    ::UpdateWindow(player.Handle());
    EXPECT_TRUE(WindowShowsBackBuffer(player));
}

TEST(Sequencer, HundredsOfChangesEndWithTheObjectsTheyStartedWith)
{
    std::vector<PictureItem> items = ThreeColours();
    for (PictureItem& item : items)
        item.options.transitionsOn = 0;
    PictureShow show(items);
    show.project.options.pictureFit = 0;
    show.project.options.backgroundPerPicture = 2;  // the small picture alone changes
    show.Open(smProgram);
    MessageCounter finishes(show.window, {Tfmain::kItemFinished});
    const auto settle = [&show] {
        show.form->busy = true;
        PumpFor(300);
    };
    const auto runUntil = [&](int changes) {
        show.form->busy = false;
        ::PostMessageA(show.window, Tfmain::kItemFinished, 0, 0);
        return PumpUntil([&] { return finishes.count >= changes; }, 120000);
    };
    ASSERT_TRUE(runUntil(10));
    settle();
    const int objects = GdiObjectCount();
    DWORD handles = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handles);

    ASSERT_TRUE(runUntil(310));
    settle();
    DWORD handlesAfter = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(objects, GdiObjectCount());
    EXPECT_EQ(handles, handlesAfter);
}

}  // namespace

namespace {

TEST(Sequencer, WhenTheRunTimeIsOverTheShowStopsOnABlackScreen)
{
    PictureShow show(ThreeColours());
    show.Open(smProgram);
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    show.form->timer3Timer();
    const int shown = show.LogCount("Media name = ");
    // A late end of an item arms the pause; its tick after the run time ends it for good.
    show.project.options.mediaPauseSeconds = 5;
    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    show.form->timer1Timer();
    EXPECT_FALSE(show.form->timer1.Enabled());
    PumpFor(500);
    EXPECT_EQ(shown, show.LogCount("Media name = "));
    EXPECT_FALSE(::IsWindowVisible(show.Player()->Handle()));
    EXPECT_TRUE(::IsWindow(show.window));
}

}  // namespace

namespace {

TEST(Sequencer, OtherItemTypesLogTheirPlayerAndTheShowStaysOnThem)
{
    std::vector<PictureItem> items = ThreeColours();
    items.push_back(ColourItem("movie.swf", 0));
    items.push_back(ColourItem("clip.avi", 0));
    items.push_back(ColourItem("odd.xyz", 0));
    items[3].options.mediaType = 1;
    items[4].options.mediaType = 2;
    items[5].options.mediaType = 7;
    PictureShow show(items);
    show.Open(smProgram);
    show.form->showSetting.Advance(false);
    show.form->showSetting.Advance(false);  // blue, so that the next is the movie
    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    EXPECT_EQ(3, show.form->showSetting.CurrentItem());
    EXPECT_EQ(1, show.LogCount("Play a flash movie"));
    EXPECT_FALSE(show.form->DoubleBuffered);
    EXPECT_FALSE(::IsWindowVisible(show.Player()->Handle()));  // the pictures left the screen
    PumpFor(300);
    EXPECT_EQ(3, show.form->showSetting.CurrentItem());  // nobody reports the movie's end

    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    EXPECT_EQ(1, show.LogCount("Play a video movie"));
    EXPECT_TRUE(show.form->DoubleBuffered);
    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    EXPECT_EQ(1, show.LogCount("Unknow Media type 7"));
    EXPECT_EQ(5, show.form->previousItemType == 7 ? show.form->showSetting.CurrentItem() : -1);
}

TEST(Sequencer, ThePicturePlayerPassesInputToTheScreenWindow)
{
    PictureShow show(ThreeColours());
    show.Open(smProgram);
    show.form->busy = true;
    HWND player = show.Player()->Handle();
    MessageCounter input(show.window, {WM_KEYDOWN, WM_CHAR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_HELP});
    for (UINT message : {WM_KEYDOWN, WM_CHAR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN})
        ::SendMessageA(player, message, 0, 0);
    HELPINFO help{};
    help.cbSize = sizeof help;
    EXPECT_EQ(0, ::SendMessageA(player, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)));
    EXPECT_EQ(1, ::SendMessageA(player, WM_ERASEBKGND, 0, 0));
    PumpFor(100);
    EXPECT_EQ(6, input.count);
}

TEST(Sequencer, SeparatePicturesAreReadBesideTheScreensaver)
{
    std::vector<PictureItem> items = ThreeColours();
    items[0].fileName = "C:\\Art\\red.bmp";  // stored with the author's folder
    PictureShow show(items);
    show.project.options.mediaEmbedded = 0;
    show.project.options.filesBesideProgram = 1;
    show.project.screensaverPath = show.dir.Path("show.scr");
    show.dir.Write("red.bmp", MakeBitmapFile(8, 8, [](int, int) { return 0x1E1EDCu; }));
    show.Open(smProgram);
    show.form->busy = true;
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    EXPECT_EQ(kRed, PixelOf(show.Player()->pictures[1], 10, 10));
}

TEST(Sequencer, BackgroundFirstOrPictureAloneRevealOnlyThePicture)
{
    for (int perPicture : {0, 2}) {
        SCOPED_TRACE(perPicture);
        std::vector<PictureItem> items = ThreeColours();
        items[0].options.backgroundColor = RGB(0, 0, 90);
        PictureShow show(items);
        show.project.options.pictureFit = 0;  // 16 × 16 in the middle
        show.project.options.backgroundPerPicture = perPicture;
        show.Open(smProgram);
        show.form->busy = true;
        ASSERT_TRUE(show.WaitForLog("end a transition show"));
        CComPicture& shown = show.Player()->pictures[1];
        const int cx = shown.Width() / 2, cy = shown.Height() / 2;
        EXPECT_EQ(kRed, PixelOf(shown, cx, cy));
        EXPECT_EQ(16, show.Player()->pictures[2].Width());  // the change covered the picture alone
        // The background is painted first (0) or not at all (2: the window stays black).
        EXPECT_EQ(perPicture == 0 ? RGB(0, 0, 90) : RGB(0, 0, 0), PixelOf(shown, 3, 3));
    }
}

TEST(Sequencer, TransparentPicturesLeaveTheBackgroundWhereTheirKeyColourIs)
{
    std::vector<PictureItem> items = ThreeColours();
    // White around a blue middle: pixel (1, 1) is the key.
    items[0].bytes = MakeBitmapFile(
        16, 16, [](int x, int y) { return x >= 4 && x < 12 && y >= 4 && y < 12 ? 0xE63C28u : 0xFFFFFFu; });
    items[0].options.pictureBlendDraw = 1;
    items[0].options.backgroundColor = RGB(0, 90, 0);
    PictureShow show(items);
    show.project.options.pictureFit = 0;
    show.Open(smProgram);
    show.form->busy = true;
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    CComPicture& shown = show.Player()->pictures[1];
    const int left = (shown.Width() - 16) / 2, top = (shown.Height() - 16) / 2;
    EXPECT_EQ(kBlue, PixelOf(shown, left + 8, top + 8));
    EXPECT_EQ(RGB(0, 90, 0), PixelOf(shown, left + 1, top + 1));
    EXPECT_EQ(RGB(0, 90, 0), PixelOf(shown, left + 14, top + 2));
}

}  // namespace

namespace {

TEST(Sequencer, AnItemWithItsOwnSoundEndsWhenBothHaveEnded)
{
    PictureShow show(ThreeColours());
    show.Open(smProgram);
    show.form->boundSoundPlaying = true;
    ::SendMessageA(show.window, Tfmain::kItemFinished, 0, 0);
    EXPECT_EQ(0, show.form->showSetting.CurrentItem());  // the sound still plays
    ::SendMessageA(show.window, Tfmain::kBoundSoundFinished, 0, 0);
    EXPECT_EQ(1, show.form->showSetting.CurrentItem());

    // A sound that ends first changes nothing: the item ends with its picture.
    show.form->boundSoundPlaying = true;
    ::SendMessageA(show.window, Tfmain::kBoundSoundFinished, 0, 0);
    EXPECT_EQ(1, show.form->showSetting.CurrentItem());
}

}  // namespace

namespace {

TEST(Sequencer, ABadListInThePackageEndsTheStartAndGivesTheDesktopBack)
{
    const UniqueWindow taskbar = MakeTaskbar();
    std::vector<PictureItem> items = ThreeColours();
    items[0].effectList = "fast;";
    PictureShow show(items);
    const int cursor = CursorDisplayCount();
    EXPECT_THROW(show.Open(smSaver), EConvertError);
    EXPECT_TRUE(::IsWindowVisible(taskbar.get()));
    BOOL running = TRUE;
    ::SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    EXPECT_FALSE(running);
    EXPECT_EQ(cursor, CursorDisplayCount());
}

TEST(Sequencer, ABackgroundThatCannotBeDecodedFallsBackToTheSolidColour)
{
    std::vector<PictureItem> items{ColourItem("red.bmp", kRed)};
    ShowItemOptions& o = items[0].options;
    o.backgroundSolidAllowed = 0;
    o.backgroundPictureAllowed = 1;
    o.pictureBackgroundDesktop = 1;  // the desktop snapshot, damaged below
    OwnTempFolder temp;
    o.backgroundColor = kGreen;
    const std::string snapshot = TempFolder() + "veskdsk.bmp";
    const std::string saved = ReadFileText(snapshot);
    WriteFileText(snapshot, "BM but no bitmap");
    PictureShow show(items);
    show.project.options.pictureFit = 0;  // the 16 x 16 picture leaves the background around it
    show.Open(smProgram);
    show.form->busy = true;
    const bool shown = show.WaitForLog("end a transition show");
    saved.empty() ? (void)::DeleteFileA(snapshot.c_str()) : WriteFileText(snapshot, saved);
    ASSERT_TRUE(shown);
    EXPECT_EQ(0, show.LogCount("skipped"));
    EXPECT_EQ(1, show.LogCount("background picture \"veskdsk.bmp\" not shown"));
    EXPECT_EQ(kGreen, PixelOf(show.Player()->pictures[1], 0, 0));
}

TEST(Sequencer, TheCursorComesBackForThePasswordAlsoOverThePictures)
{
    PictureShow show(ThreeColours());
    const int before = CursorDisplayCount();
    show.Open(smSaver);
    show.form->busy = true;
    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    for (HWND window : {show.Player()->Handle(), show.window})
        ::SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(before - 1, CursorDisplayCount()) << "one hide for the whole screen";
    show.settings.SuspendExit();
    EXPECT_EQ(before, CursorDisplayCount());
    show.settings.ResumeExit();
}

}  // namespace

// While an item stands in its pause the next picture is composed; it starts from there, logging
// as if composed at its start. A display that rests drops it, and the item is composed anew.
TEST(Sequencer, TheNextPictureIsReadyDuringThePauseAndLogsAtItsStart)
{
    PictureShow show(ThreeColours());
    show.project.options.mediaPauseSeconds = 60;  // the pause outlasts the test: NextItem ends it
    show.project.options.pictureFit = 1;          // which logs its sizes
    show.Open(smProgram);
    TfImageSlideShowPlayer& player = *show.Player();
    const int x = player.pictures[1].Width() / 2, y = player.pictures[1].Height() / 2;
    const auto nextItemStarts = [&show](const char* name) {
        show.form->NextItem();
        const std::string log = show.LogText();
        const std::size_t named = log.find(std::string("Media name = ") + name);
        ASSERT_NE(std::string::npos, named) << name;
        EXPECT_NE(std::string::npos, log.find("neww=", named)) << "the prepared lines follow their item's name";
        ASSERT_TRUE(show.WaitForLog("end a transition show", show.LogCount("Media name = ")));
    };

    ASSERT_TRUE(show.WaitForLog("end a transition show"));
    ASSERT_TRUE(PumpUntil([&] { return player.HasPrepared(); }, 10000));
    EXPECT_EQ(kGreen, PixelOf(player.pictures[2], x, y));
    EXPECT_EQ(kRed, PixelOf(player.pictures[1], x, y)) << "the screen shows the current picture";
    EXPECT_EQ(kRed, PixelOf(player.pictures[0], x, y)) << "the change will start from the screen";
    EXPECT_EQ(1, show.LogCount("neww="));
    nextItemStarts("green.bmp");
    EXPECT_EQ(kGreen, PixelOf(player.pictures[1], x, y));

    ASSERT_TRUE(PumpUntil([&] { return player.HasPrepared(); }, 10000));
    SendPowerSetting(show.window, GUID_CONSOLE_DISPLAY_STATE, 0);
    EXPECT_FALSE(player.HasPrepared());
    SendPowerSetting(show.window, GUID_CONSOLE_DISPLAY_STATE, 1);
    nextItemStarts("blue.bmp");
    EXPECT_EQ(kBlue, PixelOf(player.pictures[1], x, y));
}
