// Builds packages in the canonical layout that the player reads, and appends them to a program.
//
//   PackageTable media("media", {{"name", false}, {"media", true}});
//   media.AddRecord({PackageValue::Text("intro.swf"), PackageValue::File("art/intro.swf")});
//   AppendPackage("player.scr", {project, media}, "show.scr");
//
// Table and directory texts must fit the 1024 bytes that the reader looks at: a layout that would
// not raises std::length_error, and so does a package beyond the 2 GiB that 32-bit positions reach.
#pragma once

#include "../../src/platform/Stream.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One value of a record: bytes held in memory, or a file's content copied when the package is written.
class PackageValue {
public:
    static PackageValue Text(std::string_view text);
    static PackageValue Int(std::int32_t value);
    static PackageValue Bytes(const void* data, std::size_t size);
    static PackageValue Bytes(const std::vector<std::uint8_t>& bytes) { return Bytes(bytes.data(), bytes.size()); }
    // Raises std::runtime_error when the file cannot be read.
    static PackageValue File(const std::string& path);

    std::uint64_t Size() const { return fromFile ? fileSize : bytes.size(); }
    bool WriteTo(TStream& out) const;

private:
    std::string bytes;
    std::string path;
    std::uint64_t fileSize = 0;
    bool fromFile = false;
};

struct PackageField {
    std::string name;
    bool binary = false;  // a large value that the player leaves in the file until it needs it
};

class PackageTable {
public:
    PackageTable(std::string name, std::vector<PackageField> fields);

    // One value per field, in field order; raises std::invalid_argument otherwise.
    void AddRecord(std::vector<PackageValue> values);

    const std::string& Name() const { return name; }
    std::size_t RecordCount() const { return records.size(); }
    // Length in bytes of the whole table.
    std::uint64_t Size() const;
    bool WriteTo(TStream& out) const;

private:
    std::string HeaderText() const;  // from the opening tag through "<recordinfo>"
    std::uint64_t RecordSize(const std::vector<PackageValue>& record) const;

    std::string name;
    std::vector<PackageField> fields;
    std::vector<std::vector<PackageValue>> records;
};

// The directory of tables with these names and sizes, followed by the tables without gaps.
std::string PackageDirectory(const std::vector<PackageTable>& tables);

// Writes the directory and the tables.
bool WritePackage(const std::vector<PackageTable>& tables, TStream& out);

// The package as bytes in memory; for tests and small packages.
std::vector<std::uint8_t> BuildPackage(const std::vector<PackageTable>& tables);

// Writes `outputPath`: the program image at `imagePath` (none when empty), the package, and the
// 4-byte trailer holding the package's offset.
bool AppendPackage(const std::string& imagePath, const std::vector<PackageTable>& tables,
                   const std::string& outputPath);
// The same into a stream.
bool AppendPackage(const std::string& imagePath, const std::vector<PackageTable>& tables, TStream& out);
