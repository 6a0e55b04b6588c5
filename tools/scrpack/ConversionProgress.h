// The progress bar of the picture work on a terminal: pictures and MB done, and the time left
// from the pace so far. Without a terminal (no line to write) it shows nothing.
//
//   [##########----------]  12/40 pictures  96.1/310.4 MB  0:42 left
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>

class ConversionProgress {
public:
    ConversionProgress(std::size_t pictures, std::uint64_t bytes, std::ostream* line);
    // One more picture of `bytes` (its original's size) is done.
    void Done(std::uint64_t bytes);
    // Ends the line.
    void Finish();

private:
    void Show();

    std::size_t pictures, picturesDone = 0;
    std::uint64_t bytes, bytesDone = 0;
    std::ostream* line;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};
