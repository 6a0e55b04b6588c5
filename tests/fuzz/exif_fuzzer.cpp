// libFuzzer target: each input is the start of a JPEG. The orientation is looked for in memory
// and in a file (the two walks must agree and only ever give 1..8), the input is read as a bare
// TIFF structure too, and a small picture turned for the orientation must turn back.
#include "../../src/platform/File.h"
#include "../../src/framework/ExifOrientation.h"
#include "../../src/framework/PixelOrientation.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// The input goes to a file in memory when the system has such a folder: a disk file rewritten for
// every input makes the file system write it out again and again.
std::string ScratchFolder()
{
    return ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}

void Require(bool condition)
{
    if (!condition) __builtin_trap();
}

int Inverse(int orientation)
{
    return orientation == 6 ? 8 : orientation == 8 ? 6 : orientation;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int inMemory = JpegOrientation(data, size);
    Require(inMemory >= 1 && inMemory <= 8);
    const int bare = ParseExifOrientation(data, size);
    Require(bare >= 1 && bare <= 8);

    static const std::string path = ScratchFolder() + "/vesk-fuzz-exif-" + std::to_string(::getpid()) + ".jpg";
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        std::abort();
    }
    SharedReadFile file;
    Require(file.Open(path));
    Require(JpegOrientation(file) == inMemory);
    Require(file.BytesRead() <= size);

    const int width = size > 0 ? 1 + data[0] % 7 : 1, height = size > 1 ? 1 + data[1] % 5 : 1;
    std::vector<std::uint32_t> stored(static_cast<std::size_t>(width * height)), upright(stored.size()),
        back(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<std::uint32_t>(i);
    const OrientedSize turned = OrientSize(width, height, inMemory);
    Require(turned.width * turned.height == width * height);
    OrientPixels(stored.data(), width, height, inMemory, upright.data());
    OrientPixels(upright.data(), turned.width, turned.height, Inverse(inMemory), back.data());
    Require(back == stored);
    return 0;
}
