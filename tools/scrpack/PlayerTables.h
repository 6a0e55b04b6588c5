// The tables that the player reads, with their fields, as the authoring side writes them.
//
//   ProjectRecord record;
//   record.projectName = "My Show";
//   std::vector<PackageTable> tables = {ProjectTable(record), SettingTable(), MediaTable()};
#pragma once

#include "PackageWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// The one record of the "project" table; options is the 80-byte block.
struct ProjectRecord {
    std::vector<std::uint8_t> options = std::vector<std::uint8_t>(80);
    std::string appName = "scrpack";
    std::string homeSite;
    std::string projectName;
    std::string dialogPicture;
    std::string authorName;
    std::string authorWebsite;
    std::string authorEmail;
    std::string version = "1.0";
    std::string copyright;
    std::string description;
    PackageValue banner = PackageValue::Text("");  // the dialog picture's bytes, when media are embedded
};

PackageTable ProjectTable(const ProjectRecord& record);

// Empty tables with the player's fields; records are added by the caller.
PackageTable SettingTable();
PackageTable MediaTable();
PackageTable MusicTable();
PackageTable RuntimeLibTable();
PackageTable BackImageTable();
PackageTable AccFileTable();
