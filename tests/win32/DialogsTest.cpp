// The configuration and About dialogs, shown modally by the test thread and driven through their
// real controls, with messages, from a second thread; what they store is read back from the
// registry the way the player reads it.
#include "../../src/dialogs/AboutDialog.h"
#include "../../src/dialogs/DialogIds.h"
#include "../../src/dialogs/configuredlg.h"
#include "../../src/framework/Dialog.h"
#include "../../src/framework/Handles.h"
#include "../../src/package/XMLDb.h"
#include "../../src/platform/File.h"
#include "../../src/framework/MonitorGeometry.h"
#include "../../src/settings/SaverSettings.h"
#include "../../src/settings/VESKGlobeSettings.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../../tools/scrpack/PlayerTables.h"
#include "../support/PictureShows.h"
#include "../support/Processes.h"
#include "../support/Registry.h"
#include "../support/TempDir.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <thread>

namespace {
using Script = std::function<void(HWND dialog)>;

// A visible top-level dialog of this process owned by `owner` (by nobody: any), once it is up.
HWND WaitForDialog(HWND owner, DWORD timeoutMs = 10000)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        for (HWND window = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
             window = ::FindWindowExA(nullptr, window, "#32770", nullptr)) {
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) &&
                (!owner || ::GetWindow(window, GW_OWNER) == owner))
                return window;
        }
        ::Sleep(20);
    }
    return nullptr;
}

// A control of the dialog or of one of its pages.
HWND Control(HWND dialog, int id)
{
    return FindDialogItem(dialog, id);
}

std::string Text(HWND window)
{
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string Text(HWND dialog, int id)
{
    return Text(Control(dialog, id));
}

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(Control(dialog, id), message, wParam, lParam);
}

void Click(HWND dialog, int id)
{
    Send(dialog, id, BM_CLICK);
}

bool IsChecked(HWND dialog, int id)
{
    return Send(dialog, id, BM_GETCHECK) == BST_CHECKED;
}

void SetText(HWND dialog, int id, const std::string& text)
{
    Send(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Chooses a combo box item as the user does: the selection, then the notification it sends.
void Choose(HWND dialog, int id, int index)
{
    const HWND combo = Control(dialog, id);
    ::SendMessageA(combo, CB_SETCURSEL, index, 0);
    ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Menu(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::vector<bool> EffectChecks(HWND dialog)
{
    const HWND list = Control(dialog, IDC_CKBEFFECTS);
    std::vector<bool> checks;
    for (int i = 0; i < ListView_GetItemCount(list); ++i)
        checks.push_back(ListView_GetCheckState(list, i) != 0);
    return checks;
}

// The message box that the dialog shows: its text, after which it is closed.
std::string TakeMessageBox(HWND dialog)
{
    const HWND box = WaitForDialog(dialog);
    if (!box) return "<no message box>";
    const std::string text = Text(::GetDlgItem(box, 0xFFFF));
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 250 && ::IsWindow(box); ++i)
        ::Sleep(20);
    return text;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// An icon file of one size × size 32-bit image.
std::vector<std::uint8_t> IconFile(int size)
{
    const std::uint32_t pixels = static_cast<std::uint32_t>(size * size * 4), mask = ((size + 31) / 32) * 4 * size;
    std::vector<std::uint8_t> file{0, 0, 1, 0, 1,  0, static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size),
                                   0, 0, 1, 0, 32, 0};
    const auto add32 = [&file](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    add32(40 + pixels + mask);
    add32(22);
    for (std::uint32_t v : {40u, static_cast<std::uint32_t>(size), static_cast<std::uint32_t>(2 * size)})
        add32(v);
    file.insert(file.end(), {1, 0, 32, 0});
    for (int i = 0; i < 6; ++i)
        add32(0);
    file.resize(file.size() + pixels, 0xFF);
    file.resize(file.size() + mask, 0);
    return file;
}

// A project read from a package written for the test, and settings under a key of the test's own.
struct DialogTest : ::testing::Test {
    TempDir dir;
    CMyXMLDb db;
    CVESKGlobeSettings project;
    CSaverSettings settings;

    void SetUp() override
    {
        settings.SetKey(std::string("Dialogs Test ") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, settings.registryKey.c_str());
        ProjectRecord record;
        record.projectName = "Dialog Show";
        record.options[37] = 0;  // no dialog picture
        record.options[38] = 1;  // the Publisher page
        record.options[76] = 1;  // image items: the Transition Effects page
        OpenProject(record);
    }
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, settings.registryKey.c_str()); }

    void OpenProject(const ProjectRecord& record)
    {
        project.CloseTable();
        db.Close();
        const std::string path = dir.Path("show" + std::to_string(++packages) + ".scr");
        ASSERT_TRUE(AppendPackage("", {ProjectTable(record)}, path));
        ASSERT_TRUE(db.Open(path, ReadPackageOffset(path)));
        project.SetDatabase(db);
        project.OpenTable();
        project.Load();
    }

    // Shows the dialog; `script` drives it from another thread and must end it.
    template <class Show>
    INT_PTR Drive(Show show, const Script& script)
    {
        std::thread driver([&script] {
            const HWND dialog = WaitForDialog(nullptr);
            if (!dialog) return;
            script(dialog);
        });
        const INT_PTR result = show();
        driver.join();
        return result;
    }
    INT_PTR Configure(const Script& script, HWND owner = nullptr)
    {
        return Drive([this, owner] { return ShowConfigurationDialog(owner, settings, project); }, script);
    }
    void About(const Script& script)
    {
        Drive([this] { return ShowAboutDialog(nullptr, settings, project), INT_PTR(0); }, script);
    }

    bool Stored()
    {
        UniqueRegKey key;
        return ::RegOpenKeyExA(HKEY_CURRENT_USER, settings.registryKey.c_str(), 0, KEY_READ, key.put()) ==
               ERROR_SUCCESS;
    }
    CSaverSettings Reloaded()
    {
        CSaverSettings loaded;
        loaded.registryKey = settings.registryKey;
        loaded.ownEffectList = "<not stored>";
        loaded.monitorMode = -1;
        loaded.Load();
        return loaded;
    }

    int packages = 0;
};
}  // namespace

TEST_F(DialogTest, ScreenListHoldsTheVirtualScreenAndEachMonitorAndOnlyItTakesTheMode)
{
    ScreenRect monitor;
    ASSERT_TRUE(QueryMonitorGeometry(1, monitor));
    ASSERT_EQ(1, MonitorCount());
    char expected[96];
    std::snprintf(expected, sizeof expected, "Monitor 1 : (0,0,%d*%d)", ::GetSystemMetrics(SM_CXSCREEN),
                  ::GetSystemMetrics(SM_CYSCREEN));
    std::vector<std::string> items;
    std::vector<std::pair<bool, bool>> enabled;  // the mode label and list after each choice
    const INT_PTR result = Configure([&](HWND dialog) {
        const HWND screens = Control(dialog, IDC_CMBSCREEN);
        for (int i = 0; i < ::SendMessageA(screens, CB_GETCOUNT, 0, 0); ++i) {
            char text[96] = {};
            ::SendMessageA(screens, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        for (int choice : {1, 0}) {
            Choose(dialog, IDC_CMBSCREEN, choice);
            enabled.emplace_back(::IsWindowEnabled(Control(dialog, IDC_LBSCREENMODE)) != 0,
                                 ::IsWindowEnabled(Control(dialog, IDC_CMBSCREENMODE)) != 0);
        }
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ((std::vector<std::string>{"Entire virtual screen", expected}), items);
    EXPECT_EQ((std::vector<std::pair<bool, bool>>{{false, false}, {true, true}}), enabled);
    EXPECT_FALSE(Stored()) << "Cancel stores nothing";
}

// As with "/c:HWND": the Display control panel's window owns the dialog, which stands over its middle.
TEST_F(DialogTest, OwnerWindowOwnsTheDialogAndHasItInItsMiddle)
{
    UniqueWindow owner(::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 80, 700, 560, nullptr,
                                         nullptr, nullptr, nullptr));
    ASSERT_TRUE(owner);
    HWND ownedBy = nullptr;
    RECT rect{};
    Configure(
        [&](HWND dialog) {
            ownedBy = ::GetWindow(dialog, GW_OWNER);
            ::GetWindowRect(dialog, &rect);
            Click(dialog, IDCANCEL);
        },
        owner.get());
    EXPECT_EQ(owner.get(), ownedBy);
    EXPECT_NEAR(100 + 350, (rect.left + rect.right) / 2, 1);
    EXPECT_NEAR(80 + 280, (rect.top + rect.bottom) / 2, 1);
}

TEST_F(DialogTest, ControlsShowTheStoredSettings)
{
    settings.options.closeOnAnyEvent = 0;
    settings.options.closeOnLeftClick = 1;
    settings.options.closeOnKey = 1;
    settings.options.closeKey = 0;
    settings.options.thresholdPosition = 37;
    settings.options.playMusic = 0;
    settings.options.maxRuntimeOn = 1;
    settings.options.maxRuntimeMinutes = -4;
    settings.options.ownEffects = 1;
    settings.options.effectsRandom = 0;
    settings.monitorMode = 3;
    // Pieces that are no effect index are skipped, text after the last ";" is ignored.
    settings.ownEffectList = "3; 9;x;500;-1;7";
    Configure([&](HWND dialog) {
        EXPECT_EQ("Dialog Show - Screensaver Settings", Text(dialog));
        const std::pair<int, bool> checks[] = {{IDC_CKBANY, false},           {IDC_CKBMOUSEMOVE, true},
                                               {IDC_CKBMOUSELEFTCLICK, true}, {IDC_CKBMOUSERIGHTCLICK, true},
                                               {IDC_CKBMOUSEDBLCLICK, true},  {IDC_CKBESC, true},
                                               {IDC_CKBENTER, true},          {IDC_CKBSPECIFIEDKEY, true},
                                               {IDC_CKBMUTE, true},           {IDC_CKBMAXTIME, true},
                                               {IDC_CKBEFFECT, true},         {IDC_CKBRANDOM, false}};
        for (const auto& [id, checked] : checks)
            EXPECT_EQ(checked, IsChecked(dialog, id)) << id;
        EXPECT_EQ("", Text(dialog, IDC_EDTKEY)) << "closeKey 0";
        EXPECT_EQ("-4", Text(dialog, IDC_EDTMAXTIME));
        EXPECT_EQ(37, Send(dialog, IDC_TBTHRESHOLD, TBM_GETPOS));
        EXPECT_EQ(3, Send(dialog, IDC_CMBSCREENMODE, CB_GETCURSEL));
        std::vector<bool> expected(161);
        expected[3] = expected[9] = true;
        EXPECT_EQ(expected, EffectChecks(dialog));
        char name[64] = {};
        ListView_GetItemText(Control(dialog, IDC_CKBEFFECTS), 108, 0, name, sizeof name);
        EXPECT_STREQ("Scan to center(Vertical) ", name);
        Click(dialog, IDCANCEL);
    });
}

// The values OK stores are exactly those the player loads: the 72-byte block, the effect list
// and the monitor mode.
TEST_F(DialogTest, OkStoresWhatThePlayerLoads)
{
    struct Case {
        std::int32_t stepBefore, stepStored;
    };
    for (const Case c : {Case{0, 25}, Case{-3, 25}, Case{40, 40}}) {
        settings = CSaverSettings();
        settings.SetKey("Dialogs Test OkStoresWhatThePlayerLoads");
        settings.options.closeOnKey = 1;
        settings.options.closeKey = 'Q';
        settings.options.ownEffectStep = c.stepBefore;
        const INT_PTR result = Configure([](HWND dialog) {
            Choose(dialog, IDC_CMBSCREENMODE, 2);
            Choose(dialog, IDC_CMBSCREEN, 1);
            Click(dialog, IDC_CKBSPECIFIEDKEY);  // unticked: the key box still holds "Q"
            Click(dialog, IDC_CKBANY);
            Click(dialog, IDC_CKBMUTE);
            Click(dialog, IDC_CKBMAXTIME);
            SetText(dialog, IDC_EDTMAXTIME, " 15 ");
            Send(dialog, IDC_TBTHRESHOLD, TBM_SETPOS, TRUE, 100);
            Click(dialog, IDC_CKBEFFECT);
            Click(dialog, IDC_BTNTOGGLE);  // the default list ticks every effect: now none is
            Click(dialog, IDOK);
        });
        ASSERT_EQ(IDOK, result);
        SaverOptions expected;
        expected.closeOnKey = 0;
        expected.closeKey = 0;
        expected.closeOnAnyEvent = 0;
        expected.playMusic = 0;
        expected.maxRuntimeOn = 1;
        expected.maxRuntimeMinutes = 15;
        expected.thresholdPosition = 100;
        expected.ownEffects = 1;
        expected.ownEffectStep = c.stepStored;
        expected.screenIndex = 1;
        const CSaverSettings loaded = Reloaded();
        EXPECT_EQ(expected.ToBytes(), loaded.options.ToBytes()) << c.stepBefore;
        EXPECT_EQ("", loaded.ownEffectList);
        EXPECT_EQ(2, loaded.monitorMode);
        EXPECT_EQ(expected.ToBytes(), settings.options.ToBytes()) << "the running program sees them too";
    }
}

TEST_F(DialogTest, SaveKeepsTheDialogOpenAndCancelKeepsWhatWasSaved)
{
    bool openAfterSave = false;
    const INT_PTR result = Configure([&](HWND dialog) {
        SetText(dialog, IDC_EDTMAXTIME, "5");
        Menu(dialog, IDM_SAVE1);
        for (int i = 0; i < 250 && !Stored(); ++i)
            ::Sleep(20);
        openAfterSave = ::IsWindowVisible(dialog) != 0;
        SetText(dialog, IDC_EDTMAXTIME, "9");
        Click(dialog, IDC_CKBEFFECT);
        Menu(dialog, IDM_EXIT1);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(openAfterSave);
    EXPECT_EQ(5, Reloaded().options.maxRuntimeMinutes);
    EXPECT_EQ(0, Reloaded().options.ownEffects);
}

TEST_F(DialogTest, InvalidInputIsRefusedAndTheDialogStaysOpen)
{
    struct Case {
        bool tickKey;
        const char *key, *minutes, *message;
        bool registryRefuses = false;
    };
    const Case cases[] = {{true, "", "60", "Please specified a key to close screensaver."},
                          {true, " ", "60", "Please specified a key to close screensaver."},
                          {false, "", "12a", "Invalid maximum runtime number."},
                          {false, "A", " ", "Invalid maximum runtime number."},
                          {false, "A", "99999999999", "Invalid maximum runtime number."},
                          {false, "A", "60", "The settings could not be saved.", true}};
    const std::string ownKey = settings.registryKey;
    // A volatile key cannot hold a lasting one, so the registry refuses the settings below it.
    VolatileKey volatileKey(ownKey + " volatile");
    for (const Case& c : cases) {
        settings.registryKey = c.registryRefuses ? volatileKey.path + "\\settings" : ownKey;
        std::string message;
        bool stillOpen = false;
        const INT_PTR result = Configure([&](HWND dialog) {
            if (c.tickKey) Click(dialog, IDC_CKBSPECIFIEDKEY);
            SetText(dialog, IDC_EDTKEY, c.key);
            SetText(dialog, IDC_EDTMAXTIME, c.minutes);
            ::PostMessageA(Control(dialog, IDOK), BM_CLICK, 0, 0);
            message = TakeMessageBox(dialog);
            stillOpen = ::IsWindowVisible(dialog) != 0;
            Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(c.message, message) << c.minutes;
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_FALSE(Stored()) << c.minutes;
    }
}

TEST_F(DialogTest, EffectListWorksByKeyboardAndButtons)
{
    settings.ownEffectList = "";
    std::vector<std::vector<bool>> seen;
    Configure([&](HWND dialog) {
        const HWND list = Control(dialog, IDC_CKBEFFECTS);
        ListView_SetItemState(list, 5, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
        ::SendMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
        ::SendMessageA(list, WM_KEYUP, VK_SPACE, 0);
        seen.push_back(EffectChecks(dialog));
        Click(dialog, IDC_BTNTOGGLE);
        seen.push_back(EffectChecks(dialog));
        Click(dialog, IDC_BTNSELECTALL);
        seen.push_back(EffectChecks(dialog));
        Click(dialog, IDCANCEL);
    });
    std::vector<bool> onlyFive(161), allButFive(161, true);
    onlyFive[5] = true;
    allButFive[5] = false;
    EXPECT_EQ((std::vector<std::vector<bool>>{onlyFive, allButFive, std::vector<bool>(161, true)}), seen);
}

// The preview follows the focus as the keyboard moves it down the list; ticks and "Run randomly"
// stay as they were.
TEST_F(DialogTest, MovingTheFocusThroughTheEffectsChangesNoTick)
{
    settings.ownEffectList = "3;";
    settings.options.effectsRandom = 1;
    std::vector<bool> before, after;
    bool randomAfter = false;
    Configure([&](HWND dialog) {
        const HWND tabs = Control(dialog, IDC_PCMAIN), list = Control(dialog, IDC_CKBEFFECTS);
        TabCtrl_SetCurSel(tabs, 1);
        NMHDR change{tabs, IDC_PCMAIN, static_cast<UINT>(TCN_SELCHANGE)};
        ::SendMessageA(dialog, WM_NOTIFY, IDC_PCMAIN, reinterpret_cast<LPARAM>(&change));
        before = EffectChecks(dialog);
        for (int step = 0; step < 6; ++step) {
            ::SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
            ::SendMessageA(list, WM_KEYUP, VK_DOWN, 0);
            ::Sleep(50);  // the preview starts each effect it is given
        }
        after = EffectChecks(dialog);
        randomAfter = IsChecked(dialog, IDC_CKBRANDOM);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(before, after);
    EXPECT_TRUE(before[3]);
    EXPECT_TRUE(randomAfter);
}

// Runs steps on the thread that creates it, from any thread, inside that thread's message loop.
class ThreadRunner {
public:
    ThreadRunner()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VeskTestThreadRunner";
        ::RegisterClassA(&windowClass);
        window = ::CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   windowClass.hInstance, nullptr);
    }
    ~ThreadRunner() { ::DestroyWindow(window); }
    void Run(const std::function<void()>& step) const
    {
        ::SendMessageA(window, WM_APP, 0, reinterpret_cast<LPARAM>(&step));
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != WM_APP) return ::DefWindowProcA(window, message, wParam, lParam);
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    HWND window = nullptr;
};

// Ctrl+Tab and Ctrl+PageUp move between the pages from the focused control, wrapping around.
TEST_F(DialogTest, CtrlTabShowsTheNextPage)
{
    // The keys are pressed on the dialog's own thread with Ctrl held in that thread's keyboard state,
    // set again before each key: the window system may bring it back to the real keyboard in between.
    // They go to a control of the dialog, not to the focus: another program's window may take the
    // activation, and with it this thread's focus, at any moment.
    const ThreadRunner dialogThread;  // the dialog runs on this thread
    std::vector<int> shown;           // the selected tab after each key
    Configure([&](HWND dialog) {
        dialogThread.Run([&] {
            const HWND control = ::GetDlgItem(dialog, IDOK);
            for (WPARAM key : {VK_TAB, VK_TAB, VK_TAB, VK_PRIOR}) {
                BYTE keys[256] = {};
                ::GetKeyboardState(keys);
                keys[VK_CONTROL] = 0x80;
                ::SetKeyboardState(keys);
                ::SendMessageA(control, WM_KEYDOWN, key, 0);
                keys[VK_CONTROL] = 0;
                ::SetKeyboardState(keys);
                shown.push_back(static_cast<int>(Send(dialog, IDC_PCMAIN, TCM_GETCURSEL)));
            }
        });
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ((std::vector<int>{1, 2, 0, 2}), shown);
}

TEST_F(DialogTest, PagesAndBannerFollowTheProjectOptions)
{
    struct Case {
        std::uint8_t picture, publisher, images;
        std::vector<std::string> tabs;
    };
    const Case cases[] = {{0, 0, 0, {"General"}},
                          {1, 1, 1, {"General", "Transition Effects", "Publisher"}},
                          {0, 1, 0, {"General", "Publisher"}}};
    for (const Case& c : cases) {
        ProjectRecord record;
        record.projectName = "Pages";
        record.authorName = "Author & Co";
        record.description = "one\ntwo";
        record.options[37] = c.picture;
        record.options[38] = c.publisher;
        record.options[76] = c.images;
        OpenProject(record);
        std::vector<std::string> tabs;
        bool bannerShown = false;
        int pagesLeft = 0;
        Configure([&](HWND dialog) {
            const HWND control = Control(dialog, IDC_PCMAIN);
            for (int i = 0; i < TabCtrl_GetItemCount(control); ++i) {
                char text[64] = {};
                TCITEMA tab{};
                tab.mask = TCIF_TEXT;
                tab.pszText = text;
                tab.cchTextMax = sizeof text;
                ::SendMessageA(control, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&tab));
                tabs.push_back(text);
            }
            bannerShown = ::IsWindowVisible(Control(dialog, IDC_PLBANNER)) != 0;
            RECT rect{};
            ::GetWindowRect(control, &rect);
            ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
            pagesLeft = rect.left;
            EXPECT_EQ("Author & Co", Text(dialog, IDC_LBAUTHOR));
            EXPECT_EQ("one\r\ntwo", Text(dialog, IDC_MEMPROJECTDESC));
            Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(c.tabs, tabs);
        EXPECT_EQ(c.picture == 1, bannerShown);
        EXPECT_EQ(c.picture == 1, pagesLeft > 40) << "without the banner the pages start at the left";
    }
}

// Help > About ... shows the About dialog over the settings.
TEST_F(DialogTest, AboutShowsTheProjectAndTheMemoryOverTheSettings)
{
    ProjectRecord record;
    record.projectName = "Dialog Show";
    record.version = "";
    record.copyright = "(c) 2026 Someone";
    OpenProject(record);
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    ::GlobalMemoryStatusEx(&memory);
    std::vector<std::string> texts;
    Configure([&](HWND dialog) {
        Menu(dialog, IDM_ABOUT1);
        if (const HWND about = WaitForDialog(dialog)) {
            texts = {Text(about), Text(about, IDC_LBPRODUCT), Text(about, IDC_LBVERSION), Text(about, IDC_LBCOPYRIGHT),
                     Text(about, IDC_LBMEORY)};
            Click(about, IDOK);
            for (int i = 0; i < 250 && ::IsWindow(about); ++i)
                ::Sleep(20);
        }
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ((std::vector<std::string>{"About Dialog Show", "Dialog Show", "Version : ", "(c) 2026 Someone",
                                        std::to_string(memory.ullTotalPhys / 1048576) + " M"}),
              texts);
}

TEST_F(DialogTest, AboutPictureIsTheBitmapBesideTheProgramThenItsIconThenOurOwn)
{
    const std::string bmp = ProgramFolder() + "app.bmp", ico = ProgramFolder() + "app.ico";
    struct Case {
        bool withBitmap, withIcon;
        int bitmapWidth, iconWidth;  // of what the picture shows; 0: none of that kind
    };
    for (const Case c : {Case{true, true, 40, 0}, Case{false, true, 0, 20}, Case{false, false, 0, 48}}) {
        RemoveFile(bmp);
        RemoveFile(ico);
        if (c.withBitmap) WriteFileBytes(bmp, MakeBitmapFile(40, 30, [](int, int) { return 0x336699u; }));
        if (c.withIcon) WriteFileBytes(ico, IconFile(20));
        int bitmapWidth = 0, iconWidth = 0;
        About([&](HWND about) {
            if (auto shown = reinterpret_cast<HBITMAP>(Send(about, IDC_IMG, STM_GETIMAGE, IMAGE_BITMAP))) {
                BITMAP info{};
                ::GetObjectA(shown, sizeof info, &info);
                bitmapWidth = info.bmWidth;
            }
            ICONINFO info{};
            if (auto shown = reinterpret_cast<HICON>(Send(about, IDC_IMG, STM_GETICON));
                shown && ::GetIconInfo(shown, &info)) {
                BITMAP mask{};
                ::GetObjectA(info.hbmMask, sizeof mask, &mask);
                iconWidth = mask.bmWidth;
                ::DeleteObject(info.hbmMask);
                if (info.hbmColor) ::DeleteObject(info.hbmColor);
            }
            Click(about, IDOK);
        });
        EXPECT_EQ(c.bitmapWidth, bitmapWidth) << c.withBitmap << c.withIcon;
        EXPECT_EQ(c.iconWidth, iconWidth) << c.withBitmap << c.withIcon;
    }
    RemoveFile(bmp);
    RemoveFile(ico);
}

// Run as a program, the show's "Settings" item opens the dialog over the screen window.
TEST(SettingsMenu, OpensTheDialogOwnedByTheShow)
{
    PictureShow show({ColourItem("red.bmp", RGB(255, 0, 0))});
    show.Open(smProgram);
    HWND ownedBy = nullptr;
    std::string caption;
    std::thread driver([&] {
        const HWND dialog = WaitForDialog(nullptr);
        if (!dialog) return;
        ownedBy = ::GetWindow(dialog, GW_OWNER);
        caption = Text(dialog);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    show.form->Settings1Click();
    driver.join();
    EXPECT_EQ(show.window, ownedBy);
    EXPECT_NE(std::string::npos, caption.find(" - Screensaver Settings")) << caption;
    EXPECT_FALSE(show.form->busy);
}
