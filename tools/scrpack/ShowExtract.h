// `scrpack extract`: a package taken apart into its files and the manifest that builds it again.
//
//   ExtractShow("demo.scr", "demo-files", std::cout, std::cerr);   // demo-files/show.json, media/...
//
// The folder receives media/ (pictures, movies, videos), music/ (tracks and bound sounds), auxfiles/
// (auxiliary files), libraries/ (runtime libraries) and dialog/ (the dialog picture), each file
// under its stored name, and show.json naming every option and text explicitly, so that building
// it gives the package's bytes again.
#pragma once

#include "PackageReport.h"

#include <ostream>
#include <string>

ReportResult ExtractShow(const std::string& path, const std::string& folder, std::ostream& out, std::ostream& err);
