// PASSWORD.CPL stand-in: records VerifyScreenSavePwd and answers with the number in
// "verify-result.txt" beside it (1 when the file is missing). While its question is "open" it
// dispatches the caller's queued messages, as a real password dialog's modal loop does.
#include "Recorder.h"

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND owner)
{
    RecordCall("VerifyScreenSavePwd " + std::to_string(reinterpret_cast<std::uintptr_t>(owner)));
    for (int round = 0; round < 10; ++round) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::Sleep(10);
    }
    int result = 1;
    if (std::FILE* file = std::fopen((LibraryFolder(ThisLibrary()) + "verify-result.txt").c_str(), "r")) {
        if (std::fscanf(file, "%d", &result) != 1) result = 1;
        std::fclose(file);
    }
    return result;
}
