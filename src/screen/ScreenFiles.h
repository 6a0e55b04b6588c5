// The files a screen window copies out of the package for its players: the current Flash movie,
// the current video (kept without its extension while it is not in use), and the files deleted
// when the window closes.
//
//   CScreenFiles files(TempFolder(), project, media);
//   std::string movie = files.MaterialiseFlashMovie(showSetting);
//   ...
//   files.RemoveScreenFiles();     // when the window closes
#pragma once

#include <string>
#include <vector>

class CMedia;
class CMediaSetting;
class CVESKGlobeSettings;

class CScreenFiles {
public:
    // `temp` is the temporary folder with its final separator.
    CScreenFiles(std::string temp, const CVESKGlobeSettings& project, CMedia& media);

    // The movie file of the current Flash item, with its auxiliary files beside it. Empty when a
    // separate movie file does not exist; missingFile then names it.
    std::string MaterialiseFlashMovie(CMediaSetting& item);
    // The video file of the current video item; separate files as for movies. Empty when the
    // file does not exist or could not be copied whole.
    std::string MaterialiseVideo(CMediaSetting& item);
    // Deletes the movie and the listed files (earlier movies that could not be deleted when
    // replaced among them); a video that cannot be deleted is parked without its extension.
    void RemoveScreenFiles();

    std::string currentMovieFile;
    std::string currentVideoFile;
    std::vector<std::string> deletionList;
    std::string missingFile;  // the separate file that the last call did not find

private:
    // A separate media file: the stored path, the file of that name beside the screensaver, or
    // the name the "media" table stores for it.
    std::string SeparateFile(const std::string& filename);
    void AddToDeletionList(const std::string& path);

    std::string temp;
    const CVESKGlobeSettings& project;
    CMedia& media;
};

// The path without its extension (the text from the last "." after the last separator).
std::string WithoutExtension(const std::string& path);
