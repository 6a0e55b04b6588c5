// The resource figures of another process that a long run watches for growth. Windows answers
// each through its own query; where Wine answers 0 (GetGuiResources, GetProcessHandleCount), the
// figure is counted another way, named in `source`, so only the growth of a figure is meaningful.
//
//   const ProcessFigures f = SampleProcess(process, processId);
#pragma once

#include <windows.h>

#include <map>
#include <string>

struct ProcessFigures {
    long gdiObjects = -1;  // -1: not available
    long userObjects = -1;
    long handles = -1;
    double privateBytes = -1;
    std::string source;                 // how each figure was counted, when not by the system's own query
    std::map<int, long> handlesByType;  // object type number → handles, when counted from the handle list
};

// `process` needs query and read access (a handle from CreateProcess has both).
ProcessFigures SampleProcess(HANDLE process, DWORD processId);
