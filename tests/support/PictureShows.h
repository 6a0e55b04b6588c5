// Picture shows run by the screen window inside a test: a package of solid-colour pictures, the
// screen window with a pacer that never sleeps, and the log.
#pragma once

#include "../../src/diagnostics/FileLog.h"
#include "../../src/package/XMLDb.h"
#include "../../src/screen/main.h"
#include "../../src/settings/SaverSettings.h"
#include "../../src/settings/VESKGlobeSettings.h"
#include "../../src/slideshow/ComPicture.h"
#include "../../src/slideshow/FramePacer.h"
#include "Shows.h"
#include "TempDir.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Ends frames at once: pumps the messages as the player does and stops when the picture player
// was told to stop; `onFrame` runs at each frame with its number (1, 2, ...).
class QuickPacer : public FramePacer {
public:
    bool EndFrame(int delay) override;
    Tfmain* form = nullptr;
    int frames = 0;
    std::function<void(int frame)> onFrame;
};

// A picture item showing `fileName` (a solid `colour` picture of 16 × 16 unless `bytes` given).
struct PictureItem {
    std::string fileName;
    COLORREF colour = 0;
    ShowItemOptions options;
    std::vector<std::uint8_t> bytes;  // the stored file instead of the solid picture
    std::string title;
    std::string effectList = "22;";
    std::string bindSound;  // the item's own sound, named in the "music" table
};
PictureItem ColourItem(const std::string& fileName, COLORREF colour);

class PictureShow {
public:
    // `moreTables` go into the package beside the project, the items and their files.
    explicit PictureShow(const std::vector<PictureItem>& items, std::vector<PackageTable> moreTables = {});
    ~PictureShow();

    // Opens the screen window over the show; the project's options are set before.
    void Open(TScrMode mode, HWND host = nullptr);
    std::string LogText() const;
    int LogCount(const std::string& text) const;
    // Pumps messages until the log holds `text` `count` times; false after `timeoutMs`.
    bool WaitForLog(const std::string& text, int count = 1, DWORD timeoutMs = 20000);
    TfImageSlideShowPlayer* Player() const;

    TempDir dir;
    CMyXMLDb db;
    CSaverSettings settings;
    CVESKGlobeSettings project;
    QuickPacer pacer;
    std::unique_ptr<Tfmain> form;
    HWND window = nullptr;

private:
    std::unique_ptr<CFileLog> log;
};

// Sends `window` the system's notice that power setting `setting` (such as the console display's
// state) is now `value`.
void SendPowerSetting(HWND window, const GUID& setting, DWORD value);

// The pixel of a picture as a GDI colour.
COLORREF PixelOf(const CComPicture& picture, int x, int y);
