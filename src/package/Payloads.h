// Payloads copied out of the package into files: the temporary folder, safe target paths, and the
// runtime libraries written at start-up.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class CMyXMLDb;
class CMyXMLTable;

// The folder with a final path separator, added when it has none.
std::string WithFinalSeparator(std::string folder);

// The system's temporary folder, with its final separator; empty when the system cannot tell
// (or its path does not fit), so that nothing is ever written to the root of the current drive.
std::string TempFolder();

// Every character of the name as a signed 8-bit number in decimal: "ab" gives "9798".
std::string DigitName(std::string_view name);

// The path of the stored name `name` inside `folder` (which ends with a separator), with the name's
// "\" and "/" as the system's separator; none when the name would leave the folder: an absolute
// name, a drive, a ".." that climbs above it, or a part that names a device ("CON", "nul.txt").
std::optional<std::string> ContainedPath(const std::string& folder, std::string_view name);

// Writes the large value `field` of the table's current record as the file `path` (creating its
// folder), copied in chunks. With `skipWhenSame`, a file that already holds exactly these bytes is
// left untouched. False when the value could not be written.
bool SaveValueToFile(CMyXMLTable& table, const std::string& field, const std::string& path, bool skipWhenSame);

// Writes every record of the "runtimelib" table into the temporary folder. A library already
// there with the same bytes is not written again (another instance may have it loaded); one that
// cannot be written, or whose name would leave the folder, is logged and skipped.
void ExtractRuntimeLibraries(const CMyXMLDb& db);
