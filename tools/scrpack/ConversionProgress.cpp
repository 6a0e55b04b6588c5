#include "ConversionProgress.h"

#include <cstdio>
#include <string>

ConversionProgress::ConversionProgress(std::size_t pictures, std::uint64_t bytes, std::ostream* line)
    : pictures(pictures), bytes(bytes), line(pictures > 0 ? line : nullptr)
{
    Show();
}

void ConversionProgress::Done(std::uint64_t pictureBytes)
{
    ++picturesDone;
    bytesDone += pictureBytes;
    Show();
}

void ConversionProgress::Finish()
{
    if (line) *line << "\n" << std::flush;
    line = nullptr;
}

void ConversionProgress::Show()
{
    if (!line) return;
    constexpr int kWidth = 20;
    const double part =
        bytes > 0 ? static_cast<double>(bytesDone) / bytes : static_cast<double>(picturesDone) / pictures;
    const int filled = static_cast<int>(part * kWidth);
    std::string bar = "[" + std::string(filled, '#') + std::string(kWidth - filled, '-') + "]";
    std::string left = "";
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (part > 0 && part < 1) {
        const auto seconds = static_cast<long>(elapsed / part - elapsed + 0.5);
        char text[32];
        std::snprintf(text, sizeof text, "  %ld:%02ld left", seconds / 60, seconds % 60);
        left = text;
    }
    char text[160];
    std::snprintf(text, sizeof text, "\rscrpack: %s %zu/%zu pictures  %.1f/%.1f MB%s   ", bar.c_str(), picturesDone,
                  pictures, bytesDone / 1e6, bytes / 1e6, left.c_str());
    *line << text << std::flush;
}
