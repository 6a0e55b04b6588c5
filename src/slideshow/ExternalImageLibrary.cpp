// Decoding through the external image library "Expic.dll" in the temporary folder: loaded at the
// first picture that needs it and kept loaded from then on. The library decodes to the size the caller asks for and
// hands back a device context holding the picture, which is copied into a new surface.
#include "ComPicture.h"

#include "../framework/Handles.h"
#include "../platform/File.h"
#include "../platform/Stream.h"

#include <cstring>

namespace {

using ExternalImage = HDC;
using LoadFileProc = ExternalImage(WINAPI*)(char* path, int width, int height);
using LoadStreamProc = ExternalImage(WINAPI*)(char* path, int size, int width, int height, int type);
using FreeImageProc = void(WINAPI*)(ExternalImage image);
using GetImageDCProc = HDC(WINAPI*)(ExternalImage image);

constexpr DWORD kPathBuffer = 261;  // MAX_PATH + 1: the library reads at most 260 characters

// The temporary folder as the system reports it, with a final backslash; empty when it does
// not fit the library's buffer.
std::string TempFolderForLibrary()
{
    char folder[kPathBuffer] = {};
    const DWORD length = ::GetTempPathA(kPathBuffer - 1, folder);
    if (length == 0 || length >= kPathBuffer - 1) return {};
    std::string text(folder, length);
    if (text.back() != '\\') text += '\\';
    return text;
}

// A path copied into the library's zero-filled buffer; false when it does not fit.
bool ToPathBuffer(const std::string& path, char (&buffer)[kPathBuffer])
{
    std::memset(buffer, 0, sizeof buffer);
    if (path.size() > kPathBuffer - 1) return false;
    std::memcpy(buffer, path.data(), path.size());
    return true;
}

// The size of the bitmap selected into a device context.
SIZE SelectedBitmapSize(HDC dc)
{
    BITMAP bitmap{};
    if (!::GetObjectA(::GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap)) return {0, 0};
    return {bitmap.bmWidth, bitmap.bmHeight};
}

}  // namespace

int CComPicture::LoadExternal(const std::string& path, const TMemoryStream* stream, int type)
{
    const std::string folder = TempFolderForLibrary();
    if (folder.empty()) return 0;
    UniqueLibrary library(::LoadLibraryA((folder + "Expic.dll").c_str()));
    if (!library) return 0;
    const auto loadFile = GetProc<LoadFileProc>(library.get(), "eLoadImageFilefromFile");
    const auto loadStream = GetProc<LoadStreamProc>(library.get(), "eLoadImageFilefromStream");
    const auto freeImage = GetProc<FreeImageProc>(library.get(), "eFreeImage");
    const auto getImageDC = GetProc<GetImageDCProc>(library.get(), "eGetImageDC");
    if (!loadFile || !loadStream || !freeImage || !getImageDC) return 0;
    // Unloading the library does not give back all that loading it took (its runtime keeps two
    // handles per load), and a long show decodes thousands of pictures: once loaded, it stays
    // until the process ends, and the next load only counts a reference.
    HMODULE pinned = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         reinterpret_cast<LPCSTR>(loadFile), &pinned);

    // Without a surface there is no size to ask for: 0 × 0 asks for the picture's own size.
    int width = Width(), height = Height();
    char buffer[kPathBuffer];
    ExternalImage image = nullptr;
    if (!stream) {
        if (!ToPathBuffer(path, buffer)) return 0;
        image = loadFile(buffer, width, height);
    } else {
        const std::string scratch = folder + "imgtemp";
        if (!ToPathBuffer(scratch, buffer)) return 0;
        const auto& bytes = stream->Bytes();
        OutputFile out;
        if (!out.Create(scratch) || !out.Write(bytes.data(), bytes.size())) return 0;
        out.Close();
        image = loadStream(buffer, static_cast<int>(static_cast<std::uint32_t>(bytes.size())), width, height, type);
    }
    if (!image) return 0;

    if (width <= 0 || height <= 0) {
        const SIZE natural = SelectedBitmapSize(image);
        width = natural.cx;
        height = natural.cy;
    }
    const bool created = Create(width, height, 0) == 1;
    if (created) ::BitBlt(dc->Handle(), 0, 0, width, height, image, 0, 0, SRCCOPY);
    freeImage(image);
    return created ? 1 : 0;
}
