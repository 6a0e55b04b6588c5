#include "PictureShows.h"

#include "../../src/framework/Application.h"
#include "../../src/slideshow/ImageSlideShowPlayer.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "MessagePump.h"
#include "PackageFiles.h"

#include <algorithm>
#include <cstring>

bool QuickPacer::EndFrame(int)
{
    ++frames;
    Application.ProcessMessages();
    if (onFrame) onFrame(frames);
    return form && form->slideshowPlayer && form->slideshowPlayer->thread;
}

PictureItem ColourItem(const std::string& fileName, COLORREF colour)
{
    PictureItem item;
    item.fileName = fileName;
    item.colour = colour;
    item.options.transitionsOn = 1;
    item.options.backgroundSolidAllowed = 1;
    return item;
}

PictureShow::PictureShow(const std::vector<PictureItem>& items, std::vector<PackageTable> moreTables)
{
    std::vector<PackageTable> tables{ProjectTable(ProjectRecord()), SettingTable(), MediaTable()};
    for (const PictureItem& item : items) {
        ShowItem record;
        record.options = item.options;
        record.filename = item.fileName;
        record.title = item.title;
        record.effectList = item.effectList;
        record.bindSound = item.bindSound;
        AddShowItem(tables[1], record);
        const COLORREF c = item.colour;
        const auto colour = [c](int, int) {
            return static_cast<std::uint32_t>(GetRValue(c)) | GetGValue(c) << 8 | GetBValue(c) << 16;
        };
        tables[2].AddRecord({PackageValue::Text(item.fileName),
                             PackageValue::Bytes(item.bytes.empty() ? MakeBitmapFile(16, 16, colour) : item.bytes)});
    }
    for (PackageTable& table : moreTables)
        tables.push_back(std::move(table));
    const std::string show = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage(tables));
    db.Open(show, ReadPackageOffset(show));
    project.options.mediaEmbedded = 1;
    project.options.pictureFit = 3;  // pictures fill the frame
    project.options.backgroundPerPicture = 1;
    dir.Write("vesk.log", std::string());
    log = std::make_unique<CFileLog>(dir.Path("show.scr"));
    g_fileLog = log.get();
}

PictureShow::~PictureShow()
{
    form.reset();
    g_fileLog = nullptr;
}

void PictureShow::Open(TScrMode mode, HWND host)
{
    form = std::make_unique<Tfmain>(mode, host, db, settings, project, &pacer);
    pacer.form = form.get();
    window = form->Handle();
    form->Show();
}

std::string PictureShow::LogText() const
{
    std::string text = ReadFileText(dir.Path("vesk.log"));
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

int PictureShow::LogCount(const std::string& text) const
{
    const std::string log = LogText();
    int count = 0;
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + text.size()))
        ++count;
    return count;
}

bool PictureShow::WaitForLog(const std::string& text, int count, DWORD timeoutMs)
{
    return PumpUntil([&] { return LogCount(text) >= count; }, timeoutMs);
}

TfImageSlideShowPlayer* PictureShow::Player() const
{
    return form ? form->slideshowPlayer.get() : nullptr;
}

COLORREF PixelOf(const CComPicture& picture, int x, int y)
{
    return picture.surface->Pixel(x, y);
}

void SendPowerSetting(HWND window, const GUID& setting, DWORD value)
{
    alignas(POWERBROADCAST_SETTING) BYTE notice[sizeof(POWERBROADCAST_SETTING) + sizeof value] = {};
    auto* header = reinterpret_cast<POWERBROADCAST_SETTING*>(notice);
    header->PowerSetting = setting;
    header->DataLength = sizeof value;
    std::memcpy(header->Data, &value, sizeof value);
    ::SendMessageA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(notice));
}
