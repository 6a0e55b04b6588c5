// What `scrpack list` and `scrpack dump` print about the package carried by a file.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit codes of the report.
enum ReportResult { kReportOk = 0, kReportDamaged = 1, kReportNoPackage = 2 };

class CMyXMLDb;

// Opens the package that `path` carries; reports on `err` when there is none or it is damaged.
ReportResult OpenPackage(const std::string& path, CMyXMLDb& db, std::ostream& err);

// One line per directory entry, in directory order: name, start and size separated by tabs.
ReportResult ListPackage(const std::string& path, std::ostream& out, std::ostream& err);

// The tables (all, or only those named) with their fields and records, as JSON.
ReportResult DumpPackage(const std::string& path, const std::vector<std::string>& tables, std::ostream& out,
                         std::ostream& err);
