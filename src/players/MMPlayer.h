// One device of the system's media control interface (MCI), opened by file name so that the
// system picks the device from the extension. Used by the video player (into a window) and the
// music player (sound only).
//
//   CMMPlayer player;
//   if (player.Open("C:\\Temp\\theme.wav", notifyWindow)) player.Play();   // MM_MCINOTIFY at the end
//   DWORD at = player.GetPosition();     // in the device's own time format
//   player.Stop(true);
//   player.Close(true);                  // also done by the destructor, with the last flag given
//
// Every operation but Open does nothing and reports failure (or its "nothing open" value) while
// no device is open. MCI errors become the boolean results; they are never shown or logged.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <string>

class CMMPlayer {
public:
    // The MCI entry point; tests put a recorder in front of the system's.
    using SendCommand = MCIERROR(WINAPI*)(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);

    CMMPlayer() = default;
    virtual ~CMMPlayer();
    CMMPlayer(const CMMPlayer&) = delete;
    CMMPlayer& operator=(const CMMPlayer&) = delete;

    // Opens the file (closing an open device first); a device with video is shown in the notify
    // window. False for an empty name, a name over 255 characters, or a file MCI cannot open.
    bool Open(const std::string& fileName, HWND notifyWindow);
    // With `release` the device is closed; without, the wrapper only forgets it (it stays open).
    bool Close(bool release);
    // From the start, always; MM_MCINOTIFY goes to the notify window when it ends.
    bool Play();
    bool Pause();
    // Resumes a paused device, or plays on from its position when it cannot resume (a device at
    // its end stays there).
    bool Resume();
    // Plays from where the device stands (a paused or stopped device goes on from its position).
    bool PlayOn();
    // Pauses a playing device, resumes a paused one; any other mode: true, nothing sent.
    bool TogglePause();
    // With `release` the device stops; without, nothing is sent (and the destructor detaches).
    bool Stop(bool release);
    bool Rewind();

    // 0xFFFFFFFF (position, length) or 0 (mode) while nothing is open.
    DWORD GetPosition();
    DWORD GetLength();
    DWORD GetMode();

    // The window a video device draws into; needs an open device with video.
    bool SetWindow(HWND window);
    // Where the video is drawn in the display window: x, y, width, height, or the window's whole
    // client area when the width or height is 0.
    bool PutDestination(int x, int y, int width, int height);
    // The destination as MCI reports it (left, top, width, height); (100, 100, 200, 200) for a
    // device without video or nothing open.
    RECT GetDestination();

    bool IsOpen() const { return open; }
    MCIDEVICEID DeviceId() const { return deviceId; }

    SendCommand send = ::mciSendCommandA;

    MCIDEVICEID deviceId = 0;
    bool open = false;
    HWND notifyWindow = nullptr;
    HWND displayWindow = nullptr;
    char elementName[256] = {};
    std::string path;  // the lower-cased name of the open file
    DWORD canPlay = 0, canRecord = 0, canEject = 0, hasVideo = 0;
    DWORD deviceType = 0;
    bool windowDevice = false;  // VCR, overlay, animation or digital video
    int naturalWidth = 0, naturalHeight = 0;
    bool rewindBeforePlay = true;
    bool shareable = false;
    bool releaseFlag = true;  // the last flag of Stop or Close; the destructor closes with it

private:
    bool Send(UINT message, DWORD flags, void* parameters);
    DWORD Status(DWORD item);
    DWORD DeviceCapability(DWORD item);
    void QueryCapabilities();
};
