// The pictures of a checked manifest made ready to be stored (PicturePrepare.h), one after the
// other, so that one picture at a time is in memory whatever the show's size.
#pragma once

#include "Manifest.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct PictureTotals {
    std::size_t pictures = 0, changed = 0;  // changed: converted, fitted or renamed
    std::uint64_t originalBytes = 0, storedBytes = 0;
};

// Fills `show.storedPictures` for the embedded pictures (items and background pictures), new
// files going to `workFolder`. Each problem is one line in `errors` that names the file; two
// pictures that would be stored under one name are a problem too. `progressLine`: where the
// progress bar goes, none for no bar.
PictureTotals PrepareShowPictures(ShowManifest& show, const std::string& workFolder, std::ostream* progressLine,
                                  std::vector<std::string>& errors);
