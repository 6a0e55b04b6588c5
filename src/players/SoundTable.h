// The show's music: the package's "music" table, the choice of the next background track (in
// order or at random, once or in a loop) and the look-up of an item's own sound by name. Tracks
// stored in the package are copied into the temporary folder, one of each kind at a time, each kind
// in a sub-folder of its own: a background track and an item's sound of the same stored name are
// two files, so neither player can overwrite or delete the file that the other has open.
//
//   CSoundTable music(db, TempFolder());
//   music.Open();
//   std::string track = music.NextTrack(path, random, loop, embedded, beside);   // "" when over
//   std::string sound = music.TrackByName("Music\\Theme.MP3", path, embedded, beside);
//
// A separate track file that does not exist raises ETrackNotFound.
#pragma once

#include "../package/XMLTable.h"
#include "../settings/ListTexts.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class CMyXMLDb;

// A separate track file that is not there; what() is "Cann't find ", `path` names the file.
class ETrackNotFound : public std::runtime_error {
public:
    explicit ETrackNotFound(std::string file) : std::runtime_error("Cann't find "), path(std::move(file)) {}
    std::string path;
};

class CSoundTable {
public:
    // `temp`: the temporary folder, with its final separator. Seeds the generator of the
    // one-pass random order from the clock.
    CSoundTable(const CMyXMLDb& db, std::string temp);
    virtual ~CSoundTable();
    CSoundTable(const CSoundTable&) = delete;
    CSoundTable& operator=(const CSoundTable&) = delete;

    // Opens the "music" table and lists its background tracks (type 1), in table order.
    void Open();
    void Close();

    // The file of the next background track; empty when there is none or the music is over.
    // `path` is the screensaver file, whose folder holds the tracks with `beside`.
    std::string NextTrack(const std::string& path, bool random, bool loop, bool embedded, bool beside);
    // The file of the first track (of any type) whose stored name contains the file-name part of
    // `name` (any case); empty when there is none.
    std::string TrackByName(const std::string& name, const std::string& path, bool embedded, bool beside);

    // Delete the copy of the last background track or item sound, once it is no longer played.
    void RemoveMusicFile() { RemoveCopy(currentMusicFile); }
    void RemoveBoundFile() { RemoveCopy(currentBoundFile); }
    // Deletes every copy still in the temporary folder, those whose earlier removal failed too;
    // called at exit, once both players have closed their tracks.
    void RemoveCopies();

    std::int32_t position = -1;      // in `list`, of the current background track
    std::vector<std::int32_t> list;  // record indices of the background tracks
    std::string currentMusicFile;    // copies written into the temporary folder
    std::string currentBoundFile;
    std::vector<std::string> undeleted;  // earlier copies that could not be deleted when replaced

private:
    std::string SeparateFile(const std::string& storedName, const std::string& path, bool beside) const;
    // Copies the current record's track under `storedName` into the kind's sub-folder `kindFolder`
    // of the temporary folder, replacing `current`; empty (and logged) when it cannot be written whole.
    std::string CopyToTemp(const std::string& storedName, const char* kindFolder, std::string& current);
    // Deletes the copy and forgets it; one that cannot be deleted now is kept for RemoveCopies.
    void RemoveCopy(std::string& file);

    const CMyXMLDb& database;
    std::string temp;
    CMyXMLTable musicTable;
    CShuffleBag shuffleBag;
};
