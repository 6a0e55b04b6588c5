#include "PackageReport.h"

#include "../../src/package/Convert.h"
#include "../../src/package/XMLDb.h"
#include "../../src/package/XMLTable.h"
#include "Crc32.h"

#include <algorithm>
#include <cstdio>
#include <exception>

ReportResult OpenPackage(const std::string& path, CMyXMLDb& db, std::ostream& err)
{
    if (!FileExists(path)) {
        err << "scrpack: cannot read " << path << "\n";
        return kReportNoPackage;
    }
    const bool complete = db.Open(path, ReadPackageOffset(path));
    if (db.Directory().empty()) {
        err << "scrpack: " << path << " carries no package\n";
        return kReportNoPackage;
    }
    if (!complete) {
        err << "scrpack: the package directory of " << path << " is damaged\n";
        return kReportDamaged;
    }
    return kReportOk;
}

namespace {
// A JSON string; names may hold any byte, so control and non-ASCII bytes are written as escapes.
std::string JsonText(const std::string& text)
{
    std::string json = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20 || c > 0x7E) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += static_cast<char>(c);
        }
    }
    return json + "\"";
}

std::string JsonValue(CMyXMLTable& table, std::size_t fieldIndex)
{
    const FIELD_DATA& field = table.Fields()[fieldIndex];
    if (field.binary) {
        TCrc32Stream crc;
        table.CopyBinaryToStream(fieldIndex, crc);
        char text[64];
        std::snprintf(text, sizeof text, "{\"size\":%llu,\"crc32\":\"%08x\"}",
                      static_cast<unsigned long long>(crc.Length()), static_cast<unsigned>(crc.Crc()));
        return text;
    }
    const auto& bytes = field.value;
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t c) { return c >= 0x20 && c <= 0x7E; }))
        return JsonText(std::string(bytes.begin(), bytes.end()));
    std::string hex = "{\"hex\":\"";
    for (std::uint8_t c : bytes) {
        static const char kDigits[] = "0123456789abcdef";
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex + "\"}";
}

// Writes one table; false when it could not be read.
bool DumpTable(const CMyXMLDb& db, const std::string& name, std::ostream& out, std::ostream& err)
{
    CMyXMLTable table;
    table.SetLoadBinaryFields(false);
    bool readable = true;
    try {
        readable = table.Open(db, name);
    } catch (const std::exception& e) {
        err << "scrpack: table " << name << ": " << e.what() << "\n";
        readable = false;
    }
    out << "{\"name\":" << JsonText(name) << ",\"fields\":[";
    const auto& fields = table.Fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "," : "") << "{\"name\":" << JsonText(fields[i].name)
            << ",\"binary\":" << (fields[i].binary ? "true" : "false") << "}";
    out << "],\"records\":[";
    for (table.First(); !table.Eof(); table.Next()) {
        out << (table.RecNo() ? "," : "") << "{";
        for (std::size_t i = 0; i < fields.size(); ++i)
            out << (i ? "," : "") << JsonText(fields[i].name) << ":" << JsonValue(table, i);
        out << "}";
    }
    out << "]}";
    if (!readable) err << "scrpack: table " << name << " cannot be read\n";
    return readable;
}
}  // namespace

ReportResult ListPackage(const std::string& path, std::ostream& out, std::ostream& err)
{
    CMyXMLDb db;
    const ReportResult result = OpenPackage(path, db, err);
    if (result == kReportNoPackage) return result;
    for (const DB_TABLE_INFO& entry : db.Directory())
        out << entry.name << '\t' << entry.start << '\t' << entry.size << '\n';
    return result;
}

ReportResult DumpPackage(const std::string& path, const std::vector<std::string>& names, std::ostream& out,
                         std::ostream& err)
{
    CMyXMLDb db;
    ReportResult result = OpenPackage(path, db, err);
    if (result == kReportNoPackage) return result;

    std::vector<std::string> wanted;
    for (const DB_TABLE_INFO& entry : db.Directory())
        if (names.empty() || std::find(names.begin(), names.end(), entry.name) != names.end())
            wanted.push_back(entry.name);
    for (const std::string& name : names)
        if (!db.FindTable(name)) {
            err << "scrpack: no table " << name << "\n";
            result = kReportDamaged;
        }

    out << "{\"tables\":[";
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (i) out << ",";
        if (!DumpTable(db, wanted[i], out, err)) result = kReportDamaged;
    }
    out << "]}\n";
    return result;
}
