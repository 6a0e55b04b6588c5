// A cursor over one table of the package database.
//
//   CMyXMLTable table;
//   table.SetLoadBinaryFields(false);          // leave large values in the file
//   if (table.Open(db, "media")) {
//       for (table.First(); !table.Eof(); table.Next()) {
//           std::string name = table.ReadText("name");
//           TFileStream out;
//           if (out.Create(target)) table.CopyBinaryToStream("media", out);
//       }
//   }
//
// Data that points outside the table or the file reads as empty: the reader never reads or
// allocates past the package file.
#pragma once

#include "../platform/File.h"
#include "../platform/Stream.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CMyXMLDb;

// One field of the current record: its value in memory, or where the value lies in the file.
struct FIELD_DATA {
    std::string name;
    std::vector<std::uint8_t> value;
    bool binary = false;                // flagged "1": a large value that may stay in the file
    std::int64_t deferredPosition = 0;  // absolute file offset of a value left in the file
    std::int32_t deferredLength = 0;    // its length; 0 when the value is in memory
    bool outsideTable = false;          // the value runs past its table: it reads as empty
};

class CMyXMLTable {
public:
    virtual ~CMyXMLTable() = default;

    // When false, values of fields flagged "1" stay in the file for records loaded afterwards.
    void SetLoadBinaryFields(bool load) { loadBinaryFields = load; }

    // Opens the table `name` of `db` and loads its first record. False when the directory has no
    // such table; a header number that is not a number raises EConvertError.
    bool Open(const CMyXMLDb& db, const std::string& name);
    void Close();
    bool IsClosed() const { return !open; }

    std::int32_t RecordCount() const { return static_cast<std::int32_t>(records.size()); }
    std::int32_t RecNo() const { return currentRecord; }
    std::int32_t GoTo(std::int32_t index);
    std::int32_t First();
    std::int32_t Next() { return GoTo(currentRecord + 1); }
    std::int32_t Prior() { return GoTo(currentRecord - 1); }
    bool Eof() const { return atEnd; }
    bool Bof() const { return atBeginning; }

    // Field reads on the current record, by exact field name. ReadText and CopyBinaryToStream raise
    // std::out_of_range for a name the table lacks; ReadInt then gives 0 and ReadRaw copies nothing.
    std::string ReadText(const std::string& field) const;
    std::int32_t ReadInt(const std::string& field) const;
    // Copies at most `size` bytes of the value into `buffer`; returns how many were copied.
    std::size_t ReadRaw(const std::string& field, void* buffer, std::size_t size) const;
    // Copies a value left in the file into `stream`, in chunks; false when the field is not
    // flagged "1", holds nothing in the file, or the copy fails.
    bool CopyBinaryToStream(const std::string& field, TStream& stream);
    bool CopyBinaryToStream(std::size_t fieldIndex, TStream& stream);
    // True when the current record's value of `field` lies (partly) outside the table, so that
    // it reads as empty although the record does not store an empty value.
    bool ValueOutsideTable(const std::string& field) const;
    // The stored length of the current record's value of `field`, loaded or left in the file.
    std::int64_t ValueSize(const std::string& field) const;

    const std::vector<FIELD_DATA>& Fields() const { return fields; }
    const std::string& TableName() const { return tableName; }
    // Bytes read from the package file since the table was opened.
    std::uint64_t BytesRead() const { return file.BytesRead(); }

private:
    struct RecordInfo {
        std::int32_t position;  // from the table's first byte
        std::int32_t length;    // as stored; never relied upon
    };

    const FIELD_DATA* FindField(const std::string& name) const;
    void ParseHeader(std::string_view header);
    void ReadRecordIndex(std::string_view header);
    void LoadRecord(const RecordInfo& record);
    std::int64_t TableBase() const { return std::int64_t(packageOffset) + tableStart; }

    SharedReadFile file;
    bool open = false;
    std::uint32_t packageOffset = 0;
    std::int32_t tableStart = 0;
    std::int32_t tableSize = 0;
    std::int64_t tableEnd = 0;  // absolute end of the table's bytes, cut at the end of the file
    std::string tableName;
    std::vector<FIELD_DATA> fields;
    std::vector<RecordInfo> records;
    std::int32_t recordCount = 0;
    std::int32_t currentRecord = -1;
    bool atEnd = false;
    bool atBeginning = false;
    bool loadBinaryFields = true;
};
