#include "app.h"

#include "../diagnostics/FileLog.h"
#include "../dialogs/configuredlg.h"
#include "../framework/Application.h"
#include "../package/Convert.h"
#include "../package/Payloads.h"
#include "../platform/System.h"
#include "../settings/SystemIntegration.h"
#include "../slideshow/ComPicture.h"
#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <vector>

CScreensaverApp g_app;

namespace {
const char kInstanceMutex[] = "quillmerescreensaver";

// The argument converted to an integer window handle; 0 when it is missing or not a number.
HWND WindowArgument(const std::vector<std::string>& arguments, std::size_t index)
{
    if (index >= arguments.size()) return nullptr;
    try {
        return reinterpret_cast<HWND>(static_cast<std::intptr_t>(StrToInt(Trim(arguments[index]))));
    } catch (const EConvertError&) {
        return nullptr;
    }
}

// Ends the process quietly on a fault during shutdown.
LONG WINAPI EndQuietly(EXCEPTION_POINTERS*)
{
    return EXCEPTION_EXECUTE_HANDLER;
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}
}  // namespace

bool CScreensaverApp::Run()
{
    FILE_LOG("CMD: %s", ::GetCommandLineA());
    const std::string path = ModuleFileName();
    FILE_LOG("screensaver file : %s", path.c_str());

    const std::vector<std::string> arguments = CommandLineArguments(::GetCommandLineA());
    bool removeSettings = false;
    if (arguments.size() > 1) {
        const std::string& first = arguments[1];
        if (first == "/setdef") {
            FILE_LOG("set as system's default screensaver!");
            SetAsDefaultScreensaver(path);
            FILE_LOG("default screensaver is set!");
            return false;
        }
        if (first == "/delreg") removeSettings = true;
        if (first == "/ins") {
            FILE_LOG("open screensaver setting dialog!");
            RunInstallCommand(path);
            FILE_LOG("setting dialog closed!");
            return false;
        }
        if (Upper(first).find("/A") != std::string::npos) {
            FILE_LOG("checking password in win9x");
            ChangeScreensaverPassword(WindowArgument(arguments, 2));
            FILE_LOG("finish checking password!");
            return false;
        }
    }

    database.Open(path, ReadPackageOffset(path));
    if (TempFolder().empty()) FILE_LOG("the temporary folder cannot be used: the show goes on without its files");
    ExtractRuntimeLibraries(database);
    project.SetDatabase(database);
    project.OpenTable();
    project.Load();

    hostWindow = removeSettings ? nullptr : ParseModeArgument();
    project.SetScreensaverPath(path);
    if (project.options.runAsProgram == 1 || IsProgramFileName(path)) runMode = smProgram;

    if (runMode == smSaver) {
        mutexHandle.reset(::CreateMutexA(nullptr, TRUE, kInstanceMutex));
        if (::GetLastError() == ERROR_ALREADY_EXISTS) return false;
    }

    settings.SetKey(project.projectName);
    Application.SetTitle(project.projectName);
    settings.Load();

    if (removeSettings) {
        RemoveSettingsKey(project.projectName);
        project.CloseTable();
        mutexHandle.reset();
        return false;
    }

    if (const char* text = StartModeText(runMode)) FILE_LOG("%s", text);

    switch (runMode) {
        case smConfigure:
            FILE_LOG("Openning the configuration dialog!");
            // Owned by the window of "/c:HWND" (the Display control panel), or by the foreground
            // window when no handle was given; it saves the settings itself when confirmed.
            ShowConfigurationDialog(hostWindow, settings, project);
            project.CloseTable();
            mutexHandle.reset();
            FILE_LOG("Exit from the configuration dialog!");
            return false;
        case smChangePassword:
            ChangeScreensaverPassword(hostWindow);
            return false;
        default:
            break;
    }

    SaveDesktopSnapshot();
    if (runMode == smSaver || runMode == smPreview) {
        FILE_LOG("notify windows a screensaver is running");
        NotifyScreensaverRunning(true);
        runningNotified = true;
    }
    return true;
}

// The screen as it was before the show, offered to the show as a background picture.
void CScreensaverApp::SaveDesktopSnapshot()
{
    const std::string temp = TempFolder();
    if (temp.empty()) return;
    CComPicture snapshot;
    snapshot.CaptureScreen(settings.options.screenIndex);
    if (snapshot.surface) snapshot.SaveToFile(temp + "veskdsk.bmp");
}

// The foreground window, when its thread answers. A modal dialog disables its owner by a message
// that waits for the owner's thread: a window of a program that has stopped handling messages
// would keep the dialog from ever showing, so the dialog then goes without an owner.
HWND CScreensaverApp::ResponsiveForegroundWindow()
{
    const HWND window = ::GetForegroundWindow();
    if (!window) return nullptr;
    DWORD_PTR answer = 0;
    const bool answers =
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kOwnerAnswerMs, &answer) != 0;
    return answers ? window : nullptr;
}

HWND CScreensaverApp::ParseModeArgument()
{
    const ModeArgument parsed = ::ParseModeArgument(::GetCommandLineA(), runMode);
    runMode = parsed.mode;
    if (parsed.foregroundOwner) return ResponsiveForegroundWindow();
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(parsed.window));
}

void CScreensaverApp::Shutdown()
{
    // From here on a fault ends the process silently instead of showing the system's fault dialog.
    ::SetErrorMode(SEM_NOGPFAULTERRORBOX);
    ::SetUnhandledExceptionFilter(EndQuietly);

    // Only what this run announced is taken back: a second full-screen instance that ended at the
    // mutex must not tell the system that the first one stopped.
    if ((runMode == smSaver || runMode == smPreview) && runningNotified) {
        FILE_LOG("notify windows screensaver is stopped!");
        NotifyScreensaverRunning(false);
        runningNotified = false;
    }
    project.CloseTable();
    database.Close();
    mutexHandle.reset();
}
