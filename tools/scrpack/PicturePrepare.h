// Every picture of a show made ready to be stored: recognised by its bytes, converted to JPEG
// when the player cannot read its format, fitted to the author's box, and named so that the
// player picks the right reader. Originals are never changed; new files go to a work folder.
//
//   PicturePreparer preparer(workFolder, box);
//   PreparedPicture p = preparer.Prepare("photos/IMG_0042.HEIC");   // p.storedName "IMG_0042.jpg"
#pragma once

#include "FitSize.h"
#include "Picture.h"
#include "PictureFormat.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

struct PreparedPicture {
    std::string path;        // the file to store: the original or a new file in the work folder
    std::string storedName;  // the name it is stored under
    std::uint64_t originalBytes = 0, storedBytes = 0;
};

// A picture that cannot be stored; the message says why and, where there is one, the way out.
class PictureRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PicturePreparer {
public:
    // `box`: fit pictures larger than it; none to keep their sizes.
    PicturePreparer(std::string workFolder, std::optional<PictureSize> box);

    // Raises PictureRefused.
    PreparedPicture Prepare(const std::string& path);

private:
    // The picture as it is stored when nothing is done to it, and its format; raises
    // PictureRefused when it is no picture that scrpack knows.
    static PreparedPicture Recognise(const std::string& path, PictureFormat& format);
    std::string NewFile(const std::string& extension);

    std::string workFolder;
    std::optional<PictureSize> box;
    int made = 0;
    // Pixel buffers reused from picture to picture, so that the memory of a show of hundreds of
    // photos stays that of its largest one.
    Picture decoded, fitted;
    std::vector<std::uint32_t> scratch;
};

// The size of a file in bytes; 0 when it cannot be read.
std::uint64_t FileBytes(const std::string& path);

// The name a picture is stored under: `name` when the player's choice of reader by name matches
// the format, else its stem with the format's extension ("a.jpg.png" → "a_jpg.png").
std::string StoredPictureName(const std::string& name, const char* extension);
