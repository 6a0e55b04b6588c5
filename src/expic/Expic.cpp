// The image library the player loads from its temporary folder for the formats its built-in
// readers do not cover (PNG, TIFF, ICO and whatever else the system's imaging component reads).
// A decoded image is handed out as a memory device context with the picture selected, scaled to
// the size asked for (or at its own size when the width or height asked for is not positive).
#include "../framework/ImageReader.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr std::size_t kMaxPath = 260;

bool PathFits(const char* path)
{
    return path && strnlen(path, kMaxPath + 1) <= kMaxPath;
}

HDC Decode(const char* path, int width, int height)
{
    if (!PathFits(path)) return nullptr;
    try {
        TBitmap decoded;
        ReadImageFileScaled(path, width, height, decoded);
        return decoded.Detach();
    } catch (...) {  // no exception may leave the library: a failed decode is a null handle
        return nullptr;
    }
}

}  // namespace

extern "C" {

__declspec(dllexport) HDC WINAPI eLoadImageFilefromFile(char* path, int width, int height)
{
    return Decode(path, width, height);
}

// The bytes are in the file at `path`; the format is read from them, so `type` is not needed.
__declspec(dllexport) HDC WINAPI eLoadImageFilefromStream(char* path, int /*size*/, int width, int height, int /*type*/)
{
    return Decode(path, width, height);
}

__declspec(dllexport) void WINAPI eFreeImage(HDC image)
{
    if (!image) return;
    // Once the DC is gone the bitmap is no longer selected and can be deleted.
    HGDIOBJ bitmap = ::GetCurrentObject(image, OBJ_BITMAP);
    ::DeleteDC(image);
    if (bitmap) ::DeleteObject(bitmap);
}

__declspec(dllexport) HDC WINAPI eGetImageDC(HDC image)
{
    return image;
}

}  // extern "C"
