// The program's entry. The diagnostic log is created first and destroyed last, so everything in
// between can be traced; an exception that escapes the run is shown to the user, and the run
// still ends through Shutdown.
#include "../diagnostics/FileLog.h"
#include "../framework/Application.h"
#include "../framework/ComApartment.h"
#include "../framework/Dpi.h"
#include "../screen/main.h"
#include "app.h"

#include <windows.h>

#include <memory>
#include <stdexcept>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    auto log = std::make_unique<CFileLog>();
    g_fileLog = log.get();
    DeclareDpiAwareness();
    // Held for the whole run: each picture's decode would otherwise end the last apartment and
    // have the imaging component unloaded and loaded again for the next one.
    ComApartment com;
    std::unique_ptr<Tfmain> screen;
    try {
        Application.MainFormOnTaskBar = false;
        Application.Initialize();
        if (g_app.Run()) {
            screen = std::make_unique<Tfmain>(g_app.runMode, g_app.hostWindow, g_app.database, g_app.settings,
                                              g_app.project);
            Application.MainForm = screen.get();
            screen->Show();
        }
        Application.Run();
    } catch (const std::exception& e) {
        Application.ShowException(e);
    } catch (...) {
        Application.ShowException(std::runtime_error(""));
    }
    Application.MainForm = nullptr;
    screen.reset();
    g_app.Shutdown();
    g_fileLog = nullptr;
    log.reset();
    return 0;
}
