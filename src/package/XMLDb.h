// The package database: the directory of tables at the start of a package appended to a file.
//
//   CMyXMLDb db;
//   db.Open(path, ReadPackageOffset(path));
//   if (const DB_TABLE_INFO* info = db.FindTable("media")) ...   // tables are read by CMyXMLTable
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One directory entry: where a table lies, counted from the package's first byte.
struct DB_TABLE_INFO {
    std::string name;
    std::int32_t start = -1;  // -1 until the directory gives it
    std::int32_t size = 0;
};

// The package offset stored in the last 4 bytes of `fileName`; 0 when it cannot be read.
std::uint32_t ReadPackageOffset(const std::string& fileName);

class CMyXMLDb {
public:
    virtual ~CMyXMLDb() = default;

    // Reads the directory of the package at `packageOffset` in `fileName`. A missing file gives an
    // empty directory and success; a malformed number or a number without a table fails, keeping
    // the entries read before it.
    bool Open(const std::string& fileName, std::uint32_t packageOffset);
    void Close() { directory.clear(); }

    // The first entry named exactly `name`; null when there is none.
    const DB_TABLE_INFO* FindTable(const std::string& name) const;

    const std::string& FileName() const { return fileName; }
    std::uint32_t PackageOffset() const { return packageOffset; }
    const std::vector<DB_TABLE_INFO>& Directory() const { return directory; }

private:
    std::string fileName;
    std::uint32_t packageOffset = 0;
    std::vector<DB_TABLE_INFO> directory;
};
