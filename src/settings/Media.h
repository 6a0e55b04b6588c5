// The stored media files of a show: the package's "media" table, looked up by file name.
//
//   CMedia media;
//   media.SetDatabase(db);
//   media.Open();
//   TFileStream out;
//   if (out.Create(target) && media.CopyByFileName(item.filename, out)) ...
#pragma once

#include "../package/XMLTable.h"

#include <string>

class CMyXMLDb;

class CMedia {
public:
    virtual ~CMedia() = default;

    void SetDatabase(const CMyXMLDb& db) { database = &db; }
    // Opens the "media" table, leaving the files' bytes in the package.
    void Open();
    void Close() { mediaTable.Close(); }

    // Copies the file whose stored name equals `name` (any case) into `stream`.
    bool CopyByExactName(const std::string& name, TStream& stream);
    // Copies the first file whose stored name contains the file name of `path` (any case).
    bool CopyByFileName(const std::string& path, TStream& stream);
    // The stored name, lower-cased, of the file CopyByFileName would copy; empty when none.
    std::string FindStoredName(const std::string& path);

private:
    // Moves to the first record whose lower-cased name satisfies `matches`; false when none does.
    template <class Matches>
    bool Find(Matches matches);

    const CMyXMLDb* database = nullptr;
    CMyXMLTable mediaTable;
};

// The text in lower case, byte by byte (ANSI letters A to Z).
std::string LowerCase(std::string text);

// The file-name part of a path: the text after the last "\" or ":".
std::string FileNamePart(const std::string& path);
