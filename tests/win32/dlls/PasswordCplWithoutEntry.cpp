// A PASSWORD.CPL that lacks the verification entry.
#include "Recorder.h"

extern "C" __declspec(dllexport) BOOL WINAPI SomethingElse(HWND)
{
    RecordCall("SomethingElse");
    return FALSE;
}
