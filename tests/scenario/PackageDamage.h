// Damaged copies of a screensaver file that carries a package: cut short, or with bytes changed in
// the trailer, the directory, a table's header, record index, value lengths or values. Each
// variant is made from its index alone, so a failing one can be made again.
//
//   const PackageLayout layout = LocatePackage(bytes);
//   const DamagedFile v = Damage(bytes, layout, 17);   // v.bytes, v.what: "record index of media: ..."
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A stretch of the file [start, end) and what it holds.
struct FileRegion {
    std::string kind;   // "trailer", "directory", "header", "record index", "value lengths", "values"
    std::string table;  // empty for the trailer and the directory
    std::size_t start = 0, end = 0;
};

struct PackageLayout {
    std::size_t packageOffset = 0;
    std::vector<FileRegion> regions;  // non-empty regions only
};

// The regions of a well-formed file as the package tool writes it; none when it carries no package.
PackageLayout LocatePackage(const std::vector<std::uint8_t>& file);

struct DamagedFile {
    std::vector<std::uint8_t> bytes;
    std::string what;  // the damage, in words, with file offsets
};

// The first `kTruncations` variants cut the file (every other one with a fresh trailer that still
// points at the package); the rest change 1 to 3 bytes or a 32-bit number in one region. The
// region kinds take turns, and within a kind the table and the place are drawn from the index.
constexpr int kTruncations = 72;
DamagedFile Damage(const std::vector<std::uint8_t>& file, const PackageLayout& layout, int index);
