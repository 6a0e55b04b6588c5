// The manifest of a folder of media, for `scrpack build FOLDER`: every picture (recognised by its
// bytes), video and Flash movie becomes an item with the defaults of a manifest of file names,
// and every sound becomes background music. Sub-folders and hidden files are left out.
//
//   {"project": {"name": "Holiday"}, "items": ["IMG_0001.HEIC", "IMG_0002.jpg"], "music": ["waves.wav"]}
#pragma once

#include "FitSize.h"

#include <optional>
#include <string>
#include <vector>

enum class FolderOrder { Name, Taken };

struct FolderEntry {
    std::string name;
    std::string taken;  // the EXIF date taken; empty when there is none
};

// Sorts entries by name (letter case aside), or by the date taken with the undated after the
// dated, each group by name.
void SortFolderEntries(std::vector<FolderEntry>& entries, FolderOrder order);

// The manifest's JSON text. Paths are relative to `manifestFolder` (the folder the manifest is
// written to, or FOLDER itself). A file whose name says picture but whose bytes are no picture
// that scrpack knows is one line in `errors`.
std::string FolderManifest(const std::string& folder, FolderOrder order, std::optional<PictureSize> fit,
                           const std::string& manifestFolder, std::vector<std::string>& errors);
