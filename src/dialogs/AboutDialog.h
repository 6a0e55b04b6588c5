// Tfabout: the screensaver's name, version and copyright line, the machine's physical memory, and
// a picture: "app.bmp" or else "app.ico" beside the program, else the program's icon.
//
//   ShowAboutDialog(configurationDialog, settings, project);
#pragma once

#include "../framework/Dialog.h"
#include "../framework/Handles.h"

class CSaverSettings;
class CVESKGlobeSettings;

class Tfabout : public TDialog {
public:
    Tfabout(CSaverSettings& settings, CVESKGlobeSettings& project);
    void Button1Click() { EndModal(IDOK); }

protected:
    bool FormCreate() override;
    bool Command(int id, int code, HWND control) override;

private:
    void LoadPicture();

    CSaverSettings& settings;
    CVESKGlobeSettings& project;
    UniqueBitmap bitmap;  // app.bmp, while the dialog shows it
    UniqueIcon icon;      // app.ico, likewise
};

// Shows the dialog modally, centred over `owner`.
void ShowAboutDialog(HWND owner, CSaverSettings& settings, CVESKGlobeSettings& project);
