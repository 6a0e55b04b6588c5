// The program's entry. It opens the diagnostic log first and closes it last, so everything the
// program does in between can be traced.
#include "FileLog.h"

#include <windows.h>

#include <memory>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    auto log = std::make_unique<CFileLog>();
    g_fileLog = log.get();
    FILE_LOG("CMD: %s", ::GetCommandLineA());
    g_fileLog = nullptr;
    return 0;
}
