// MPR.DLL stand-in: records PwdChangePasswordA with its arguments.
#include "Recorder.h"

extern "C" __declspec(dllexport) DWORD WINAPI
    PwdChangePasswordA(LPCSTR provider, HWND owner, DWORD reserved, LPVOID more)
{
    RecordCall("PwdChangePasswordA " + std::string(provider ? provider : "(null)") + " " +
               std::to_string(reinterpret_cast<std::uintptr_t>(owner)) + " " + std::to_string(reserved) + " " +
               std::to_string(reinterpret_cast<std::uintptr_t>(more)));
    return 0;
}
