// The current show item: a cursor over the package's "setting" table with the item's options and
// texts, the choice of the next item (in table order or shuffled) and of each picture change's
// effect.
//
//   showSetting.SetDatabase(db);
//   showSetting.SetSaverSettings(settings);
//   showSetting.Open();
//   showSetting.LoadCurrent();
//   int effect = showSetting.NextEffect();     // -1: a plain copy
//   showSetting.Advance(project.options.randomMediaOrder == 1);
#pragma once

#include "../package/XMLTable.h"
#include "ListTexts.h"
#include "ShowItemOptions.h"

#include <string>
#include <vector>

class CMyXMLDb;
class CSaverSettings;

class CMediaSetting {
public:
    virtual ~CMediaSetting() = default;

    void SetDatabase(const CMyXMLDb& db) { database = &db; }
    void SetSaverSettings(const CSaverSettings& settings) { saverSettings = &settings; }
    const CMyXMLDb* Database() const { return database; }
    // Opens the "setting" table on its first record; every item's effect position starts at -1.
    void Open();
    void Close();
    std::int32_t ItemCount() const { return settingTable.RecordCount(); }
    std::int32_t CurrentItem() const { return settingTable.RecNo(); }

    // Copies the current record into the members; the user's own effects, when chosen, replace
    // the item's effect list, random flag, step and music flag.
    void LoadCurrent();
    // Moves to the next item (shuffled when `random`, wrapping to the first) and loads it.
    void Advance(bool random);
    // Draws the item that the next Advance moves to, without moving, and copies its record into
    // `next` (a record whose table queries below go to this item's table); returns its index.
    // Drawn once: calling it again before Advance gives the same item.
    std::int32_t ChooseNext(bool random, CMediaSetting& next);
    // The effect for the current item's next picture change: each item walks its own list.
    std::int32_t NextEffect();
    // The indices of the picture items (mediaType 0), and the "filename" of the item at an
    // index; both leave the current item where it was.
    std::vector<std::int32_t> PictureItemIndices();
    std::string FileNameOf(std::int32_t index);

    // Writes the current item's auxiliary files into `folder` (ending with a separator); without
    // `overwrite` a file already there is left as it is. Names that would leave the folder are
    // refused and logged; names without a record are skipped. Without a folder nothing is written.
    void ExtractAccFiles(const std::string& folder, bool overwrite);

    ShowItemOptions options;
    std::string filename, title, titleFontName, titleFontStyle, desc, descFontName, descFontStyle, gradientString,
        effectList, backgroundList, bindSound, accFiles;

private:
    std::int32_t NextIndex(bool random);
    void ReadRecord(CMediaSetting& into);

    const CSaverSettings* saverSettings = nullptr;
    std::int32_t chosenNext = -1;  // the item ChooseNext drew for the next Advance
    CMediaSetting* owner = nullptr;  // a record copy's table
    std::vector<std::int32_t> effectPositions;  // the ChooseEffect position of each item
    CShuffleBag shuffleBag;
    const CMyXMLDb* database = nullptr;
    CMyXMLTable settingTable;
};
