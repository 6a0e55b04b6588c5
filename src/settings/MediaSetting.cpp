#include "MediaSetting.h"

#include "../diagnostics/FileLog.h"
#include "../package/Payloads.h"
#include "../package/XMLDb.h"
#include "../platform/File.h"
#include "Media.h"
#include "SaverSettings.h"

void CMediaSetting::Open()
{
    settingTable.SetLoadBinaryFields(false);
    if (database) settingTable.Open(*database, "setting");
    effectPositions.assign(static_cast<std::size_t>(settingTable.RecordCount()), -1);
    settingTable.First();
}

void CMediaSetting::Close()
{
    settingTable.Close();
    effectPositions.clear();
}

void CMediaSetting::LoadCurrent()
{
    ReadRecord(*this);
}

void CMediaSetting::ReadRecord(CMediaSetting& into)
{
    std::uint8_t block[ShowItemOptions::kSize] = {};
    ShowItemOptions& o = into.options;
    o = ShowItemOptions::FromBytes(block, settingTable.ReadRaw("data", block, sizeof block));

    const bool ownEffects = saverSettings && saverSettings->options.ownEffects == 1;
    if (ownEffects) {
        o.musicOn = saverSettings->options.playMusic == 1;
        o.randomEffect = saverSettings->options.effectsRandom == 1;
        o.effectStep = saverSettings->options.ownEffectStep;
    }
    into.filename = settingTable.ReadText("filename");
    into.title = settingTable.ReadText("title");
    into.titleFontName = settingTable.ReadText("titlefontname");
    into.titleFontStyle = settingTable.ReadText("titlefontstyle");
    into.desc = settingTable.ReadText("desc");
    into.descFontName = settingTable.ReadText("descfontname");
    into.descFontStyle = settingTable.ReadText("descfontstyle");
    into.gradientString = settingTable.ReadText("gradientstring");
    into.effectList = ownEffects ? saverSettings->ownEffectList : settingTable.ReadText("effect");
    into.backgroundList = settingTable.ReadText("selectedimagebackgroundstring");
    into.bindSound = settingTable.ReadText("bindsound");
    into.accFiles = settingTable.ReadText("accfile");
    if (&into == this) return;
    into.database = database;
    into.owner = this;
}

std::int32_t CMediaSetting::NextIndex(bool random)
{
    const std::int32_t n = ItemCount();
    if (random) return shuffleBag.Next(n);
    return settingTable.RecNo() < n - 1 ? settingTable.RecNo() + 1 : 0;
}

void CMediaSetting::Advance(bool random)
{
    settingTable.GoTo(chosenNext >= 0 ? chosenNext : NextIndex(random));
    chosenNext = -1;
    LoadCurrent();
}

std::int32_t CMediaSetting::ChooseNext(bool random, CMediaSetting& next)
{
    if (chosenNext < 0) chosenNext = NextIndex(random);
    const std::int32_t current = settingTable.RecNo();
    settingTable.GoTo(chosenNext);
    ReadRecord(next);
    settingTable.GoTo(current);
    return chosenNext;
}

std::int32_t CMediaSetting::NextEffect()
{
    const std::int32_t item = settingTable.RecNo();
    if (item < 0 || static_cast<std::size_t>(item) >= effectPositions.size()) return -1;
    return ChooseEffect(effectList, options.randomEffect != 0, effectPositions[static_cast<std::size_t>(item)]);
}

std::vector<std::int32_t> CMediaSetting::PictureItemIndices()
{
    if (owner) return owner->PictureItemIndices();
    const std::int32_t current = settingTable.RecNo();
    std::vector<std::int32_t> pictures;
    for (settingTable.First(); !settingTable.Eof(); settingTable.Next()) {
        std::uint8_t block[ShowItemOptions::kSize] = {};
        const std::size_t size = settingTable.ReadRaw("data", block, sizeof block);
        if (ShowItemOptions::FromBytes(block, size).mediaType == 0) pictures.push_back(settingTable.RecNo());
    }
    settingTable.GoTo(current);
    return pictures;
}

std::string CMediaSetting::FileNameOf(std::int32_t index)
{
    if (owner) return owner->FileNameOf(index);
    const std::int32_t current = settingTable.RecNo();
    settingTable.GoTo(index);
    std::string name = settingTable.ReadText("filename");
    settingTable.GoTo(current);
    return name;
}

void CMediaSetting::ExtractAccFiles(const std::string& folder, bool overwrite)
{
    if (accFiles.empty() || !database) return;
    if (folder.empty()) {
        // Relative names would land in the process's current folder, often the system folder.
        FILE_LOG("auxiliary files not written: there is no folder for them");
        return;
    }
    CMyXMLTable accfileTable;
    accfileTable.SetLoadBinaryFields(false);
    if (!accfileTable.Open(*database, "accfile")) return;
    for (const std::string& name : ParseNameList(accFiles)) {
        const std::string key = LowerCase(name);
        for (accfileTable.First(); !accfileTable.Eof(); accfileTable.Next()) {
            if (LowerCase(accfileTable.ReadText("name")) != key) continue;
            const auto target = ContainedPath(folder, name);
            if (!target)
                FILE_LOG("auxiliary file \"%s\" refused: its name leaves the folder or names a device", name.c_str());
            else if ((overwrite || !FileExists(*target)) && !SaveValueToFile(accfileTable, "accfile", *target, false))
                FILE_LOG("auxiliary file \"%s\" could not be written to %s", name.c_str(), target->c_str());
            break;
        }
    }
}
