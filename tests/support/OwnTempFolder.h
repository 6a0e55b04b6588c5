// Environment variables for one test, and the process's own temporary folder built on them.
#pragma once

#include "TempDir.h"

#include <windows.h>

#include <string>

// Sets an environment variable for the life of the object; programs started meanwhile inherit it.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const std::string& value) : name(name)
    {
        char buffer[32768];
        const DWORD n = ::GetEnvironmentVariableA(name, buffer, sizeof buffer);
        had = n > 0 && n < sizeof buffer;
        if (had) saved.assign(buffer, n);
        ::SetEnvironmentVariableA(name, value.c_str());
    }
    ~EnvironmentOverride() { ::SetEnvironmentVariableA(name, had ? saved.c_str() : nullptr); }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const char* name;
    std::string saved;
    bool had = false;
};

// The temporary folder (TMP and TEMP) moved to a fresh folder for one test. The player keeps
// files there under fixed names (the image library, the desktop snapshot), and tests that run
// beside each other in one Wine prefix would otherwise share them: one test's copy or removal
// would meet another's loaded file.
class OwnTempFolder {
public:
    OwnTempFolder() = default;

private:
    TempDir folder;  // made in the shared temporary folder, before the variables change
    EnvironmentOverride tmp{"TMP", folder.Path("")}, temp{"TEMP", folder.Path("")};
};
