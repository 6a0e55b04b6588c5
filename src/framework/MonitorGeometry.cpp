#include "MonitorGeometry.h"

#include "DCGuards.h"
#include "Handles.h"

namespace {
constexpr int kMaxMonitors = 20;

// The process-wide monitor table: filled by every query for a monitor, kept between queries.
struct MonitorTable {
    RECT rects[kMaxMonitors];
    int count = 0;
} g_monitors;

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM)
{
    if (g_monitors.count < kMaxMonitors) g_monitors.rects[g_monitors.count++] = *rect;
    return TRUE;
}
}  // namespace

bool QueryMonitorGeometry(int screenIndex, ScreenRect& rect)
{
    UniqueLibrary user32(::LoadLibraryA("User32.dll"));
    if (!user32) return false;
    using EnumMonitors = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
    using SystemMetrics = int(WINAPI*)(int);
    auto enumMonitors = GetProc<EnumMonitors>(user32.get(), "EnumDisplayMonitors");
    auto metrics = GetProc<SystemMetrics>(user32.get(), "GetSystemMetrics");
    if (!enumMonitors || !metrics) return false;

    if (screenIndex != 0) {
        g_monitors.count = 0;
        WindowDC screen(nullptr);
        enumMonitors(screen.get(), nullptr, AddMonitor, 0);
    }
    if (screenIndex < 1 || screenIndex > g_monitors.count) {
        // The virtual screen starts where the system says: left of or above the primary monitor
        // when a monitor lies there.
        rect = {metrics(SM_XVIRTUALSCREEN), metrics(SM_YVIRTUALSCREEN), metrics(SM_CXVIRTUALSCREEN),
                metrics(SM_CYVIRTUALSCREEN)};
    } else {
        const RECT& r = g_monitors.rects[screenIndex - 1];
        rect = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    return true;
}

int MonitorCount()
{
    if (g_monitors.count == 0) {
        ScreenRect ignored;
        QueryMonitorGeometry(1, ignored);
    }
    return g_monitors.count;
}
