// `scrpack build`: a manifest (or a folder of media) checked and its show packed behind the player.
//
//   BuildRequest request;
//   request.source = "photos";   // or "demo/show.json"
//   request.output = "holiday.scr";
//   request.fit = PictureSize{3840, 2160};
//   BuildShow(request, std::cout, std::cerr);
//
// Every problem of the manifest or of a picture is reported on its own line, naming the value or
// the file, and then nothing is written. The image library beside the player (Expic.dll) is
// carried unless the manifest names the runtime libraries. The file appears only when it is
// complete.
#pragma once

#include "FitSize.h"
#include "FolderShow.h"

#include <optional>
#include <ostream>
#include <string>

struct BuildRequest {
    std::string source;  // a manifest, or a folder of media
    std::string output, player;
    std::optional<PictureSize> fit;  // over the manifest's "fitPictures"
    FolderOrder order = FolderOrder::Name;
    std::string manifestOut;  // a folder's manifest is written here too
    bool progress = false;    // progress bars on the error stream (a terminal)
};

// 0 when the file was written; 1 otherwise.
int BuildShow(const BuildRequest& request, std::ostream& out, std::ostream& err);

// A manifest's show; `progress` shows a line of files and bytes written.
int BuildShow(const std::string& manifestPath, const std::string& outputPath, const std::string& playerPath,
              std::ostream& out, std::ostream& err, bool progress);
