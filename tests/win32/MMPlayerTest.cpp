// The media control wrapper against the system's own devices: wave tracks and AVI clips made
// here, with a recorder in front of the system's entry point where the traffic matters.
#include "../../src/players/MMPlayer.h"
#include "../../tools/scrpack/MediaFiles.h"
#include "../support/MessagePump.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <digitalv.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<UINT> g_sent;  // the commands that went through the recorder

MCIERROR WINAPI RecordingSend(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters)
{
    g_sent.push_back(message);
    return ::mciSendCommandA(device, message, flags, parameters);
}

struct MMPlayerTest : ::testing::Test {
    TempDir dir;
    std::string wave = dir.Write("tone.wav", MakeWaveFile(300));
    std::string clip = dir.Write(
        "clip.avi", MakeAviFile(64, 48, 30, 25, [](int frame, int, int) { return frame % 2 ? 0x0000FFu : 0x00FF00u; }));
    void SetUp() override { g_sent.clear(); }
};

// Whether MCI still knows the device.
bool DeviceAnswers(MCIDEVICEID device)
{
    MCI_STATUS_PARMS status{};
    status.dwItem = MCI_STATUS_MODE;
    return ::mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&status)) == 0;
}

TEST_F(MMPlayerTest, AClosedWrapperSendsNothingAndAnswersItsNothingOpenValues)
{
    CMMPlayer player;
    player.send = RecordingSend;
    EXPECT_EQ(0xFFFFFFFFu, player.GetPosition());
    EXPECT_EQ(0xFFFFFFFFu, player.GetLength());
    EXPECT_EQ(0u, player.GetMode());
    EXPECT_FALSE(player.Play());
    EXPECT_FALSE(player.TogglePause());
    EXPECT_FALSE(player.Stop(true));
    EXPECT_FALSE(player.Open("", nullptr));
    const RECT destination = player.GetDestination();
    EXPECT_EQ((std::vector<LONG>{100, 100, 200, 200}),
              (std::vector<LONG>{destination.left, destination.top, destination.right, destination.bottom}));
    EXPECT_TRUE(g_sent.empty());
}

TEST_F(MMPlayerTest, ANameOverTheElementBufferIsRefusedBeforeMCISeesIt)
{
    const std::string folder = dir.Path("");
    CMMPlayer player;
    player.send = RecordingSend;
    const std::string longName = folder + std::string(256 - folder.size() - 4, 'a') + ".wav";
    ASSERT_EQ(256u, longName.size());
    EXPECT_FALSE(player.Open(longName, nullptr));
    EXPECT_TRUE(g_sent.empty());
    const std::string longest = longName.substr(1);  // 255 characters reach MCI (and fail: no such file)
    EXPECT_FALSE(player.Open(longest, nullptr));
    EXPECT_EQ(std::vector<UINT>{MCI_OPEN}, g_sent);
    EXPECT_FALSE(player.IsOpen());
}

TEST_F(MMPlayerTest, AWaveTrackIsAnAudioDeviceThatPlaysAgainFromTheStart)
{
    CMMPlayer player;
    player.send = RecordingSend;
    ASSERT_TRUE(player.Open(wave, nullptr));
    EXPECT_EQ(static_cast<DWORD>(MCI_DEVTYPE_WAVEFORM_AUDIO), player.deviceType);
    EXPECT_FALSE(player.hasVideo);
    EXPECT_FALSE(player.windowDevice);
    EXPECT_EQ(dir.Path("tone.wav").size(), player.path.size());
    const RECT destination = player.GetDestination();
    EXPECT_EQ(100, destination.left);
    EXPECT_EQ(200, destination.bottom);
    EXPECT_EQ(300u, player.GetLength());  // milliseconds

    // A stopped device: toggling asks for the mode and sends nothing else.
    g_sent.clear();
    EXPECT_TRUE(player.TogglePause());
    EXPECT_EQ(std::vector<UINT>{MCI_STATUS}, g_sent);

    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(PumpUntil([&] { return player.GetPosition() >= player.GetLength(); }, 10000));
    g_sent.clear();
    ASSERT_TRUE(player.Play());
    EXPECT_EQ((std::vector<UINT>{MCI_SEEK, MCI_PLAY}), g_sent);
}

TEST_F(MMPlayerTest, ATrackThatEndedBeforeItsPauseIsNotPlayedAgainOnResume)
{
    CMMPlayer player;
    player.send = RecordingSend;
    ASSERT_TRUE(player.Open(wave, nullptr));
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(PumpUntil([&] { return player.GetMode() == MCI_MODE_STOP; }, 10000));
    player.Pause();
    g_sent.clear();
    player.Resume();
    EXPECT_EQ(g_sent.end(), std::find(g_sent.begin(), g_sent.end(), static_cast<UINT>(MCI_SEEK))) << "no rewind";
    EXPECT_GE(player.GetPosition(), player.GetLength()) << "it stays at its end";
}

TEST_F(MMPlayerTest, StopWithoutReleaseLeavesTheDeviceOpenWhenTheWrapperGoes)
{
    MCIDEVICEID detached = 0, released = 0;
    {
        CMMPlayer player;
        ASSERT_TRUE(player.Open(wave, nullptr));
        detached = player.DeviceId();
        player.send = RecordingSend;
        EXPECT_TRUE(player.Stop(false));
        EXPECT_TRUE(g_sent.empty());
    }
    {
        CMMPlayer player;
        ASSERT_TRUE(player.Open(dir.Write("other.wav", MakeWaveFile(100)), nullptr));
        released = player.DeviceId();
        player.Stop(true);
    }
    EXPECT_TRUE(DeviceAnswers(detached));
    EXPECT_FALSE(DeviceAnswers(released));
    MCI_GENERIC_PARMS close{};
    EXPECT_EQ(0u, ::mciSendCommandA(detached, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close)));
}

TEST_F(MMPlayerTest, AnAviClipIsADigitalVideoDeviceOfItsFrameSize)
{
    CMMPlayer player;
    ASSERT_TRUE(player.Open(clip, nullptr));
    EXPECT_EQ(static_cast<DWORD>(MCI_DEVTYPE_DIGITAL_VIDEO), player.deviceType);
    EXPECT_TRUE(player.hasVideo);
    EXPECT_TRUE(player.windowDevice);
    EXPECT_EQ(64, player.naturalWidth);
    EXPECT_EQ(48, player.naturalHeight);
    const RECT destination = player.GetDestination();
    EXPECT_EQ(64, destination.right - destination.left);
    EXPECT_EQ(48, destination.bottom - destination.top);
    EXPECT_EQ(30u, player.GetLength());  // frames
    ASSERT_TRUE(player.Play());
    // The clip plays frame by frame in real time and stops on its last frame.
    ASSERT_TRUE(PumpUntil([&] { return player.GetMode() == MCI_MODE_STOP; }, 10000));
    EXPECT_EQ(29u, player.GetPosition());
    EXPECT_TRUE(player.Close(true));
    EXPECT_FALSE(player.IsOpen());
}

}  // namespace
