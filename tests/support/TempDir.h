// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The full path of `name` inside the folder, with the system's separator.
    std::string Path(const std::string& name) const;

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::filesystem::path root;
};

void WriteFileText(const std::string& path, const std::string& text);
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
std::string ReadFileText(const std::string& path);

// The text with every run of digits replaced by one "#", and carriage returns removed: log lines
// compared without their times and tick counts.
std::string DigitsCollapsed(const std::string& text);
