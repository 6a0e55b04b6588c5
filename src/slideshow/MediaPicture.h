// Decoding a show's picture by its stored file name: from the package when the project embeds
// its media, otherwise from the file the media catalogue names (beside the screensaver when the
// project keeps its files there).
#pragma once

#include <string>

class CComPicture;
class CMedia;
class CVESKGlobeSettings;

// The decoder's result (1 loaded, 0 not); the built-in readers' EInvalidGraphic passes through.
int LoadMediaPicture(CComPicture& picture, const std::string& fileName, const CVESKGlobeSettings& project,
                     CMedia& media);
