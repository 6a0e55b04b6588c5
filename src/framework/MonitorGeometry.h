// Where a screen index lies: 0 is the whole virtual screen, n ≥ 1 the n-th monitor in the
// system's enumeration order. The monitors are kept in one process-wide table of up to 20.
#pragma once

struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// Writes the rectangle of `screenIndex` and returns true; an index outside the table gives the
// whole virtual screen. Writes nothing and returns false when the system cannot be asked.
bool QueryMonitorGeometry(int screenIndex, ScreenRect& rect);

// The number of monitors in the table, enumerating them first when none are known yet.
int MonitorCount();
