// The end of every transition frame: let the window thread handle its messages, test whether
// the change was stopped, and wait the effect's delay. The player sleeps; tests record.
//
//   class RecordingPacer : public FramePacer { bool EndFrame(int delay) override { ... } };
#pragma once

#include <atomic>

class FramePacer {
public:
    virtual ~FramePacer() = default;
    // False when the change was stopped: the effect leaves its frame loop without waiting.
    virtual bool EndFrame(int delayMilliseconds) = 0;
};

// Holds a change's frames while `resting` is set (the display is off): the window thread goes on
// handling its messages, waiting for them in between, and the change continues from the same
// frame when resting ends. A stop, or the application quitting, ends the wait.
class RestingFramePacer : public FramePacer {
public:
    RestingFramePacer(FramePacer& inner, const bool& resting, const std::atomic<bool>& stopFlag)
        : inner(inner), resting(resting), stopFlag(stopFlag)
    {
    }
    bool EndFrame(int delayMilliseconds) override;
    // False when the change was stopped.
    bool WaitWhileResting();

private:
    FramePacer& inner;
    const bool& resting;
    const std::atomic<bool>& stopFlag;
};

// Pumps the application's messages, stops when the flag is set, otherwise waits until the frame's
// moment: frames keep to a schedule that advances by each delay from the start of the change, so
// drawing time and the coarseness of the system's sleep do not add up over the frames. The system
// timer runs at 1 ms while a frame waits.
class SleepingFramePacer : public FramePacer {
public:
    explicit SleepingFramePacer(const std::atomic<bool>& stopFlag);
    bool EndFrame(int delayMilliseconds) override;

private:
    const std::atomic<bool>& stopFlag;
    double due;  // when the next frame may start, in ms of the performance counter
    double ticksPerMillisecond;
};
