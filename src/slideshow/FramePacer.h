// The end of every transition frame: let the window thread handle its messages, test whether
// the change was stopped, and wait the effect's delay. The player sleeps; tests record.
//
//   class RecordingPacer : public FramePacer { bool EndFrame(int delay) override { ... } };
#pragma once

#include <atomic>
#include <cstdint>

class FramePacer {
public:
    virtual ~FramePacer() = default;
    // False when the change was stopped: the effect leaves its frame loop without waiting.
    virtual bool EndFrame(int delayMilliseconds) = 0;
    // Milliseconds by which the change fell behind the delays of its frames and that the pacer
    // dropped rather than make up by waiting less later; 0 for a pacer that keeps no schedule.
    // A pause between two slides takes the first slide's share off.
    virtual int DroppedLag() const { return 0; }
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
    // The inner pacer's, less the time spent resting: a rest is no lag of the change.
    int DroppedLag() const override;
    // False when the change was stopped.
    bool WaitWhileResting();

private:
    FramePacer& inner;
    const bool& resting;
    const std::atomic<bool>& stopFlag;
    std::uint32_t rested = 0;  // ms
};

// Pumps the application's messages, stops when the flag is set, otherwise waits until the frame's
// moment: frames keep to a schedule that advances by each delay from the start of the change, so
// drawing time and the coarseness of the system's sleep do not add up over the frames. The system
// timer runs at 1 ms while a frame waits.
class SleepingFramePacer : public FramePacer {
public:
    explicit SleepingFramePacer(const std::atomic<bool>& stopFlag);
    bool EndFrame(int delayMilliseconds) override;
    int DroppedLag() const override { return static_cast<int>(dropped + 0.5); }

private:
    const std::atomic<bool>& stopFlag;
    double due;  // when the next frame may start, in ms of the performance counter
    double ticksPerMillisecond;
    double dropped = 0;  // ms the schedule gave up
};
