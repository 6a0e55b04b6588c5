// Small shows for tests: the project record, show items with their options, and pictures.
#pragma once

#include "../../src/settings/ShowItemOptions.h"
#include "../../tools/scrpack/PlayerTables.h"

#include <cstdint>
#include <string>
#include <vector>

// The tables of a show named `projectName`; `runAsProgram` goes into the project's options.
std::vector<PackageTable> ShowTables(const std::string& projectName, std::int32_t runAsProgram = 0);

// One record of the "setting" table.
struct ShowItem {
    ShowItemOptions options;
    std::string filename, title, desc, gradientString, effectList, backgroundList;
    std::string titleFontStyle, descFontStyle;
    std::string bindSound;
};
void AddShowItem(PackageTable& settingTable, const ShowItem& item);

// "Colour Show": three solid pictures (red.bmp, green.bmp, blue.bmp: 0x1E1EDC, 0x3CC81E, 0xE63C28 as
// 0x00BBGGRR), each filling the screen after a quick transition and standing for a second.
std::vector<PackageTable> ColourShowTables();
