#include "PackageDamage.h"

#include <cstdio>
#include <random>
#include <string_view>

namespace {

const char* const kKinds[] = {"trailer", "directory", "header", "record index", "value lengths", "values"};

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void PutLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The text between the first `<tag>` and the `</tag>` after it, searched in [from, to).
std::string_view Element(std::string_view text, const std::string& tag)
{
    const std::size_t open = text.find("<" + tag + ">");
    if (open == std::string_view::npos) return {};
    const std::size_t from = open + tag.size() + 2;
    const std::size_t close = text.find("</" + tag + ">", from);
    return close == std::string_view::npos ? std::string_view{} : text.substr(from, close - from);
}

std::vector<std::string> Split(std::string_view text)
{
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (std::size_t comma; (comma = text.find(',', from)) != std::string_view::npos; from = comma + 1)
        pieces.emplace_back(text.substr(from, comma - from));
    pieces.emplace_back(text.substr(from));
    return pieces;
}

void Add(PackageLayout& layout, const char* kind, const std::string& table, std::size_t start, std::size_t end)
{
    if (end > start) layout.regions.push_back({kind, table, start, end});
}

// One table's header, record index, and per record its value lengths and values.
void LocateTable(const std::vector<std::uint8_t>& file, std::size_t base, std::size_t size, const std::string& name,
                 PackageLayout& layout)
{
    const std::string_view table(reinterpret_cast<const char*>(file.data()) + base, size);
    const std::size_t info = table.find("<recordinfo>");
    if (info == std::string_view::npos) return;
    const std::size_t fields = Split(Element(table.substr(0, info), "fields")).size();
    const std::size_t records = std::stoul(std::string(Element(table.substr(0, info), "recordcount")));
    const std::size_t index = info + 12;
    Add(layout, "header", name, base, base + index);
    Add(layout, "record index", name, base + index, base + index + 8 * records);
    for (std::size_t r = 0; r < records; ++r) {
        const std::size_t at = base + Le32(file, base + index + 8 * r);
        const std::size_t length = Le32(file, base + index + 8 * r + 4);
        Add(layout, "value lengths", name, at, at + 4 * fields);
        Add(layout, "values", name, at + 4 * fields, at + length);
    }
}

std::string Hex(std::size_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%zX", value);
    return text;
}

std::string Where(const FileRegion& region)
{
    return region.table.empty() ? region.kind : region.kind + " of " + region.table;
}

// A region of the kind, the table drawn at random among those that have one.
const FileRegion& DrawRegion(const PackageLayout& layout, const std::string& kind, std::mt19937& random)
{
    std::vector<const FileRegion*> candidates;
    for (const FileRegion& region : layout.regions)
        if (region.kind == kind) candidates.push_back(&region);
    if (candidates.empty()) candidates.push_back(&layout.regions.front());
    return *candidates[random() % candidates.size()];
}

DamagedFile Truncate(const std::vector<std::uint8_t>& file, const PackageLayout& layout, int index,
                     std::mt19937& random)
{
    DamagedFile damaged;
    std::size_t length;
    if (index < 4) {
        length = file.size() - 1 - index;  // inside the trailer, and without it
        damaged.what = "cut inside the trailer";
    } else if (index == 4) {
        length = layout.packageOffset;
        damaged.what = "cut at the package's start";
    } else {
        const FileRegion& region = DrawRegion(layout, kKinds[1 + index % 5], random);
        length = region.start + random() % (region.end - region.start);
        damaged.what = "cut inside the " + Where(region);
    }
    damaged.bytes.assign(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    damaged.what += " at " + Hex(length);
    if (index >= 4 && index % 2) {
        damaged.bytes.resize(length + 4);
        PutLe32(damaged.bytes, length, static_cast<std::uint32_t>(layout.packageOffset));
        damaged.what += ", with a trailer";
    }
    return damaged;
}

// Numbers that readers of positions and lengths trip over.
std::uint32_t OddNumber(std::uint32_t old, std::size_t fileSize, std::mt19937& random)
{
    const std::uint32_t size = static_cast<std::uint32_t>(fileSize);
    const std::uint32_t choices[] = {0,        1,        0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, size,
                                     size - 4, size + 1, old + 1,     old - 1,     old * 2,     old + 0x10000};
    return choices[random() % (sizeof choices / sizeof choices[0])];
}

DamagedFile Change(const std::vector<std::uint8_t>& file, const PackageLayout& layout, int index, std::mt19937& random)
{
    DamagedFile damaged{file, {}};
    const FileRegion& region = DrawRegion(layout, kKinds[index % 6], random);
    damaged.what = "in the " + Where(region) + ":";
    const std::size_t span = region.end - region.start;
    const bool numeric = region.kind == "trailer" || region.kind == "record index" || region.kind == "value lengths";
    if (numeric && span >= 4 && random() % 2) {
        const std::size_t at = region.start + (random() % (span / 4)) * 4;
        const std::uint32_t old = Le32(file, at);
        const std::uint32_t value = OddNumber(old, file.size(), random);
        PutLe32(damaged.bytes, at, value);
        damaged.what += " number at " + Hex(at) + " " + Hex(old) + " -> " + Hex(value);
        return damaged;
    }
    const int count = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = region.start + random() % span;
        std::uint8_t value = static_cast<std::uint8_t>(random());
        // Half the digits of the directory's numbers become other digits: plausible, wrong places.
        if (region.kind == "directory" && file[at] >= '0' && file[at] <= '9' && random() % 2)
            value = static_cast<std::uint8_t>('0' + random() % 10);
        damaged.bytes[at] = value;
        damaged.what += " byte " + Hex(at) + " " + Hex(file[at]) + " -> " + Hex(value);
    }
    return damaged;
}

}  // namespace

PackageLayout LocatePackage(const std::vector<std::uint8_t>& file)
{
    PackageLayout layout;
    if (file.size() < 4) return layout;
    const std::size_t offset = Le32(file, file.size() - 4);
    if (offset >= file.size() - 4) return layout;
    const std::string_view package(reinterpret_cast<const char*>(file.data()) + offset, file.size() - 4 - offset);
    const std::size_t end = package.find("</database>");
    if (end == std::string_view::npos) return layout;
    layout.packageOffset = offset;
    Add(layout, "trailer", "", file.size() - 4, file.size());
    Add(layout, "directory", "", offset, offset + end + 11);
    const std::string_view directory = package.substr(0, end);
    const std::vector<std::string> names = Split(Element(directory, "tables"));
    const std::vector<std::string> starts = Split(Element(directory, "tablestartpos"));
    const std::vector<std::string> sizes = Split(Element(directory, "tablesize"));
    for (std::size_t t = 0; t < names.size() && t < starts.size() && t < sizes.size(); ++t)
        LocateTable(file, offset + std::stoul(starts[t]), std::stoul(sizes[t]), names[t], layout);
    return layout;
}

DamagedFile Damage(const std::vector<std::uint8_t>& file, const PackageLayout& layout, int index)
{
    std::mt19937 random(static_cast<std::uint32_t>(index) * 2654435761u + 1);
    return index < kTruncations ? Truncate(file, layout, index, random) : Change(file, layout, index, random);
}
