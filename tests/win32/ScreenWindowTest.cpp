// The screen window with real windows and real messages: placement, exit conditions, the close
// query and the taskbar.
#include "../../src/diagnostics/FileLog.h"
#include "../../src/package/XMLDb.h"
#include "../../src/framework/MonitorGeometry.h"
#include "../../src/screen/main.h"
#include "../../src/settings/SaverSettings.h"
#include "../../src/settings/VESKGlobeSettings.h"
#include "../support/MessagePump.h"
#include "../support/PackageFiles.h"
#include "../support/Shows.h"
#include "../support/Taskbar.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {
struct ScreenWindow : ::testing::Test {
    CSaverSettings settings;
    CVESKGlobeSettings project;
    TempDir dir;
    std::unique_ptr<CFileLog> log;
    std::unique_ptr<Tfmain> form;
    HWND window = nullptr;

    CMyXMLDb db;

    void SetUp() override
    {
        const std::string show = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage(ShowTables("Screen")));
        db.Open(show, ReadPackageOffset(show));
        dir.Write("vesk.log", std::string());
        log = std::make_unique<CFileLog>(dir.Path("show.scr"));
        g_fileLog = log.get();
    }
    void TearDown() override
    {
        form.reset();
        g_fileLog = nullptr;
        log.reset();
    }

    void Open(TScrMode mode, HWND host = nullptr)
    {
        form = std::make_unique<Tfmain>(mode, host, db, settings, project);
        window = form->Handle();
        form->Show();
        PumpFor(50);
    }
    // Opens a full-screen show whose exit conditions are armed.
    void OpenArmed()
    {
        Open(smSaver);
        form->watch_close_event_timerTimer();
    }
    bool Closed() { return !::IsWindow(window); }
    // Sends an input and lets the window react; true when the show closed.
    bool Input(UINT message, WPARAM wParam = 0)
    {
        ::PostMessageA(window, message, wParam, 0);
        return PumpUntil([this] { return Closed(); }, 300);
    }
    bool MoveTo(int x, int y)
    {
        ::SetCursorPos(x, y);
        return Input(WM_MOUSEMOVE);
    }
    std::string LogText()
    {
        std::string text = ReadFileText(dir.Path("vesk.log"));
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    }
};

RECT WindowRect(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}
}  // namespace

TEST_F(ScreenWindow, FullScreenCoversTheVirtualScreen)
{
    Open(smSaver);
    const RECT r = WindowRect(window);
    EXPECT_EQ(::GetSystemMetrics(SM_XVIRTUALSCREEN), r.left);
    EXPECT_EQ(::GetSystemMetrics(SM_CXVIRTUALSCREEN), r.right - r.left);
    EXPECT_EQ(::GetSystemMetrics(SM_CYVIRTUALSCREEN), r.bottom - r.top);
    EXPECT_EQ(r.right - r.left, form->screenWidth);
    EXPECT_EQ(settings.mainWindow, window);
    EXPECT_NE(std::string::npos, LogText().find("show on screen 0"));
    EXPECT_NE(std::string::npos, LogText().find("Main form Init Pos 0 ,0"));
}

TEST_F(ScreenWindow, MonitorIndicesBeyondTheTableGiveTheVirtualScreen)
{
    ScreenRect first, beyond;
    ASSERT_TRUE(QueryMonitorGeometry(1, first));
    EXPECT_GE(MonitorCount(), 1);
    EXPECT_GT(first.width, 0);
    ASSERT_TRUE(QueryMonitorGeometry(MonitorCount() + 1, beyond));
    EXPECT_EQ(::GetSystemMetrics(SM_CXVIRTUALSCREEN), beyond.width);
    EXPECT_EQ(::GetSystemMetrics(SM_XVIRTUALSCREEN), beyond.left);
}

TEST_F(ScreenWindow, MoveBeyondTheThresholdCloses)
{
    OpenArmed();
    EXPECT_FALSE(MoveTo(20, 20)) << "20 pixels on both axes stay within the threshold";
    EXPECT_FALSE(MoveTo(20, 0));
    EXPECT_TRUE(MoveTo(21, 0)) << "21 pixels on one axis close";
    EXPECT_EQ(1, settings.closeRequested);
    const std::string text = LogText();
    EXPECT_NE(std::string::npos, text.find("dx: 21 , dy : 0 , threshold : 20"));
    EXPECT_NE(std::string::npos, text.find("Close Event : WM_MOUSEMOVE_A"));
    EXPECT_NE(std::string::npos, text.find("Close Query"));
    EXPECT_NE(std::string::npos, text.find("CanClose : yes"));
}

TEST_F(ScreenWindow, TheThresholdFollowsTheSlider)
{
    settings.options.thresholdPosition = 10;
    OpenArmed();
    EXPECT_FALSE(MoveTo(40, 40));
    EXPECT_TRUE(MoveTo(0, 41));
}

TEST_F(ScreenWindow, InputBeforeArmingIsIgnored)
{
    Open(smSaver);
    EXPECT_FALSE(MoveTo(300, 300));
    EXPECT_FALSE(Input(WM_LBUTTONDOWN));
    EXPECT_FALSE(Input(WM_CHAR, 'x'));
    EXPECT_EQ(0, settings.closeRequested);
    EXPECT_NE(std::string::npos, LogText().find("Now 300 ,300")) << "the move is logged";
    EXPECT_EQ(std::string::npos, LogText().find("Close Event"));

    // The arming timer's own tick, 2 s after creation.
    EXPECT_TRUE(PumpUntil([this] { return settings.exitArmed == 1; }, 4000));
    EXPECT_TRUE(Input(WM_RBUTTONUP));
    EXPECT_NE(std::string::npos, LogText().find("Close Event : WM_RBUTTONUP_A"));
}

TEST_F(ScreenWindow, OwnRulesWhenAnyEventIsOff)
{
    settings.options.closeOnAnyEvent = 0;
    settings.options.closeOnLeftClick = 1;
    settings.options.closeOnRightClick = 0;
    settings.options.closeOnDoubleClick = 0;
    settings.options.closeOnEsc = 0;
    settings.options.closeOnEnter = 0;
    settings.options.closeOnKey = 1;
    settings.options.closeKey = 65;
    OpenArmed();
    EXPECT_FALSE(Input(WM_RBUTTONDOWN));
    EXPECT_FALSE(Input(WM_LBUTTONDBLCLK));
    EXPECT_FALSE(Input(WM_CHAR, 'a'));
    EXPECT_FALSE(Input(WM_CHAR, 27));
    EXPECT_FALSE(Input(WM_KEYDOWN, VK_LEFT));
    EXPECT_FALSE(Input(WM_KEYDOWN, VK_F5));
    EXPECT_FALSE(Input(WM_HELP)) << "help only closes under the any-event rule";
    EXPECT_TRUE(Input(WM_CHAR, 'A'));
    EXPECT_NE(std::string::npos, LogText().find("Close Event : WM_CHAR\n"));
}

TEST_F(ScreenWindow, MiddleClickCountsAsLeftClick)
{
    settings.options.closeOnAnyEvent = 0;
    settings.options.closeOnLeftClick = 1;
    OpenArmed();
    EXPECT_TRUE(Input(WM_MBUTTONDOWN));
    EXPECT_NE(std::string::npos, LogText().find("Close Event : WM_LBUTTONUP\n"));
}

TEST_F(ScreenWindow, EscAndEnterCloseWhenTheirOptionsAreOn)
{
    settings.options.closeOnAnyEvent = 0;
    settings.options.closeOnEsc = 1;
    settings.options.closeOnEnter = 0;
    OpenArmed();
    EXPECT_FALSE(Input(WM_CHAR, 13));
    settings.options.closeOnEnter = 1;
    settings.options.closeOnEsc = 0;
    EXPECT_FALSE(Input(WM_CHAR, 27));
    EXPECT_TRUE(Input(WM_CHAR, 13));
}

TEST_F(ScreenWindow, KeysWithoutCharactersNeverClose)
{
    OpenArmed();
    for (WPARAM key : {VK_LEFT, VK_RIGHT, VK_F5, VK_SHIFT, VK_CONTROL}) {
        EXPECT_FALSE(Input(WM_KEYDOWN, key));
        EXPECT_FALSE(Input(WM_KEYUP, key));
    }
    EXPECT_EQ(0, settings.closeRequested);
}

TEST_F(ScreenWindow, FullScreenSwallowsTheSystemCloseAndScreensaveCommands)
{
    OpenArmed();
    EXPECT_FALSE(Input(WM_SYSCOMMAND, SC_CLOSE));
    EXPECT_FALSE(Input(WM_SYSCOMMAND, SC_SCREENSAVE));
    EXPECT_NE(std::string::npos, LogText().find("here : 61536"));
}

TEST_F(ScreenWindow, ProgramModeClosesOnTheSystemCloseCommand)
{
    Open(smProgram);
    EXPECT_FALSE(Input(WM_SYSCOMMAND, SC_SCREENSAVE));
    EXPECT_FALSE(MoveTo(500, 500)) << "no exit conditions as a program";
    EXPECT_TRUE(Input(WM_SYSCOMMAND, SC_CLOSE));
}

TEST_F(ScreenWindow, ProgramModeMenuExits)
{
    Open(smProgram);
    ASSERT_EQ(2u, form->pmmain.Count());
    form->pmmain.Click(1);
    EXPECT_TRUE(PumpUntil([this] { return Closed(); }, 1000));
}

TEST_F(ScreenWindow, PreviewFillsItsHostWindow)
{
    UniqueWindow host(::CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 100, 100, 152, 112, nullptr,
                                        nullptr, nullptr, nullptr));
    ASSERT_TRUE(host);
    Open(smPreview, host.get());
    EXPECT_EQ(host.get(), ::GetParent(window));
    const RECT r = WindowRect(window);
    EXPECT_EQ(100, r.left);
    EXPECT_EQ(100, r.top);
    EXPECT_EQ(152, r.right - r.left);
    EXPECT_EQ(112, r.bottom - r.top);
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE), ::GetWindowLongA(window, GWL_STYLE) & ~WS_CLIPCHILDREN);
    EXPECT_FALSE(MoveTo(400, 400));

    // The host ends the preview by destroying its child.
    host.reset();
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(form->closing) << "the clean-up ran";
}

TEST_F(ScreenWindow, PreviewWithoutHostEndsAtOnce)
{
    form = std::make_unique<Tfmain>(smPreview, nullptr, db, settings, project);
    window = form->Handle();
    const RECT r = WindowRect(window);
    EXPECT_EQ(0, r.right - r.left);
    EXPECT_EQ(0, r.bottom - r.top);
    EXPECT_TRUE(PumpUntil([this] { return Closed(); }, 2000));
}

TEST_F(ScreenWindow, TaskbarHiddenForTheWholeScreenAndMonitorOne)
{
    UniqueWindow taskbar = MakeTaskbar();
    ASSERT_EQ(taskbar.get(), ::FindWindowA("Shell_TrayWnd", nullptr));
    for (int screenIndex : {0, 1, 2}) {
        settings.options.screenIndex = screenIndex;
        OpenArmed();
        EXPECT_EQ(screenIndex == 2, ::IsWindowVisible(taskbar.get()) != 0) << screenIndex;
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        ASSERT_TRUE(PumpUntil([this] { return Closed(); }));
        EXPECT_TRUE(::IsWindowVisible(taskbar.get())) << screenIndex;
        form.reset();
    }
}

TEST_F(ScreenWindow, CursorHidesInFullScreenAndShowsWhenSuspended)
{
    OpenArmed();
    CURSORINFO info{};
    info.cbSize = sizeof info;
    ::SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), HTCLIENT);
    ::SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), HTCLIENT);
    settings.SuspendExit();
    EXPECT_TRUE(::GetCursorInfo(&info));
    const int shown = ::ShowCursor(TRUE);
    ::ShowCursor(FALSE);
    EXPECT_GE(shown, 1) << "one show undoes the hides, however many cursor messages came";
    EXPECT_FALSE(MoveTo(600, 600)) << "no exit while suspended";
    settings.ResumeExit();
    EXPECT_FALSE(MoveTo(610, 610)) << "moves are measured from where the cursor was at resuming";
    EXPECT_TRUE(MoveTo(640, 600));
}

TEST_F(ScreenWindow, MaximumRunTimeStopsTheShowButKeepsTheExitConditions)
{
    settings.options.maxRuntimeOn = 1;
    settings.options.maxRuntimeMinutes = 3;
    OpenArmed();
    EXPECT_TRUE(form->timer3.Enabled());
    EXPECT_EQ(180000u, form->timer3.Interval());
    EXPECT_NE(std::string::npos, LogText().find("Time Limitation 3 minute(s)"));
    form->timer3Timer();
    EXPECT_FALSE(form->timer3.Enabled());
    EXPECT_TRUE(form->runtimeOver);
    EXPECT_TRUE(MoveTo(100, 0));
}

TEST_F(ScreenWindow, ClosingRemovesTheFilesCopiedForThePlayers)
{
    OpenArmed();
    const std::string copied = dir.Write("copied.avi", std::string("video"));
    form->screenFiles.deletionList.push_back(copied);
    EXPECT_EQ(0, form->showSetting.ItemCount());
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(copied.c_str()));
}
