#include "MMPlayer.h"

#include "../settings/Media.h"

#include <digitalv.h>

#include <cstring>

namespace {
constexpr DWORD kClosedValue = 0xFFFFFFFF;
}  // namespace

CMMPlayer::~CMMPlayer()
{
    Close(releaseFlag);
}

bool CMMPlayer::Send(UINT message, DWORD flags, void* parameters)
{
    return send(deviceId, message, flags, reinterpret_cast<DWORD_PTR>(parameters)) == 0;
}

bool CMMPlayer::Open(const std::string& fileName, HWND notify)
{
    // The element name has room for 255 characters: a longer name would be cut, so it is refused.
    if (fileName.empty() || fileName.size() >= sizeof elementName) return false;
    const std::string lower = LowerCase(fileName);
    if (open) Close(true);
    notifyWindow = notify;
    std::memcpy(elementName, fileName.c_str(), fileName.size() + 1);

    MCI_OPEN_PARMSA parameters{};
    parameters.lpstrElementName = elementName;
    const DWORD flags = MCI_OPEN_ELEMENT | MCI_WAIT | (shareable ? MCI_OPEN_SHAREABLE : 0);
    if (send(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&parameters)) != 0) return false;
    open = true;
    path = lower;
    deviceId = parameters.wDeviceID;
    QueryCapabilities();
    if (hasVideo && notifyWindow) SetWindow(notifyWindow);
    return true;
}

DWORD CMMPlayer::DeviceCapability(DWORD item)
{
    MCI_GETDEVCAPS_PARMS parameters{};
    parameters.dwItem = item;
    Send(MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT, &parameters);
    return parameters.dwReturn;
}

void CMMPlayer::QueryCapabilities()
{
    canPlay = DeviceCapability(MCI_GETDEVCAPS_CAN_PLAY);
    canRecord = DeviceCapability(MCI_GETDEVCAPS_CAN_RECORD);
    canEject = DeviceCapability(MCI_GETDEVCAPS_CAN_EJECT);
    hasVideo = DeviceCapability(MCI_GETDEVCAPS_HAS_VIDEO);
    deviceType = DeviceCapability(MCI_GETDEVCAPS_DEVICE_TYPE);
    windowDevice = deviceType == MCI_DEVTYPE_VCR || deviceType == MCI_DEVTYPE_OVERLAY ||
                   deviceType == MCI_DEVTYPE_ANIMATION || deviceType == MCI_DEVTYPE_DIGITAL_VIDEO;
    MCI_DGV_RECT_PARMS source{};
    Send(MCI_WHERE, MCI_DGV_WHERE_SOURCE, &source);
    naturalWidth = source.rc.right - source.rc.left;
    naturalHeight = source.rc.bottom - source.rc.top;
}

bool CMMPlayer::Close(bool release)
{
    releaseFlag = release;
    if (!open) return false;
    if (release) {
        MCI_GENERIC_PARMS parameters{};
        if (!Send(MCI_CLOSE, MCI_WAIT, &parameters)) return false;
    }
    open = false;
    deviceId = 0;
    displayWindow = nullptr;
    return true;
}

bool CMMPlayer::Play()
{
    if (!open) return false;
    if (rewindBeforePlay) Rewind();
    MCI_PLAY_PARMS parameters{};
    parameters.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow);
    return Send(MCI_PLAY, MCI_NOTIFY, &parameters);
}

bool CMMPlayer::PlayOn()
{
    if (!open) return false;
    MCI_PLAY_PARMS parameters{};
    parameters.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow);
    return Send(MCI_PLAY, MCI_NOTIFY, &parameters);
}

bool CMMPlayer::Pause()
{
    if (!open) return false;
    MCI_GENERIC_PARMS parameters{};
    return Send(MCI_PAUSE, MCI_WAIT, &parameters);
}

bool CMMPlayer::Resume()
{
    if (!open) return false;
    MCI_GENERIC_PARMS parameters{};
    if (Send(MCI_RESUME, MCI_NOTIFY, &parameters)) return true;
    // A device that refuses (it was not paused, or had reached its end just before the pause)
    // goes on from where it stands, so no part is heard twice. At its end there is nothing to
    // play: it stays there, and its owner's poll sees the end and moves on to the next track.
    if (GetPosition() >= GetLength()) return true;
    return PlayOn();
}

bool CMMPlayer::TogglePause()
{
    if (!open) return false;
    switch (GetMode()) {
        case MCI_MODE_PLAY:
            return Pause();
        case MCI_MODE_PAUSE:
            return Resume();
        default:
            return true;
    }
}

bool CMMPlayer::Stop(bool release)
{
    releaseFlag = release;
    if (!open) return false;
    if (!release) return true;
    MCI_GENERIC_PARMS parameters{};
    return Send(MCI_STOP, MCI_WAIT, &parameters);
}

bool CMMPlayer::Rewind()
{
    if (!open) return false;
    MCI_SEEK_PARMS parameters{};
    return Send(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &parameters);
}

DWORD CMMPlayer::Status(DWORD item)
{
    MCI_STATUS_PARMS parameters{};
    parameters.dwItem = item;
    Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &parameters);
    return static_cast<DWORD>(parameters.dwReturn);
}

DWORD CMMPlayer::GetPosition()
{
    return open ? Status(MCI_STATUS_POSITION) : kClosedValue;
}

DWORD CMMPlayer::GetLength()
{
    return open ? Status(MCI_STATUS_LENGTH) : kClosedValue;
}

DWORD CMMPlayer::GetMode()
{
    return open ? Status(MCI_STATUS_MODE) : 0;
}

bool CMMPlayer::SetWindow(HWND window)
{
    if (!window || !open || !hasVideo) return false;
    MCI_DGV_WINDOW_PARMSA parameters{};
    parameters.hWnd = window;
    if (!Send(MCI_WINDOW, MCI_DGV_WINDOW_HWND | MCI_WAIT, &parameters)) return false;
    displayWindow = window;
    return true;
}

bool CMMPlayer::PutDestination(int x, int y, int width, int height)
{
    if (!open || !hasVideo) return false;
    MCI_DGV_RECT_PARMS parameters{};
    if (width != 0 && height != 0)
        parameters.rc = {x, y, width, height};
    else
        ::GetClientRect(displayWindow, &parameters.rc);
    return Send(MCI_PUT, MCI_DGV_RECT | MCI_DGV_PUT_DESTINATION, &parameters);
}

RECT CMMPlayer::GetDestination()
{
    if (!open || !hasVideo) return {100, 100, 200, 200};
    MCI_DGV_RECT_PARMS parameters{};
    Send(MCI_WHERE, MCI_DGV_WHERE_DESTINATION, &parameters);
    return parameters.rc;
}
