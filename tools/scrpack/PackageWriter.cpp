#include "PackageWriter.h"

#include "../../src/package/Convert.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {
constexpr std::size_t kReaderWindow = 1024;
constexpr std::uint64_t kMaxPosition = INT32_MAX;
constexpr std::size_t kCopyChunk = 4u << 20;

std::string Join(const std::vector<std::string>& items, char separator)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += separator;
        text += items[i];
    }
    return text;
}

std::string Padded(std::uint64_t number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%10u", static_cast<unsigned>(number));
    return text;
}

std::string NumberList(const std::vector<std::uint64_t>& numbers)
{
    std::vector<std::string> items;
    for (std::uint64_t n : numbers)
        items.push_back(Padded(n));
    return Join(items, ',');
}

std::string DirectoryText(const std::vector<PackageTable>& tables, const std::vector<std::uint64_t>& starts,
                          const std::vector<std::uint64_t>& sizes)
{
    std::vector<std::string> names;
    for (const PackageTable& table : tables)
        names.push_back(table.Name());
    return "<database><tables>" + Join(names, ',') + "</tables><tablestartpos>" + NumberList(starts) +
           "</tablestartpos><tablesize>" + NumberList(sizes) + "</tablesize></database>";
}

bool WriteText(TStream& out, const std::string& text)
{
    return out.Write(text.data(), text.size());
}

bool WriteLE32(TStream& out, std::uint32_t value)
{
    std::uint8_t bytes[4];
    ::WriteLE32(bytes, value);
    return out.Write(bytes, sizeof bytes);
}
}  // namespace

PackageValue PackageValue::Text(std::string_view text)
{
    PackageValue value;
    value.bytes.assign(text);
    return value;
}

PackageValue PackageValue::Int(std::int32_t number)
{
    std::uint8_t bytes[4];
    ::WriteLE32(bytes, static_cast<std::uint32_t>(number));
    return Bytes(bytes, sizeof bytes);
}

PackageValue PackageValue::Bytes(const void* data, std::size_t size)
{
    PackageValue value;
    value.bytes.assign(static_cast<const char*>(data), size);
    return value;
}

PackageValue PackageValue::File(const std::string& path)
{
    SharedReadFile file;
    if (!file.Open(path)) throw std::runtime_error("cannot read " + path);
    PackageValue value;
    value.path = path;
    value.fileSize = static_cast<std::uint64_t>(file.Size());
    value.fromFile = true;
    return value;
}

bool PackageValue::WriteTo(TStream& out) const
{
    if (!fromFile) return out.Write(bytes.data(), bytes.size());
    SharedReadFile file;
    if (!file.Open(path)) return false;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, kCopyChunk)));
    for (std::uint64_t at = 0; at < fileSize;) {
        const auto chunk = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize - at, buffer.size()));
        if (file.ReadAt(static_cast<std::int64_t>(at), buffer.data(), chunk) != chunk ||
            !out.Write(buffer.data(), chunk))
            return false;
        at += chunk;
    }
    return true;
}

PackageTable::PackageTable(std::string tableName, std::vector<PackageField> tableFields)
    : name(std::move(tableName)), fields(std::move(tableFields))
{
}

void PackageTable::AddRecord(std::vector<PackageValue> values)
{
    if (values.size() != fields.size())
        throw std::invalid_argument("a record of table " + name + " needs one value per field");
    for (const PackageValue& value : values)
        if (value.Size() > kMaxPosition) throw std::length_error("a value of table " + name + " exceeds 2 GiB");
    records.push_back(std::move(values));
}

std::string PackageTable::HeaderText() const
{
    std::vector<std::string> names;
    std::string flags;
    for (const PackageField& field : fields) {
        names.push_back(field.name);
        flags += field.binary ? '1' : '0';
    }
    std::string header = "<" + name + "><head><fields>" + Join(names, ',') + "</fields><binfields>" + flags +
                         "</binfields><recordcount>" + std::to_string(records.size()) +
                         "</recordcount></head><recordinfo>";
    if (header.size() > kReaderWindow) throw std::length_error("the header of table " + name + " exceeds 1024 bytes");
    return header;
}

std::uint64_t PackageTable::RecordSize(const std::vector<PackageValue>& record) const
{
    std::uint64_t size = 4 * record.size();
    for (const PackageValue& value : record)
        size += value.Size();
    return size;
}

std::uint64_t PackageTable::Size() const
{
    std::uint64_t size = HeaderText().size() + 8 * records.size() + std::string("</recordinfo><data>").size();
    for (const auto& record : records)
        size += RecordSize(record);
    return size + std::string("</data></").size() + name.size() + 1;
}

bool PackageTable::WriteTo(TStream& out) const
{
    const std::string header = HeaderText();
    std::uint64_t position = header.size() + 8 * records.size() + std::string("</recordinfo><data>").size();
    if (!WriteText(out, header)) return false;
    for (const auto& record : records) {
        const std::uint64_t size = RecordSize(record);
        if (position + size > kMaxPosition) throw std::length_error("table " + name + " exceeds 2 GiB");
        if (!WriteLE32(out, static_cast<std::uint32_t>(position)) || !WriteLE32(out, static_cast<std::uint32_t>(size)))
            return false;
        position += size;
    }
    if (!WriteText(out, "</recordinfo><data>")) return false;
    for (const auto& record : records) {
        for (const PackageValue& value : record)
            if (!WriteLE32(out, static_cast<std::uint32_t>(value.Size()))) return false;
        for (const PackageValue& value : record)
            if (!value.WriteTo(out)) return false;
    }
    return WriteText(out, "</data></" + name + ">");
}

std::string PackageDirectory(const std::vector<PackageTable>& tables)
{
    std::vector<std::uint64_t> starts(tables.size()), sizes(tables.size());
    for (std::size_t i = 0; i < tables.size(); ++i)
        sizes[i] = tables[i].Size();
    // Every number is 10 characters wide, so the directory's length does not depend on them.
    std::uint64_t start = DirectoryText(tables, starts, sizes).size();
    for (std::size_t i = 0; i < tables.size(); ++i) {
        starts[i] = start;
        start += sizes[i];
        if (start > kMaxPosition) throw std::length_error("the package exceeds 2 GiB");
    }
    std::string directory = DirectoryText(tables, starts, sizes);
    if (directory.size() > kReaderWindow) throw std::length_error("the package directory exceeds 1024 bytes");
    return directory;
}

bool WritePackage(const std::vector<PackageTable>& tables, TStream& out)
{
    if (!WriteText(out, PackageDirectory(tables))) return false;
    for (const PackageTable& table : tables)
        if (!table.WriteTo(out)) return false;
    return true;
}

std::vector<std::uint8_t> BuildPackage(const std::vector<PackageTable>& tables)
{
    TMemoryStream memory;
    WritePackage(tables, memory);
    return memory.Bytes();
}

bool AppendPackage(const std::string& imagePath, const std::vector<PackageTable>& tables, const std::string& outputPath)
{
    TFileStream out;
    return out.Create(outputPath) && AppendPackage(imagePath, tables, out);
}

bool AppendPackage(const std::string& imagePath, const std::vector<PackageTable>& tables, TStream& out)
{
    std::uint64_t imageSize = 0;
    if (!imagePath.empty()) {
        const PackageValue image = PackageValue::File(imagePath);
        imageSize = image.Size();
        if (imageSize > UINT32_MAX || !image.WriteTo(out)) return false;
    }
    return WritePackage(tables, out) && WriteLE32(out, static_cast<std::uint32_t>(imageSize));
}
