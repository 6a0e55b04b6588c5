// The project's own options: the 80-byte "data" block of the package's project record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct ProjectOptions {
    static constexpr std::size_t kSize = 80;

    std::int32_t runAsProgram = 0;           // 1: start as a program whatever the file's name
    std::uint8_t randomPicturePosition = 0;  // place pictures at random within the free space
    std::uint8_t randomMediaOrder = 0;       // visit the show items shuffled
    std::int32_t mediaPauseSeconds = 0;      // wait after an item; 0 or less: none
    std::uint8_t musicLoop = 0;              // start the music list again after its last track
    std::int32_t musicPauseSeconds = 0;      // wait between tracks; 0 or less: none
    std::uint8_t musicRandom = 0;
    std::uint8_t showDialogPicture = 0;
    std::uint8_t showPublisher = 0;
    std::uint8_t mediaEmbedded = 0;  // media are stored in the package, not beside it
    std::uint8_t musicEmbedded = 0;
    std::int32_t backgroundPerPicture = 0;  // 0 background first, 1 with the picture, else picture alone
    std::int32_t pictureFit = 0;            // 0 shrink, 1 scale, 2 fill, 3 stretch, else own size
    std::uint8_t filesBesideProgram = 0;    // separate files are looked up beside the screensaver
    std::uint8_t hasImageMedia = 0;

    // Decodes a stored block by offset, little-endian. A shorter block leaves the rest zero; bytes
    // beyond kSize are ignored.
    static ProjectOptions FromBytes(const std::uint8_t* bytes, std::size_t size);
    // The stored block of these options (kSize bytes; unused bytes zero).
    std::vector<std::uint8_t> ToBytes() const;

    // Calls visit(offset, field, name) for every field, in block order: one-byte fields are
    // flags, the others little-endian 32-bit values. The names are the members' own.
    template <class Options, class Visit>
    static void ForEachField(Options& o, Visit&& visit);
};

template <class Options, class Visit>
void ProjectOptions::ForEachField(Options& o, Visit&& visit)
{
    visit(8, o.runAsProgram, "runAsProgram");
    visit(20, o.randomPicturePosition, "randomPicturePosition");
    visit(21, o.randomMediaOrder, "randomMediaOrder");
    visit(24, o.mediaPauseSeconds, "mediaPauseSeconds");
    visit(28, o.musicLoop, "musicLoop");
    visit(32, o.musicPauseSeconds, "musicPauseSeconds");
    visit(36, o.musicRandom, "musicRandom");
    visit(37, o.showDialogPicture, "showDialogPicture");
    visit(38, o.showPublisher, "showPublisher");
    visit(58, o.mediaEmbedded, "mediaEmbedded");
    visit(59, o.musicEmbedded, "musicEmbedded");
    visit(60, o.backgroundPerPicture, "backgroundPerPicture");
    visit(64, o.pictureFit, "pictureFit");
    visit(68, o.filesBesideProgram, "filesBesideProgram");
    visit(76, o.hasImageMedia, "hasImageMedia");
}
