// The project record: the show-wide options and texts that the screensaver's author chose, read
// once at start-up from the package's "project" table.
//
//   project.SetDatabase(db);
//   project.OpenTable();
//   project.Load();                       // raises std::out_of_range for a missing text field
//   project.SetScreensaverPath(path);
//   if (project.options.runAsProgram == 1) ...
#pragma once

#include "../package/XMLTable.h"
#include "ProjectOptions.h"

#include <string>

class CMyXMLDb;

class CVESKGlobeSettings {
public:
    virtual ~CVESKGlobeSettings() = default;

    void SetDatabase(const CMyXMLDb& db) { database = &db; }
    // The package the project was read from; null before SetDatabase.
    const CMyXMLDb* Database() const { return database; }
    // Opens the "project" table, leaving large values in the file; stays closed when the package
    // has no such table.
    void OpenTable();
    void Load();
    void SetScreensaverPath(const std::string& path) { screensaverPath = path; }
    void CloseTable() { projectTable.Close(); }

    // Other parts read further fields ("dialogpicture", "banner", "copyright") from the table.
    CMyXMLTable& ProjectTable() { return projectTable; }

    ProjectOptions options;
    std::string projectName;
    std::string authorName;
    std::string authorEmail;
    std::string authorWebsite;
    std::string version;
    std::string screensaverPath;
    std::string description;
    std::string appName;
    std::string homeSite;

private:
    const CMyXMLDb* database = nullptr;
    CMyXMLTable projectTable;
};
