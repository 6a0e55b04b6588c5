// What the player's frame steps tell a change about the time it fell behind.
#include "../../src/slideshow/FramePacer.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(SleepingFramePacer, CountsAStallItDoesNotMakeUpAsDroppedLag)
{
    std::atomic<bool> stop{false};
    SleepingFramePacer pacer(stop);
    ::Sleep(400);  // far beyond what the next frames could make up
    ASSERT_TRUE(pacer.EndFrame(2));
    EXPECT_GE(pacer.DroppedLag(), 300);
}

class LaggingPacer : public FramePacer {
public:
    bool EndFrame(int) override { return true; }
    int DroppedLag() const override { return 1000; }
};

bool resting = true;

void CALLBACK EndRest(HWND, UINT, UINT_PTR, DWORD)
{
    resting = false;
}

TEST(RestingFramePacer, DoesNotCountTheTimeItRestedAsLag)
{
    std::atomic<bool> stop{false};
    LaggingPacer inner;
    RestingFramePacer pacer(inner, resting, stop);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 400, EndRest);
    ASSERT_TRUE(pacer.WaitWhileResting());
    ::KillTimer(nullptr, timer);
    EXPECT_LE(pacer.DroppedLag(), 700);
}

}  // namespace
