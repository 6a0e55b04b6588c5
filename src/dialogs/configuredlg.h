// Tfconfigure: the dialog in which the user of an installed screensaver changes the settings kept
// in the registry: the monitor and the two-monitor mode, the exit conditions, the mouse threshold,
// music, the maximum run time and an own choice of transition effects. Its pages sit in a page
// control; a picture of the screensaver's author may stand at its left.
//
//   if (ShowConfigurationDialog(owner, settings, project) == IDOK) ...   // saved already
#pragma once

#include "../framework/Dialog.h"
#include "../framework/Handles.h"
#include "../framework/WindowHook.h"
#include "../slideshow/ComPicture.h"
#include "EffectPreview.h"

#include <commctrl.h>

#include <array>
#include <memory>
#include <vector>

class CSaverSettings;
class CVESKGlobeSettings;

class Tfconfigure : public TDialog {
public:
    Tfconfigure(CSaverSettings& settings, CVESKGlobeSettings& project);

    void btnokClick();
    void btncancelClick();
    void Save1Click();
    void Exit1Click();
    void Visitwebsite1Click();
    void About1Click();
    void lbhomeClick();
    void btnselectallClick();
    void btntoggleClick();
    void cmbscreenCloseUp();

protected:
    bool FormCreate() override;
    bool Command(int id, int code, HWND control) override;
    bool Message(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    enum Page { kGeneral, kTransition, kPublisher, kPageCount };

    void LoadDialogPicture();
    void HideBanner();
    void CreatePages();
    void ShowPage(int page);
    // Ctrl+Tab and Ctrl+PageDown show the next page, Ctrl+Shift+Tab and Ctrl+PageUp the previous
    // one, from any control of the dialog, as in other tabbed dialogs.
    void HookPageKeys();
    void NextPage(int step);
    void FillGeneral();
    void FillEffects();
    void FillPublisher();
    void DrawBanner(const DRAWITEMSTRUCT& item);
    // The preview plays the effect that gains the focus in the list.
    void EffectListChanged(const NMLISTVIEW& change);
    // Runs the preview while its page is shown; its pictures are made when it is first shown.
    void ActivatePreview(bool shown);
    // Shows the message and puts the focus on the control it is about; false.
    bool Refuse(const char* message, int control);
    bool Validate();
    // Validates, then stores every control's value in the settings and saves them; false when
    // validation refused.
    bool ApplyAndSave();
    void SetEffectChecks(bool (*tick)(bool was));

    CSaverSettings& settings;
    CVESKGlobeSettings& project;
    CComPicture picture;  // the dialog picture, stretched over the banner
    std::array<HWND, kPageCount> pages{};
    UniqueFont linkFont;  // lbhome's, underlined
    std::vector<std::unique_ptr<TWindowHook>> pageKeyHooks;
    std::unique_ptr<CEffectPreview> preview;  // ended before the pane is destroyed
};

// Logs, shows the dialog modally over `owner` (none: centred on the screen) and returns IDOK when
// the settings were applied and saved, IDCANCEL otherwise (a "Save" before stays saved).
INT_PTR ShowConfigurationDialog(HWND owner, CSaverSettings& settings, CVESKGlobeSettings& project);
