// The program's entry. The diagnostic log is created first and destroyed last, so everything in
// between can be traced; an exception that escapes the run is shown to the user, and the run
// still ends through Shutdown.
#include "../framework/Application.h"
#include "FileLog.h"
#include "app.h"

#include <windows.h>

#include <memory>
#include <stdexcept>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    auto log = std::make_unique<CFileLog>();
    g_fileLog = log.get();
    try {
        Application.MainFormOnTaskBar = false;
        Application.Initialize();
        g_app.Run();
        Application.Run();
    } catch (const std::exception& e) {
        Application.ShowException(e);
    } catch (...) {
        Application.ShowException(std::runtime_error(""));
    }
    g_app.Shutdown();
    g_fileLog = nullptr;
    log.reset();
    return 0;
}
