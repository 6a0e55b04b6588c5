#include "SoundPlayer.h"

namespace {
constexpr unsigned kPollInterval = 1000;
}  // namespace

CSoundPlayer::CSoundPlayer()
{
    pollTimer.SetInterval(kPollInterval);
    pollTimer.OnTimer = [this] { PollTimerTimer(); };
}

void CSoundPlayer::SetNotify(UINT message, HWND window)
{
    notifyMessage = message;
    notifyWindow = window;
}

bool CSoundPlayer::Play(const std::string& file)
{
    if (file.empty()) return false;
    if (!player.Open(file, notifyWindow)) return false;
    if (!player.Play()) {
        Stop();
        return false;
    }
    pollTimer.SetEnabled(true);
    playing = true;
    paused = false;
    return true;
}

void CSoundPlayer::Stop()
{
    pollTimer.SetEnabled(false);
    player.Stop(true);
    player.Close(true);
    playing = false;
    paused = false;
}

void CSoundPlayer::Pause()
{
    if (!playing || paused) return;
    player.Pause();
    pollTimer.SetEnabled(false);
    paused = true;
}

void CSoundPlayer::Resume()
{
    if (!playing || !paused) return;
    player.Resume();
    pollTimer.SetEnabled(true);
    paused = false;
}

void CSoundPlayer::PollTimerTimer()
{
    // Compared as the device reports them; the status of a device that failed reads as 0.
    if (player.GetPosition() < player.GetLength()) return;
    Stop();
    if (notifyWindow) ::PostMessageA(notifyWindow, notifyMessage, 0, 0);
}
