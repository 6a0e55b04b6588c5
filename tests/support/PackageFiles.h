// Files that carry packages, for tests: a stand-in program image, the package, the trailer.
#pragma once

#include "TempDir.h"

#include <cstdint>
#include <string>
#include <vector>

// A stand-in program image of `size` bytes.
std::vector<std::uint8_t> FakeImage(std::size_t size);

// Writes `name` in `dir`: `image`, then `package`, then the 4-byte trailer holding image.size().
std::string WritePackageFile(const TempDir& dir, const std::string& name, const std::vector<std::uint8_t>& image,
                             const std::string& package);
std::string WritePackageFile(const TempDir& dir, const std::string& name, const std::vector<std::uint8_t>& image,
                             const std::vector<std::uint8_t>& package);

// "%10d" numbers joined by ",", as the directory stores them.
std::string PaddedList(const std::vector<int>& numbers);
