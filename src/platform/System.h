// The few facts about the running process and the clock that the portable code needs.
#pragma once

#include <cstdint>
#include <string>

// Full path of the running program; empty when the system cannot tell.
std::string ModuleFileName();

// Milliseconds since the system started, wrapping like the system's own 32-bit counter.
std::int32_t TickCount();

struct LocalDateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalDateTime CurrentLocalTime();

// Waits `milliseconds` on this thread.
void SleepMilliseconds(unsigned milliseconds);
