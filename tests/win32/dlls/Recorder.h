// Stand-ins for the 9x password services: each call is appended as a line to "calls.txt" in the
// library's own folder, so a test can see what the player asked for.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

inline std::string LibraryFolder(HMODULE library)
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(library, path, MAX_PATH);
    const std::string module(path, n);
    return module.substr(0, module.find_last_of('\\') + 1);
}

inline HMODULE ThisLibrary()
{
    HMODULE library = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&ThisLibrary), &library);
    return library;
}

inline void RecordCall(const std::string& line)
{
    if (std::FILE* file = std::fopen((LibraryFolder(ThisLibrary()) + "calls.txt").c_str(), "ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}
