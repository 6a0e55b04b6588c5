#include "configuredlg.h"

#include "../diagnostics/FileLog.h"
#include "../framework/Application.h"
#include "../package/Convert.h"
#include "../platform/Stream.h"
#include "../framework/MonitorGeometry.h"
#include "../settings/SaverSettings.h"
#include "../settings/VESKGlobeSettings.h"
#include "../slideshow/EffectNames.h"
#include "AboutDialog.h"
#include "DialogIds.h"
#include "EffectSelection.h"
#include "FittedCaption.h"
#include "PreviewPictures.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>

namespace {
const char* const kScreenModes[] = {"Different images on dual monitors", "Display same image on dual monitors",
                                    "Clone mode", "Cross screens"};
struct PageInfo {
    int templateId;
    const char* title;
};
const PageInfo kPages[] = {
    {IDD_PAGE_GENERAL, "General"}, {IDD_PAGE_TRANSITION, "Transition Effects"}, {IDD_PAGE_PUBLISHER, "Publisher"}};

constexpr COLORREF kLinkColour = RGB(0, 102, 204);

int Flag(bool on)
{
    return on ? 1 : 0;
}

// Texts of the package use "\n" or "\r\n" between lines; an edit control needs "\r\n".
std::string WithCrLf(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}

std::string Folder(const std::string& path)
{
    return path.substr(0, path.find_last_of("\\/") + 1);
}

void OpenWithShell(HWND owner, const std::string& address)
{
    if (!address.empty()) ::ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// The bytes of the stored dialog picture, whether the table loaded them or left them in the file.
bool CopyBanner(CMyXMLTable& table, TMemoryStream& stream)
{
    for (const FIELD_DATA& field : table.Fields())
        if (field.name == "banner" && !field.value.empty()) return stream.Write(field.value.data(), field.value.size());
    return table.CopyBinaryToStream("banner", stream);
}
}  // namespace

Tfconfigure::Tfconfigure(CSaverSettings& settings, CVESKGlobeSettings& project)
    : TDialog(IDD_CONFIGURE), settings(settings), project(project)
{
}

bool Tfconfigure::FormCreate()
{
    ::SetWindowTextA(Handle(), FittedCaption(Handle(), "", project.projectName, " - Screensaver Settings").c_str());
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    for (const auto& [kind, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int size = ::GetSystemMetrics(metric);
        ::SendMessageA(Handle(), WM_SETICON, kind,
                       reinterpret_cast<LPARAM>(
                           ::LoadImageA(instance, MAKEINTRESOURCEA(IDI_PLAYER), IMAGE_ICON, size, size, LR_SHARED)));
    }

    if (project.options.showDialogPicture)
        LoadDialogPicture();
    else
        HideBanner();
    CreatePages();
    preview = std::make_unique<CEffectPreview>(Item(IDC_PREVIEW));
    FillGeneral();
    FillEffects();
    FillPublisher();
    ShowPage(kGeneral);
    HookPageKeys();
    CenterOverOwner();
    ::SetFocus(Item(IDC_CMBSCREEN));
    return false;
}

void Tfconfigure::LoadDialogPicture()
{
    CMyXMLTable& table = project.ProjectTable();
    try {
        std::string name = table.ReadText("dialogpicture");
        if (project.options.mediaEmbedded) {
            TMemoryStream stream;
            if (CopyBanner(table, stream)) picture.LoadFromStream(stream, name);
        } else {
            if (project.options.filesBesideProgram)
                name = Folder(project.screensaverPath) + name.substr(name.find_last_of("\\/:") + 1);
            picture.LoadFromFile(name);
        }
    } catch (const std::exception& e) {
        // The banner stays empty.
        FILE_LOG("dialog picture not shown: %s", e.what());
    }
}

// Without a picture the pages start at the left edge and the dialog is narrower by the banner.
void Tfconfigure::HideBanner()
{
    const HWND banner = Item(IDC_PLBANNER);
    RECT bannerRect{}, pagesRect{};
    ::GetWindowRect(banner, &bannerRect);
    ::GetWindowRect(Item(IDC_PCMAIN), &pagesRect);
    const int shift = pagesRect.left - bannerRect.left;
    ::ShowWindow(banner, SW_HIDE);
    for (HWND child = ::GetWindow(Handle(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child == banner) continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        ::SetWindowPos(child, nullptr, rect.left - shift, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT dialog{};
    ::GetWindowRect(Handle(), &dialog);
    ::SetWindowPos(Handle(), nullptr, 0, 0, dialog.right - dialog.left - shift, dialog.bottom - dialog.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Each page is a child dialog laid over the page control's display area, above it in the
// z-order, so that Tab reaches the page's controls first, then the buttons, then the page tabs.
void Tfconfigure::CreatePages()
{
    const HWND tabs = Item(IDC_PCMAIN);
    RECT area{};
    ::GetWindowRect(tabs, &area);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    const bool shown[kPageCount] = {true, project.options.hasImageMedia != 0, project.options.showPublisher != 0};
    if (shown[kTransition]) FILE_LOG("hasimagemedia = true");

    int tabIndex = 0;
    for (int page = 0; page < kPageCount; ++page) {
        pages[page] = CreateChildPage(Handle(), kPages[page].templateId);
        if (!shown[page]) continue;
        TCITEMA tab{};
        tab.mask = TCIF_TEXT | TCIF_PARAM;
        tab.pszText = const_cast<char*>(kPages[page].title);
        tab.lParam = page;
        ::SendMessageA(tabs, TCM_INSERTITEMA, tabIndex++, reinterpret_cast<LPARAM>(&tab));
    }
    RECT display = area;
    ::SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (HWND page : pages)
        ::SetWindowPos(page, HWND_TOP, display.left, display.top, display.right - display.left,
                       display.bottom - display.top, SWP_NOACTIVATE);
}

void Tfconfigure::ShowPage(int shownPage)
{
    const HWND tabs = Item(IDC_PCMAIN);
    const int count = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int tabIndex = 0; tabIndex < count; ++tabIndex) {
        TCITEMA tab{};
        tab.mask = TCIF_PARAM;
        ::SendMessageA(tabs, TCM_GETITEMA, tabIndex, reinterpret_cast<LPARAM>(&tab));
        if (tab.lParam == shownPage) ::SendMessageA(tabs, TCM_SETCURSEL, tabIndex, 0);
    }
    for (int page = 0; page < kPageCount; ++page)
        ::ShowWindow(pages[page], page == shownPage ? SW_SHOW : SW_HIDE);
    ActivatePreview(shownPage == kTransition);
}

void Tfconfigure::ActivatePreview(bool shown)
{
    if (!preview) return;
    if (shown && !preview->HasPictures()) {
        RECT pane{};
        ::GetClientRect(Item(IDC_PREVIEW), &pane);
        if (pane.right > 0 && pane.bottom > 0)
            preview->SetPictures(MakePreviewPictures(project, pane.right, pane.bottom));
    }
    preview->SetActive(shown);
}

void Tfconfigure::EffectListChanged(const NMLISTVIEW& change)
{
    const bool focusGained =
        (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED);
    if (preview && focusGained && change.iItem >= 0) preview->Play(change.iItem);
}

namespace {
// The page step of a key with Ctrl held: +1, -1, or 0 for any other key.
int PageStep(WPARAM key)
{
    if (::GetKeyState(VK_CONTROL) >= 0) return 0;
    if (key == VK_NEXT) return 1;
    if (key == VK_PRIOR) return -1;
    if (key == VK_TAB) return ::GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    return 0;
}

BOOL CALLBACK AddFocusable(HWND window, LPARAM list)
{
    if (::GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
}  // namespace

void Tfconfigure::HookPageKeys()
{
    std::vector<HWND> controls;
    ::EnumChildWindows(Handle(), AddFocusable, reinterpret_cast<LPARAM>(&controls));
    for (HWND control : controls) {
        auto hook = std::make_unique<TWindowHook>();
        hook->Install(control, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            // The dialog manager would take Ctrl+Tab as Tab: the control asks for the key instead.
            const MSG* key = reinterpret_cast<const MSG*>(lParam);
            if (message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN && PageStep(key->wParam)) {
                result = DLGC_WANTMESSAGE;
                return true;
            }
            if (message != WM_KEYDOWN || !PageStep(wParam)) return false;
            NextPage(PageStep(wParam));
            result = 0;
            return true;
        });
        pageKeyHooks.push_back(std::move(hook));
    }
}

void Tfconfigure::NextPage(int step)
{
    const HWND tabs = Item(IDC_PCMAIN);
    const int count = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    if (count < 2) return;
    const int current = static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    TCITEMA tab{};
    tab.mask = TCIF_PARAM;
    ::SendMessageA(tabs, TCM_GETITEMA, (current + step + count) % count, reinterpret_cast<LPARAM>(&tab));
    const bool onTabs = ::GetFocus() == tabs;
    ShowPage(static_cast<int>(tab.lParam));
    ::SetFocus(onTabs ? tabs : ::GetNextDlgTabItem(pages[tab.lParam], nullptr, FALSE));
}

void Tfconfigure::FillGeneral()
{
    const SaverOptions& options = settings.options;

    const HWND screens = Item(IDC_CMBSCREEN);
    ::SendMessageA(screens, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Entire virtual screen"));
    ScreenRect rect;
    QueryMonitorGeometry(1, rect);  // enumerates the monitors afresh
    const int monitors = MonitorCount();
    for (int monitor = 1; monitor <= monitors; ++monitor) {
        if (!QueryMonitorGeometry(monitor, rect)) break;
        char text[96];
        std::snprintf(text, sizeof text, "Monitor %d : (%d,%d,%d*%d)", monitor, rect.left, rect.top, rect.width,
                      rect.height);
        ::SendMessageA(screens, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    ::SendMessageA(screens, CB_SETCURSEL, options.screenIndex, 0);

    const HWND modes = Item(IDC_CMBSCREENMODE);
    for (const char* mode : kScreenModes)
        ::SendMessageA(modes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
    ::SendMessageA(modes, CB_SETCURSEL, settings.monitorMode, 0);
    cmbscreenCloseUp();

    const std::pair<int, std::int32_t> checks[] = {{IDC_CKBANY, options.closeOnAnyEvent},
                                                   {IDC_CKBMOUSEMOVE, options.closeOnMouseMove},
                                                   {IDC_CKBMOUSELEFTCLICK, options.closeOnLeftClick},
                                                   {IDC_CKBMOUSERIGHTCLICK, options.closeOnRightClick},
                                                   {IDC_CKBMOUSEDBLCLICK, options.closeOnDoubleClick},
                                                   {IDC_CKBESC, options.closeOnEsc},
                                                   {IDC_CKBENTER, options.closeOnEnter},
                                                   {IDC_CKBSPECIFIEDKEY, options.closeOnKey},
                                                   {IDC_CKBMAXTIME, options.maxRuntimeOn}};
    for (const auto& [id, option] : checks)
        SetChecked(id, option == 1);

    ::SendMessageA(Item(IDC_EDTKEY), EM_LIMITTEXT, 1, 0);
    const char key = static_cast<char>(options.closeKey & 0xFF);
    SetItemText(IDC_EDTKEY, key ? std::string(1, key) : std::string());

    const HWND threshold = Item(IDC_TBTHRESHOLD);
    ::SendMessageA(threshold, TBM_SETRANGE, FALSE, MAKELPARAM(1, 100));
    ::SendMessageA(threshold, TBM_SETPAGESIZE, 0, 1);
    ::SendMessageA(threshold, TBM_SETTICFREQ, 10, 0);
    ::SendMessageA(threshold, TBM_SETPOS, TRUE, options.thresholdPosition);

    SetChecked(IDC_CKBMUTE, options.playMusic == 0);
    SetItemText(IDC_EDTMAXTIME, std::to_string(options.maxRuntimeMinutes));
}

void Tfconfigure::FillEffects()
{
    const HWND list = Item(IDC_CKBEFFECTS);
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                   LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client{};
    ::GetClientRect(list, &client);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
    ::SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));

    const std::vector<bool> ticked = TickedEffects(settings.ownEffectList);
    for (int index = 0; index < kEffectNameCount; ++index) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<char*>(EffectName(index));
        ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        ListView_SetCheckState(list, index, ticked[static_cast<std::size_t>(index)]);
    }
    ListView_SetItemState(list, 0, LVIS_FOCUSED, LVIS_FOCUSED);

    SetChecked(IDC_CKBRANDOM, settings.options.effectsRandom == 1);
    SetChecked(IDC_CKBEFFECT, settings.options.ownEffects == 1);
}

void Tfconfigure::FillPublisher()
{
    SetItemText(IDC_LBAUTHOR, project.authorName);
    SetItemText(IDC_LBHOME, project.authorWebsite);
    SetItemText(IDC_LBEMAIL, project.authorEmail);
    SetItemText(IDC_MEMPROJECTDESC, WithCrLf(project.description));

    // The web address looks like a link.
    const HWND home = Item(IDC_LBHOME);
    LOGFONTA font{};
    if (::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(home, WM_GETFONT, 0, 0)), sizeof font, &font)) {
        font.lfUnderline = TRUE;
        linkFont.reset(::CreateFontIndirectA(&font));
        ::SendMessageA(home, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont.get()), FALSE);
    }
}

bool Tfconfigure::Command(int id, int code, HWND)
{
    // Buttons, the link and menu items report code 0 (BN_CLICKED, STN_CLICKED); the screen list
    // any change of its selection, by mouse or keyboard, not only when its list closes.
    struct Handler {
        int id;
        int code;
        void (Tfconfigure::*run)();
    };
    static constexpr Handler handlers[] = {{IDOK, 0, &Tfconfigure::btnokClick},
                                           {IDCANCEL, 0, &Tfconfigure::btncancelClick},
                                           {IDM_SAVE1, 0, &Tfconfigure::Save1Click},
                                           {IDM_EXIT1, 0, &Tfconfigure::Exit1Click},
                                           {IDM_VISITWEBSITE1, 0, &Tfconfigure::Visitwebsite1Click},
                                           {IDM_ABOUT1, 0, &Tfconfigure::About1Click},
                                           {IDC_BTNSELECTALL, BN_CLICKED, &Tfconfigure::btnselectallClick},
                                           {IDC_BTNTOGGLE, BN_CLICKED, &Tfconfigure::btntoggleClick},
                                           {IDC_LBHOME, STN_CLICKED, &Tfconfigure::lbhomeClick},
                                           {IDC_CMBSCREEN, CBN_SELCHANGE, &Tfconfigure::cmbscreenCloseUp}};
    for (const Handler& handler : handlers) {
        if (handler.id != id || handler.code != code) continue;
        (this->*handler.run)();
        return true;
    }
    return false;
}

bool Tfconfigure::Message(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IDC_CKBEFFECTS && header->code == LVN_ITEMCHANGED) {
                EffectListChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
                return false;
            }
            if (header->idFrom != IDC_PCMAIN || header->code != TCN_SELCHANGE) return false;
            const HWND tabs = Item(IDC_PCMAIN);
            TCITEMA tab{};
            tab.mask = TCIF_PARAM;
            ::SendMessageA(tabs, TCM_GETITEMA, ::SendMessageA(tabs, TCM_GETCURSEL, 0, 0),
                           reinterpret_cast<LPARAM>(&tab));
            ShowPage(static_cast<int>(tab.lParam));
            return true;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (wParam == IDC_PLBANNER)
                DrawBanner(item);
            else if (wParam == IDC_PREVIEW && preview)
                preview->Paint(item.hDC);
            else
                return false;
            result = TRUE;
            return true;
        }
        case WM_DESTROY:
            preview.reset();  // the worker stops drawing before the pane goes
            return false;
        case kPageColour:
            if (reinterpret_cast<HWND>(lParam) != Item(IDC_LBHOME)) return false;
            ::SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColour);
            ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOW));
            result = reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_WINDOW));
            return true;
        case kPageCursor:
            if (reinterpret_cast<HWND>(wParam) != Item(IDC_LBHOME)) return false;
            ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        default:
            return false;
    }
}

void Tfconfigure::DrawBanner(const DRAWITEMSTRUCT& item)
{
    const RECT& rect = item.rcItem;
    ::FillRect(item.hDC, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!picture.surface) return;
    HalftoneStretch(item.hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    picture.surface->Handle(), 0, 0, picture.Width(), picture.Height());
}

bool Tfconfigure::Refuse(const char* message, int control)
{
    ::MessageBoxA(Handle(), message, Application.Title().c_str(), MB_OK | MB_ICONWARNING);
    ShowPage(kGeneral);
    ::SetFocus(Item(control));
    ::SendMessageA(Item(control), EM_SETSEL, 0, -1);
    return false;
}

bool Tfconfigure::Validate()
{
    if (Checked(IDC_CKBSPECIFIEDKEY) && Trim(ItemText(IDC_EDTKEY)).empty())
        return Refuse("Please specified a key to close screensaver.", IDC_EDTKEY);
    try {
        StrToInt(Trim(ItemText(IDC_EDTMAXTIME)));
    } catch (const EConvertError&) {
        return Refuse("Invalid maximum runtime number.", IDC_EDTMAXTIME);
    }
    return true;
}

bool Tfconfigure::ApplyAndSave()
{
    if (!Validate()) return false;
    SaverOptions& options = settings.options;
    options.closeOnAnyEvent = Flag(Checked(IDC_CKBANY));
    options.closeOnMouseMove = Flag(Checked(IDC_CKBMOUSEMOVE));
    options.closeOnLeftClick = Flag(Checked(IDC_CKBMOUSELEFTCLICK));
    options.closeOnRightClick = Flag(Checked(IDC_CKBMOUSERIGHTCLICK));
    options.closeOnDoubleClick = Flag(Checked(IDC_CKBMOUSEDBLCLICK));
    options.closeOnEsc = Flag(Checked(IDC_CKBESC));
    options.closeOnEnter = Flag(Checked(IDC_CKBENTER));
    options.closeOnKey = Flag(Checked(IDC_CKBSPECIFIEDKEY));
    const std::string key(Trim(ItemText(IDC_EDTKEY)));
    options.closeKey = options.closeOnKey ? static_cast<unsigned char>(key.front()) : 0;
    options.thresholdPosition = static_cast<std::int32_t>(::SendMessageA(Item(IDC_TBTHRESHOLD), TBM_GETPOS, 0, 0));
    options.playMusic = Flag(!Checked(IDC_CKBMUTE));
    options.maxRuntimeOn = Flag(Checked(IDC_CKBMAXTIME));
    options.maxRuntimeMinutes = StrToInt(Trim(ItemText(IDC_EDTMAXTIME)));
    // A stored monitor that is not connected now selects nothing; it stays stored.
    const auto screen = ::SendMessageA(Item(IDC_CMBSCREEN), CB_GETCURSEL, 0, 0);
    if (screen != CB_ERR) options.screenIndex = static_cast<std::int32_t>(screen);
    const auto mode = ::SendMessageA(Item(IDC_CMBSCREENMODE), CB_GETCURSEL, 0, 0);
    if (mode != CB_ERR) settings.monitorMode = static_cast<std::int32_t>(mode);
    options.effectsRandom = Flag(Checked(IDC_CKBRANDOM));
    options.ownEffectStep = StoredEffectStep(options.ownEffectStep);
    options.ownEffects = Flag(Checked(IDC_CKBEFFECT));

    const HWND list = Item(IDC_CKBEFFECTS);
    std::vector<bool> ticked(kEffectNameCount);
    for (int index = 0; index < kEffectNameCount; ++index)
        ticked[static_cast<std::size_t>(index)] = ListView_GetCheckState(list, index) != 0;
    settings.ownEffectList = EffectListText(ticked);

    if (settings.Save()) return true;
    ::MessageBoxA(Handle(), "The settings could not be saved.", Application.Title().c_str(), MB_OK | MB_ICONWARNING);
    return false;
}

void Tfconfigure::btnokClick()
{
    if (ApplyAndSave()) EndModal(IDOK);
}

void Tfconfigure::btncancelClick()
{
    EndModal(IDCANCEL);
}

void Tfconfigure::Save1Click()
{
    ApplyAndSave();
}

void Tfconfigure::Exit1Click()
{
    EndModal(IDCANCEL);
}

void Tfconfigure::Visitwebsite1Click()
{
    OpenWithShell(Handle(), project.authorWebsite);
}

void Tfconfigure::lbhomeClick()
{
    OpenWithShell(Handle(), ItemText(IDC_LBHOME));
}

void Tfconfigure::About1Click()
{
    ShowAboutDialog(Handle(), settings, project);
}

void Tfconfigure::SetEffectChecks(bool (*tick)(bool was))
{
    const HWND list = Item(IDC_CKBEFFECTS);
    for (int index = 0; index < kEffectNameCount; ++index)
        ListView_SetCheckState(list, index, tick(ListView_GetCheckState(list, index) != 0));
}

void Tfconfigure::btnselectallClick()
{
    SetEffectChecks([](bool) { return true; });
}

void Tfconfigure::btntoggleClick()
{
    SetEffectChecks([](bool was) { return !was; });
}

void Tfconfigure::cmbscreenCloseUp()
{
    const bool entireScreen = ::SendMessageA(Item(IDC_CMBSCREEN), CB_GETCURSEL, 0, 0) == 0;
    ::EnableWindow(Item(IDC_LBSCREENMODE), entireScreen);
    ::EnableWindow(Item(IDC_CMBSCREENMODE), entireScreen);
}

INT_PTR ShowConfigurationDialog(HWND owner, CSaverSettings& settings, CVESKGlobeSettings& project)
{
    FILE_LOG("Show configuration dialog.");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    Tfconfigure dialog(settings, project);
    const INT_PTR result = dialog.ShowModal(owner);
    FILE_LOG("Exit configuration dialog.");
    return result;
}
