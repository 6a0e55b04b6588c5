// libFuzzer target: each input is a whole file that may carry a package. The reader opens the
// directory, every table with and without large values, walks every record and reads every field,
// and must never read, copy or hold more than the file has.
#include "../../src/package/Convert.h"
#include "../../src/package/XMLDb.h"
#include "../../src/package/XMLTable.h"
#include "../../tools/scrpack/PackageReport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {
// The input goes to a file in memory when the system has such a folder: a disk file rewritten for
// every input makes the file system write it out again and again.
std::string ScratchFolder()
{
    return ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}

void Require(bool condition)
{
    if (!condition) __builtin_trap();
}

void WalkTable(const CMyXMLDb& db, const std::string& name, bool loadBinaryFields, std::size_t fileSize)
{
    CMyXMLTable table;
    table.SetLoadBinaryFields(loadBinaryFields);
    try {
        if (!table.Open(db, name)) return;
    } catch (const EConvertError&) {
        Require(table.IsClosed());
        return;
    }
    Require(static_cast<std::size_t>(table.RecordCount()) <= fileSize / 8);
    for (table.First(); !table.Eof(); table.Next()) {
        const auto& fields = table.Fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            Require(fields[i].value.size() <= fileSize);
            table.ReadText(fields[i].name);
            table.ReadInt(fields[i].name);
            char raw[64];
            Require(table.ReadRaw(fields[i].name, raw, sizeof raw) <= sizeof raw);
            TMemoryStream copy;
            table.CopyBinaryToStream(i, copy);
            Require(copy.Bytes().size() <= fileSize);
        }
    }
    table.GoTo(table.RecordCount() - 1);
    table.Prior();
    table.GoTo(-1);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = ScratchFolder() + "/vesk-fuzz-" + std::to_string(::getpid()) + ".scr";
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        std::abort();
    }

    CMyXMLDb db;
    for (std::uint32_t offset : {ReadPackageOffset(path), 0u}) {
        db.Open(path, offset);
        for (const DB_TABLE_INFO& entry : db.Directory()) {
            WalkTable(db, entry.name, false, size);
            WalkTable(db, entry.name, true, size);
        }
    }
    std::ostringstream out, err;
    DumpPackage(path, {}, out, err);
    return 0;
}
