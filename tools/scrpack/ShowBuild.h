// `scrpack build`: a manifest checked and its show packed behind the player.
//
//   BuildShow("demo/show.json", "demo.scr", "player.scr", std::cout, std::cerr, isatty(2));
//
// Every problem of the manifest is reported on its own line, and then nothing is written. The
// image library beside the player (Expic.dll) is carried unless the manifest names the runtime
// libraries. The file appears only when it is complete.
#pragma once

#include <ostream>
#include <string>

// 0 when the file was written; 1 otherwise. `progress` shows a line of files and bytes written.
int BuildShow(const std::string& manifestPath, const std::string& outputPath, const std::string& playerPath,
              std::ostream& out, std::ostream& err, bool progress);
