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

// Pumps the application's messages, stops when the flag is set, otherwise sleeps.
class SleepingFramePacer : public FramePacer {
public:
    explicit SleepingFramePacer(const std::atomic<bool>& stopFlag) : stopFlag(stopFlag) {}
    bool EndFrame(int delayMilliseconds) override;

private:
    const std::atomic<bool>& stopFlag;
};
