#include "XMLTable.h"

#include "Convert.h"
#include "TagText.h"
#include "XMLDb.h"

#include <algorithm>
#include <stdexcept>

namespace {
// Everything before the record index must lie within the table's first bytes.
constexpr std::size_t kHeaderWindow = 1024;
constexpr std::size_t kRecordInfoEntry = 8;
// Large values are copied through a buffer of this size, never held whole.
constexpr std::size_t kCopyChunk = 4u << 20;

const std::string_view kRecordInfoTag = "<recordinfo>";
}  // namespace

bool CMyXMLTable::Open(const CMyXMLDb& db, const std::string& name)
{
    Close();
    tableName = name;
    const DB_TABLE_INFO* entry = db.FindTable(name);
    // An entry whose start the directory never gave does not locate a table.
    if (!entry || entry->start < 0 || !file.Open(db.FileName())) return false;

    packageOffset = db.PackageOffset();
    tableStart = entry->start;
    tableSize = entry->size;
    tableEnd = std::min<std::int64_t>(TableBase() + std::max<std::int32_t>(tableSize, 0), file.Size());

    char window[kHeaderWindow];
    const std::int64_t available = std::max<std::int64_t>(tableEnd - TableBase(), 0);
    const std::size_t got = file.ReadAt(TableBase(), window, std::min<std::int64_t>(available, kHeaderWindow));
    const std::string_view header = TextUpToNul(std::string_view(window, got));
    try {
        ParseHeader(header);
    } catch (...) {
        Close();
        throw;
    }
    ReadRecordIndex(header);

    open = true;
    currentRecord = -1;
    if (!records.empty()) GoTo(0);
    return true;
}

void CMyXMLTable::ParseHeader(std::string_view header)
{
    auto names = ElementText(header, "<fields>", "</fields>");
    if (!names) return;  // no fields, no flags, no records
    for (std::string_view piece : SplitList(*names, ','))
        fields.push_back({std::string(piece), {}, false, 0, 0});

    // A flag text shorter than the field list leaves the remaining fields unflagged.
    const std::string_view flags = ElementText(header, "<binfields>", "</binfields>").value_or("");
    for (std::size_t i = 0; i < fields.size() && i < flags.size(); ++i)
        fields[i].binary = flags[i] == '1';

    if (auto count = ElementText(header, "<recordcount>", "</recordcount>")) recordCount = StrToInt(Trim(*count));
}

void CMyXMLTable::ReadRecordIndex(std::string_view header)
{
    const auto tag = header.find(kRecordInfoTag);
    if (recordCount <= 0 || tag == std::string_view::npos) return;

    // A count that runs past the table keeps only the entries that lie inside it.
    const std::int64_t indexStart = TableBase() + std::int64_t(tag + kRecordInfoTag.size());
    const std::int64_t fitting = std::max<std::int64_t>(tableEnd - indexStart, 0) / std::int64_t(kRecordInfoEntry);
    const std::size_t count = static_cast<std::size_t>(std::min<std::int64_t>(recordCount, fitting));

    std::vector<std::uint8_t> index(count * kRecordInfoEntry);
    const std::size_t got = file.ReadAt(indexStart, index.data(), index.size());
    records.reserve(got / kRecordInfoEntry);
    for (std::size_t i = 0; i + kRecordInfoEntry <= got; i += kRecordInfoEntry)
        records.push_back(
            {static_cast<std::int32_t>(ReadLE32(&index[i])), static_cast<std::int32_t>(ReadLE32(&index[i + 4]))});
}

void CMyXMLTable::Close()
{
    file.Close();
    open = false;
    fields.clear();
    records.clear();
    recordCount = 0;
    currentRecord = -1;
    atEnd = false;
    atBeginning = false;
}

std::int32_t CMyXMLTable::GoTo(std::int32_t index)
{
    if (index == currentRecord) return currentRecord;
    atEnd = false;
    atBeginning = false;
    if (index < 0) {
        atBeginning = true;
        return currentRecord;
    }
    if (index >= RecordCount()) {
        atEnd = true;
        return currentRecord;
    }
    LoadRecord(records[static_cast<std::size_t>(index)]);
    currentRecord = index;
    return currentRecord;
}

std::int32_t CMyXMLTable::First()
{
    GoTo(0);
    Prior();
    return GoTo(0);
}

void CMyXMLTable::LoadRecord(const RecordInfo& record)
{
    const std::size_t n = fields.size();
    const std::int64_t start = TableBase() + record.position;

    // The length array; lengths that lie outside the table stay missing.
    std::vector<std::uint8_t> lengths(n * 4);
    std::size_t got = 0;
    if (record.position >= 0 && start < tableEnd)
        got = file.ReadAt(start, lengths.data(),
                          static_cast<std::size_t>(std::min<std::int64_t>(n * 4, tableEnd - start)));

    // Once a value runs past the table, it and every later value of the record read as empty.
    std::int64_t at = start + std::int64_t(n) * 4;
    bool truncated = false;
    for (std::size_t i = 0; i < n; ++i) {
        FIELD_DATA& field = fields[i];
        field.value.clear();
        field.deferredPosition = 0;
        field.deferredLength = 0;
        field.outsideTable = false;

        const std::int32_t length = 4 * i + 4 <= got ? static_cast<std::int32_t>(ReadLE32(&lengths[4 * i])) : -1;
        truncated = truncated || length < 0 || length > tableEnd - at;
        field.outsideTable = truncated;
        if (truncated) continue;

        if (loadBinaryFields || !field.binary) {
            field.value.resize(static_cast<std::size_t>(length));
            if (file.ReadAt(at, field.value.data(), field.value.size()) != field.value.size()) {
                field.value.clear();
                truncated = field.outsideTable = true;
                continue;
            }
        } else {
            field.deferredPosition = at;
            field.deferredLength = length;
        }
        at += length;
    }
}

const FIELD_DATA* CMyXMLTable::FindField(const std::string& name) const
{
    for (const FIELD_DATA& field : fields)
        if (field.name == name) return &field;
    return nullptr;
}

std::string CMyXMLTable::ReadText(const std::string& name) const
{
    const FIELD_DATA* field = FindField(name);
    if (!field) throw std::out_of_range("no field \"" + name + "\" in table \"" + tableName + "\"");
    const std::string_view bytes(reinterpret_cast<const char*>(field->value.data()), field->value.size());
    return std::string(TextUpToNul(bytes));
}

std::int32_t CMyXMLTable::ReadInt(const std::string& name) const
{
    const FIELD_DATA* field = FindField(name);
    if (!field) return 0;
    std::uint8_t bytes[4] = {};
    std::copy_n(field->value.begin(), std::min<std::size_t>(field->value.size(), 4), bytes);
    return static_cast<std::int32_t>(ReadLE32(bytes));
}

std::size_t CMyXMLTable::ReadRaw(const std::string& name, void* buffer, std::size_t size) const
{
    const FIELD_DATA* field = FindField(name);
    if (!field) return 0;
    const std::size_t n = std::min(size, field->value.size());
    std::copy_n(field->value.begin(), n, static_cast<std::uint8_t*>(buffer));
    return n;
}

bool CMyXMLTable::ValueOutsideTable(const std::string& name) const
{
    const FIELD_DATA* field = FindField(name);
    return field && field->outsideTable;
}

std::int64_t CMyXMLTable::ValueSize(const std::string& name) const
{
    const FIELD_DATA* field = FindField(name);
    if (!field) return 0;
    return field->deferredLength > 0 ? field->deferredLength : static_cast<std::int64_t>(field->value.size());
}

bool CMyXMLTable::CopyBinaryToStream(const std::string& name, TStream& stream)
{
    const FIELD_DATA* field = FindField(name);
    if (!field) throw std::out_of_range("no field \"" + name + "\" in table \"" + tableName + "\"");
    return CopyBinaryToStream(static_cast<std::size_t>(field - fields.data()), stream);
}

bool CMyXMLTable::CopyBinaryToStream(std::size_t fieldIndex, TStream& stream)
{
    if (fieldIndex >= fields.size()) throw std::out_of_range("field index beyond the table's fields");
    const FIELD_DATA& field = fields[fieldIndex];
    if (!field.binary || field.deferredLength <= 0) return false;

    std::size_t remaining = static_cast<std::size_t>(field.deferredLength);
    stream.Reserve(remaining);
    std::vector<std::uint8_t> buffer(std::min(remaining, kCopyChunk));
    std::int64_t at = field.deferredPosition;
    while (remaining > 0) {
        const std::size_t chunk = std::min(remaining, buffer.size());
        if (file.ReadAt(at, buffer.data(), chunk) != chunk || !stream.Write(buffer.data(), chunk)) return false;
        at += std::int64_t(chunk);
        remaining -= chunk;
    }
    return true;
}
