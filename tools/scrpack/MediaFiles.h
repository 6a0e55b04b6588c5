// Sound and video files made by our own code, for demo shows and test packages: PCM wave tracks
// and uncompressed AVI clips, which the system's media interface plays without extra decoders.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// A 16-bit mono PCM wave file of `milliseconds` at `rate` samples per second: a sine tone of
// `frequency` Hz (0 gives silence).
std::vector<std::uint8_t> MakeWaveFile(int milliseconds, int frequency = 440, int rate = 8000);

// An uncompressed 32-bit AVI clip of `frames` frames of w × h pixels at `framesPerSecond`;
// colour(frame, x, y) gives 0x00BBGGRR, y = 0 at the top.
std::vector<std::uint8_t> MakeAviFile(int w, int h, int frames, int framesPerSecond,
                                      const std::function<std::uint32_t(int frame, int x, int y)>& colour);
