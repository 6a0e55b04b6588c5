#include "PackageFiles.h"

#include <cstdio>

std::vector<std::uint8_t> FakeImage(std::size_t size)
{
    std::vector<std::uint8_t> image(size);
    for (std::size_t i = 0; i < size; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    if (size >= 2) image[0] = 'M', image[1] = 'Z';
    return image;
}

std::string WritePackageFile(const TempDir& dir, const std::string& name, const std::vector<std::uint8_t>& image,
                             const std::vector<std::uint8_t>& package)
{
    std::vector<std::uint8_t> file = image;
    file.insert(file.end(), package.begin(), package.end());
    const auto offset = static_cast<std::uint32_t>(image.size());
    for (int i = 0; i < 4; ++i)
        file.push_back(static_cast<std::uint8_t>(offset >> (8 * i)));
    return dir.Write(name, file);
}

std::string WritePackageFile(const TempDir& dir, const std::string& name, const std::vector<std::uint8_t>& image,
                             const std::string& package)
{
    return WritePackageFile(dir, name, image, std::vector<std::uint8_t>(package.begin(), package.end()));
}

std::string PaddedList(const std::vector<int>& numbers)
{
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%10d", numbers[i]);
        text += (i ? "," : "") + std::string(number);
    }
    return text;
}
