#include "AboutDialog.h"

#include "../framework/Application.h"
#include "../platform/File.h"
#include "../platform/System.h"
#include "../settings/VESKGlobeSettings.h"
#include "DialogIds.h"
#include "FittedCaption.h"

#include <stdexcept>
#include <string>

namespace {
// A text of the project record; empty when the package lacks the field.
std::string ProjectText(CVESKGlobeSettings& project, const char* field)
{
    try {
        return project.ProjectTable().ReadText(field);
    } catch (const std::out_of_range&) {
        return std::string();
    }
}

void SetImageKind(HWND control, DWORD kind)
{
    const LONG_PTR style = ::GetWindowLongPtrA(control, GWL_STYLE);
    ::SetWindowLongPtrA(control, GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | kind);
}
}  // namespace

Tfabout::Tfabout(CSaverSettings& settings, CVESKGlobeSettings& project)
    : TDialog(IDD_ABOUT), settings(settings), project(project)
{
}

bool Tfabout::FormCreate()
{
    ::SetWindowTextA(Handle(), FittedCaption(Handle(), "About ", project.projectName, "").c_str());
    SetItemText(IDC_LBPRODUCT, project.projectName);
    SetItemText(IDC_LBVERSION, "Version : " + ProjectText(project, "version"));
    SetItemText(IDC_LBCOPYRIGHT, ProjectText(project, "copyright"));

    // The extended query: the plain one stops at 2 or 4 GiB.
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    ::GlobalMemoryStatusEx(&memory);
    SetItemText(IDC_LBMEORY, std::to_string(memory.ullTotalPhys / 1048576) + " M");

    LoadPicture();
    CenterOverOwner();
    return true;
}

void Tfabout::LoadPicture()
{
    const HWND image = Item(IDC_IMG);
    const std::string program = ModuleFileName();
    const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    const std::string bmp = folder + "app.bmp", ico = folder + "app.ico";
    try {
        if (FileExists(bmp)) {
            bitmap.reset(static_cast<HBITMAP>(::LoadImageA(nullptr, bmp.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
            if (!bitmap) throw std::runtime_error("Bitmap image is not valid: " + bmp);
            SetImageKind(image, SS_BITMAP);
            ::SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
            return;
        }
        if (FileExists(ico)) {
            icon.reset(static_cast<HICON>(::LoadImageA(nullptr, ico.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
            if (!icon) throw std::runtime_error("Icon image is not valid: " + ico);
            ::SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
            return;
        }
    } catch (const std::exception& e) {
        Application.ShowException(e);
    }
    // The program's own icon, shared: not destroyed.
    const HANDLE own =
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PLAYER), IMAGE_ICON, 48, 48, LR_SHARED);
    ::SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(own), 0);
}

bool Tfabout::Command(int id, int, HWND)
{
    if (id != IDOK) return false;
    Button1Click();
    return true;
}

void ShowAboutDialog(HWND owner, CSaverSettings& settings, CVESKGlobeSettings& project)
{
    Tfabout dialog(settings, project);
    dialog.ShowModal(owner);
}
