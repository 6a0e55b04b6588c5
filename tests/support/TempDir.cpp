#include "TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

TempDir::TempDir()
{
    // Tests run side by side as processes of their own, and a clock may tick coarsely: the
    // process number keeps two of them that start at once apart.
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root = std::filesystem::temp_directory_path() / ("vesk-test-" + std::to_string(getpid()) + "-" +
                                                     std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string TempDir::Path(const std::string& name) const
{
    return (root / name).make_preferred().string();
}

std::string TempDir::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

std::string TempDir::Write(const std::string& name, const std::string& text) const
{
    return Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void WriteFileText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadFileText(const std::string& path)
{
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string DigitsCollapsed(const std::string& text)
{
    std::string collapsed;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (c == '\r' || (digit && !collapsed.empty() && collapsed.back() == '#')) continue;
        collapsed += digit ? '#' : c;
    }
    return collapsed;
}
