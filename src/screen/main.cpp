#include "main.h"

#include "../diagnostics/FileLog.h"
#include "../dialogs/configuredlg.h"
#include "../framework/Application.h"
#include "../framework/MonitorGeometry.h"
#include "../package/Payloads.h"
#include "../players/SoundPlayer.h"
#include "../players/VideoPlayer.h"
#include "../settings/SaverSettings.h"
#include "../settings/SystemIntegration.h"
#include "../settings/VESKGlobeSettings.h"
#include "../slideshow/ImageSlideShowPlayer.h"
#include "ExitRules.h"

#include <cstdlib>

namespace {
constexpr UINT kArmingDelay = 2000;
}  // namespace

Tfmain::Tfmain(TScrMode mode, HWND host, const CMyXMLDb& db, CSaverSettings& saverSettings,
               CVESKGlobeSettings& projectRecord, FramePacer* pacer)
    : runMode(mode),
      settings(saverSettings),
      project(projectRecord),
      screenFiles(TempFolder(), projectRecord, media),
      transitionPacer(pacer),
      musicTable(db, TempFolder()),
      database(db),
      hostWindow(host)
{
    timer3.OnTimer = [this] { timer3Timer(); };
    timer1.OnTimer = [this] { timer1Timer(); };
    timer2.OnTimer = [this] { timer2Timer(); };
    watch_close_event_timer.OnTimer = [this] { watch_close_event_timerTimer(); };
    watch_close_event_timer.SetInterval(kArmingDelay);
    watch_close_event_timer.SetEnabled(true);
    pmmain.Add("Settings", [this] { Settings1Click(); });
    pmmain.Add("Exit", [this] { Exit1Click(); });
    Create();
    displayPower.Register(Handle(), [this](bool displayOn) { displayOn ? GoOn() : Rest(); });
}

Tfmain::~Tfmain()
{
    DestroyHandle();
}

void Tfmain::FormCreate()
{
    settings.mainWindow = Handle();
    // The password grace period runs from the window's creation.
    settings.startTick = static_cast<std::int32_t>(::GetTickCount());
    try {
        StartShow();
    } catch (...) {
        // A bad package (a list that is not a list of numbers) ends the show before it ran: the
        // desktop gets back what the start changed before the error box appears.
        UndoStart();
        throw;
    }
}

void Tfmain::StartShow()
{
    BOOL previous = FALSE;
    ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previous, 0);
    previousScreensaverState = previous;

    media.SetDatabase(database);
    media.Open();
    showSetting.SetDatabase(database);
    showSetting.SetSaverSettings(settings);
    showSetting.Open();
    showSetting.LoadCurrent();
    SetUpSound();

    Place();
    ShowItem();

    if (runMode != smPreview) {
        ShowTaskbar(false);
        if (settings.options.maxRuntimeOn && settings.options.maxRuntimeMinutes > 0) {
            FILE_LOG("Time Limitation %u minute(s)", static_cast<unsigned>(settings.options.maxRuntimeMinutes));
            timer3.SetInterval(RunTimeLimitMilliseconds(settings.options.maxRuntimeMinutes));
            timer3.SetEnabled(true);
        }
    }
    if (runMode == smProgram) PopupMenu = &pmmain;
    hook.Install(Handle(), [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return Hook(message, wParam, lParam, result);
    });
    if (runMode == smSaver) ::SetCursorPos(0, 0);
    ::GetCursorPos(&settings.startPos);
    FILE_LOG("Main form Init Pos %d ,%d", static_cast<int>(settings.startPos.x), static_cast<int>(settings.startPos.y));
    SetCaption(Application.Title());
}

void Tfmain::UndoStart()
{
    closing = true;  // nothing of the show runs any more
    StopItem(previousItemType);
    ClosePlayers();
    timer3.SetEnabled(false);
    if (runMode != smPreview) ShowTaskbar(true);
    hook.Remove();
    cursor.Hide(false);
    NotifyScreensaverRunning(false);
}

void Tfmain::Place()
{
    ScreenRect rect{0, 0, 800, 600};
    switch (runMode) {
        case smPreview: {
            RECT host{};
            ::GetWindowRect(hostWindow, &host);
            rect = {0, 0, host.right - host.left, host.bottom - host.top};
            if (::IsWindow(hostWindow)) ::SetParent(Handle(), hostWindow);
            ::SetWindowLongA(Handle(), GWL_STYLE, WS_CHILD | WS_VISIBLE);
            ::SetWindowPos(Handle(), nullptr, 0, 0, rect.width, rect.height,
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_FRAMECHANGED);
            SetBounds(0, 0, rect.width, rect.height);
            // Without a host there is nothing to show in and nobody to end the preview.
            if (!::IsWindow(hostWindow)) ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
            break;
        }
        case smSaver:
        case smProgram:
            FILE_LOG("show on screen %d", static_cast<int>(settings.options.screenIndex));
            QueryMonitorGeometry(settings.options.screenIndex, rect);
            SetBounds(rect.left, rect.top, rect.width, rect.height);
            break;
        default:
            break;
    }
    screenWidth = rect.width;
    screenHeight = rect.height;
}

void Tfmain::ShowTaskbar(bool show)
{
    // The taskbar lies on the first monitor: it is only in the way of the whole screen or monitor 1.
    if (settings.options.screenIndex >= 2) return;
    if (HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr)) ::ShowWindow(taskbar, show ? SW_RESTORE : SW_HIDE);
}

bool Tfmain::WatchesExit() const
{
    return runMode == smSaver && settings.exitSuspended == 0;
}

void Tfmain::CloseEvent(const char* name)
{
    if (name) settings.RaiseCloseEvent(name);
}

void Tfmain::MoveTest()
{
    POINT now{};
    ::GetCursorPos(&now);
    const POINT& start = settings.startPos;
    const std::int32_t threshold = MoveThreshold(settings.options);
    if (!MovedBeyond(start.x, start.y, now.x, now.y, threshold)) return;
    FILE_LOG("Previouse %d ,%d", static_cast<int>(start.x), static_cast<int>(start.y));
    FILE_LOG("Now %d ,%d", static_cast<int>(now.x), static_cast<int>(now.y));
    FILE_LOG("dx: %d , dy : %d , threshold : %d", static_cast<int>(std::labs(now.x - start.x)),
             static_cast<int>(std::labs(now.y - start.y)), static_cast<int>(threshold));
    CloseEvent(CloseEventName(ExitInput::MouseMove, settings.options));
    FILE_LOG("Exit mouse move");
}

bool Tfmain::Hook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
        case WM_ACTIVATE:
        case WM_ERASEBKGND:
        case WM_ACTIVATEAPP:
        case WM_NCACTIVATE:
            result = 1;
            return true;
        case WM_SETCURSOR:
            cursor.Hide(WatchesExit());  // shown again whenever exit detection is suspended
            return false;
        case WM_HELP:
            if (WatchesExit() && LOWORD(wParam) == 0) CloseEvent(CloseEventName(ExitInput::Help, settings.options));
            result = 0;
            return true;
        case WM_CHAR:
            if (WatchesExit())
                CloseEvent(CloseEventName(ExitInput::Character, settings.options, static_cast<std::int32_t>(wParam)));
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            if (WatchesExit()) CloseEvent(CloseEventName(ExitInput::LeftButton, settings.options));
            return false;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            if (WatchesExit()) CloseEvent(CloseEventName(ExitInput::RightButton, settings.options));
            return false;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            if (WatchesExit()) CloseEvent(CloseEventName(ExitInput::DoubleClick, settings.options));
            return false;
        case WM_MOUSEMOVE:
            if (WatchesExit()) MoveTest();
            return false;
        case kItemFinished:
            ItemFinished();
            result = 0;
            return true;
        case kBoundSoundFinished:
            BoundSoundFinished();
            result = 0;
            return true;
        case kPrepareNext:
            PrepareNext();
            result = 0;
            return true;
        case kTrackFinished:
            TrackFinished();
            result = 0;
            return true;
        case kPauseMusic:
            if (musicPlayer) musicPlayer->Pause();
            musicResumesAfterRest = false;
            result = 0;
            return true;
        case kResumeMusic:
            // While resting the music waits for the display.
            if (musicPlayer && !resting) musicPlayer->Resume();
            musicResumesAfterRest = resting;
            result = 0;
            return true;
        case WM_POWERBROADCAST:
            // The display's state: off rests the show, on (or dimmed) takes it up again. A
            // monitor-power system command is only a request and passes as any command.
            if (!displayPower.Notified(wParam, lParam)) return false;
            result = TRUE;
            return true;
        case WM_SYSCOMMAND: {
            const UINT command = static_cast<UINT>(wParam & 0xFFF0);
            FILE_LOG("here : %d", static_cast<int>(wParam));
            if (command == SC_SCREENSAVE || (runMode == smSaver && command == SC_CLOSE)) {
                result = 0;
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

void Tfmain::watch_close_event_timerTimer()
{
    watch_close_event_timer.SetEnabled(false);
    settings.exitArmed = 1;
}

void Tfmain::FormCloseQuery(bool& canClose)
{
    FILE_LOG("Close Query");
    // While the password question is open only its own answer may close the show.
    if (runMode == smSaver && settings.exitSuspended != 0) canClose = false;
    if (runMode == smSaver && settings.closeRequested == 1 && settings.exitSuspended == 0) {
        canClose = true;
        const std::uint32_t elapsed = ::GetTickCount() - static_cast<std::uint32_t>(settings.startTick);
        if (elapsed > static_cast<std::uint32_t>(settings.graceSeconds) * 1000u) {
            settings.SuspendExit();
            canClose = VerifyScreensaverPassword(Handle());
            settings.ResumeExit();
        }
    }
    if (canClose) busy = true;
    FILE_LOG("CanClose : %s", canClose ? "yes" : "no");
}

void Tfmain::FormShow()
{
    // The show has no taskbar button: the application window that would carry one stays hidden.
    ::ShowWindow(Application.Handle(), SW_HIDE);
}

void Tfmain::FormClose(TCloseAction&)
{
    if (closing) return;
    closing = true;
    DropPrepared();
    StopItem(previousItemType);
    flashPlayer.reset();
    if (runMode != smPreview) ShowTaskbar(true);
    ClosePlayers();
    screenFiles.RemoveScreenFiles();
    NotifyScreensaverRunning(false);
    if (runMode != smPreview && settings.options.maxRuntimeOn && settings.options.maxRuntimeMinutes > 0)
        timer3.SetEnabled(false);
    media.Close();
    showSetting.Close();
}

void Tfmain::FormResize()
{
    if (flashPlayer) flashPlayer->ParentResized();
}

void Tfmain::FormPaint(HDC dc)
{
    if (flashPlayer) flashPlayer->ParentPainted(dc);
}

void Tfmain::FormDestroy()
{
    hook.Remove();
    cursor.Hide(false);
}

void Tfmain::timer3Timer()
{
    // The maximum run time has passed: the show stops and the screen turns black. The exit
    // conditions stay as they are, so a password still guards the desktop.
    timer3.SetEnabled(false);
    runtimeOver = true;
    FILE_LOG("Maximum run time reached, the show stops");
    DropPrepared();
    StopItem(previousItemType);
    timer1.SetEnabled(false);
    itemTimerArmed = false;
    if (slideshowPlayer) slideshowPlayer->Hide();
    ClosePlayers();
    if (flashPlayer) flashPlayer->Hide();
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void Tfmain::Settings1Click()
{
    ::SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    busy = true;
    DropPrepared();  // the settings may change what the next item looks like
    Application.ProcessMessages();
    ShowConfigurationDialog(Handle(), settings, project);
    busy = false;
}

void Tfmain::Exit1Click()
{
    Close();
}
