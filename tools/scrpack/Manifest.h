// A show as its author describes it: a JSON manifest of the project, the show items in order, the
// background music and pictures, and the runtime libraries. Everything not given has a default, so
// that a manifest of five picture names is a working show:
//
//   { "items": ["sunrise.jpg", "lake.png", "meadow.gif", "dunes.tif", "night.bmp"] }
//
// Paths are relative to the manifest's folder. Texts are UTF-8 in the manifest and 8-bit in the
// package: an item's title and description in the code page of its font's character set (chosen
// when the manifest names none), every other text in code page 1252.
#pragma once

#include "../../src/settings/ProjectOptions.h"
#include "../../src/settings/ShowItemOptions.h"
#include "FitSize.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

struct ManifestItem {
    std::string file;  // the media file; its stored name when media are separate files
    ShowItemOptions options;
    std::string title, titleFont, titleStyle;  // styles as the package stores them: "1;2;"
    std::string description, descriptionFont, descriptionStyle;
    std::string gradients, effects, backgrounds;  // number lists: "0;5;"
    std::string boundSound;                       // the item's own sound; empty for none
    std::vector<std::string> auxFiles;            // files placed beside a Flash movie
};

struct ShowManifest {
    std::string folder;  // the manifest's folder, with a final separator; paths are relative to it
    ProjectOptions options;
    std::string name, appName, homeSite, authorName, authorWebsite, authorEmail, version, copyright, description;
    std::string dialogPicture;  // the picture at the side of the configuration dialog; empty for none
    std::vector<ManifestItem> items;
    std::vector<std::string> music;
    std::vector<std::string> backgroundPictures;
    std::vector<std::string> runtimeLibraries;
    bool runtimeLibrariesGiven = false;      // false: the image library beside the player is carried
    std::optional<PictureSize> fitPictures;  // pictures larger than this box are scaled down

    // Pictures stored from another file or under another name than the manifest's (converted,
    // fitted, or renamed for their format), by the manifest's file name.
    struct StoredFile {
        std::string name, path;
    };
    std::map<std::string, StoredFile> storedPictures;

    // The path of a file the manifest names.
    std::string PathOf(const std::string& file) const;
};

// Reads and checks a manifest. Each problem is one line in `errors` that names the value by its
// path in the manifest: items[2].effects[1]: no effect named "Band sideways".
ShowManifest ReadManifest(const std::string& manifestPath, std::vector<std::string>& errors);
ShowManifest ParseManifest(const std::string& text, const std::string& folder, const std::string& defaultName,
                           std::vector<std::string>& errors);

// The file name of a path, after its last "/" or "\\": the name a file is stored under.
std::string BaseName(const std::string& path);

// Stored file names of the package, to and from the manifest's UTF-8; false for a character that
// Latin-1 cannot hold.
bool Utf8ToLatin1(const std::string& utf8, std::string& latin1);
std::string Latin1ToUtf8(const std::string& latin1);

// True for the options that hold a colour: the manifest writes them "#RRGGBB".
bool IsColourOption(const std::string& name);

// The names of the font styles, in the order of their codes 1 to 4.
extern const char* const kFontStyleNames[4];
