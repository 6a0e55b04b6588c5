#include "MediaFiles.h"

#include "../../src/package/Convert.h"

#include <cmath>
#include <string>

namespace {

// Appends RIFF structures: chunks and lists whose sizes are patched when they are closed.
class RiffWriter {
public:
    // Opens a chunk (or a "RIFF"/"LIST" with its form type) and returns where its size goes.
    std::size_t Open(const char* id, const char* form = nullptr)
    {
        Tag(id);
        const std::size_t at = bytes.size();
        Le32(0);
        if (form) Tag(form);
        return at;
    }
    void Close(std::size_t at)
    {
        WriteLE32(&bytes[at], static_cast<std::uint32_t>(bytes.size() - at - 4));
        if (bytes.size() % 2) bytes.push_back(0);  // chunks start at even offsets
    }
    void Tag(const char* id) { bytes.insert(bytes.end(), id, id + 4); }
    void Le32(std::uint32_t value)
    {
        const std::size_t at = bytes.size();
        bytes.resize(at + 4);
        WriteLE32(&bytes[at], value);
    }
    void Le16(std::uint16_t value)
    {
        bytes.push_back(static_cast<std::uint8_t>(value));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }

    std::vector<std::uint8_t> bytes;
};

void BitmapInfoHeader(RiffWriter& riff, int w, int h, std::uint32_t imageSize)
{
    riff.Le32(40);
    riff.Le32(static_cast<std::uint32_t>(w));
    riff.Le32(static_cast<std::uint32_t>(h));  // positive: bottom-up rows
    riff.Le16(1);
    riff.Le16(32);
    riff.Le32(0);  // BI_RGB
    riff.Le32(imageSize);
    for (int i = 0; i < 4; ++i)
        riff.Le32(0);
}

}  // namespace

std::vector<std::uint8_t> MakeWaveFile(int milliseconds, int frequency, int rate)
{
    const auto samples = static_cast<std::uint32_t>(static_cast<std::int64_t>(rate) * milliseconds / 1000);
    RiffWriter riff;
    const std::size_t file = riff.Open("RIFF", "WAVE");
    const std::size_t format = riff.Open("fmt ");
    riff.Le16(1);  // PCM
    riff.Le16(1);  // mono
    riff.Le32(static_cast<std::uint32_t>(rate));
    riff.Le32(static_cast<std::uint32_t>(rate) * 2);
    riff.Le16(2);
    riff.Le16(16);
    riff.Close(format);
    const std::size_t data = riff.Open("data");
    const double step = 2 * 3.14159265358979 * frequency / rate;
    for (std::uint32_t i = 0; i < samples; ++i)
        riff.Le16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(8000 * std::sin(step * i)))));
    riff.Close(data);
    riff.Close(file);
    return riff.bytes;
}

std::vector<std::uint8_t> MakeAviFile(int w, int h, int frames, int framesPerSecond,
                                      const std::function<std::uint32_t(int frame, int x, int y)>& colour)
{
    // 32 bits a pixel: rows need no padding, and Wine's video device draws 24-bit frames with their
    // bytes 4 late, which turns every colour into another.
    const std::uint32_t frameSize = static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(h) * 4;
    const auto count = static_cast<std::uint32_t>(frames);
    RiffWriter riff;
    const std::size_t file = riff.Open("RIFF", "AVI ");

    const std::size_t headers = riff.Open("LIST", "hdrl");
    const std::size_t main = riff.Open("avih");
    riff.Le32(1000000u / static_cast<std::uint32_t>(framesPerSecond));  // microseconds per frame
    riff.Le32(frameSize * static_cast<std::uint32_t>(framesPerSecond));
    riff.Le32(0);
    riff.Le32(0x10);  // AVIF_HASINDEX
    riff.Le32(count);
    riff.Le32(0);
    riff.Le32(1);  // streams
    riff.Le32(frameSize);
    riff.Le32(static_cast<std::uint32_t>(w));
    riff.Le32(static_cast<std::uint32_t>(h));
    for (int i = 0; i < 4; ++i)
        riff.Le32(0);
    riff.Close(main);

    const std::size_t stream = riff.Open("LIST", "strl");
    const std::size_t streamHeader = riff.Open("strh");
    riff.Tag("vids");
    riff.Tag("DIB ");
    riff.Le32(0);                                            // flags
    riff.Le32(0);                                            // priority, language
    riff.Le32(0);                                            // initial frames
    riff.Le32(1);                                            // scale
    riff.Le32(static_cast<std::uint32_t>(framesPerSecond));  // rate: frames per second = rate / scale
    riff.Le32(0);                                            // start
    riff.Le32(count);                                        // length in frames
    riff.Le32(frameSize);                                    // suggested buffer size
    riff.Le32(0xFFFFFFFFu);                                  // quality: default
    riff.Le32(0);                                            // sample size: varies
    riff.Le16(0);
    riff.Le16(0);
    riff.Le16(static_cast<std::uint16_t>(w));
    riff.Le16(static_cast<std::uint16_t>(h));
    riff.Close(streamHeader);
    const std::size_t streamFormat = riff.Open("strf");
    BitmapInfoHeader(riff, w, h, frameSize);
    riff.Close(streamFormat);
    riff.Close(stream);
    riff.Close(headers);

    const std::size_t movie = riff.Open("LIST", "movi");
    std::vector<std::uint32_t> offsets;  // of each frame chunk, from the "movi" tag
    for (int f = 0; f < frames; ++f) {
        offsets.push_back(static_cast<std::uint32_t>(riff.bytes.size() - (movie + 4)));
        const std::size_t chunk = riff.Open("00db");
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x) {
                const std::uint32_t c = colour(f, x, y);
                riff.bytes.push_back(static_cast<std::uint8_t>(c >> 16));
                riff.bytes.push_back(static_cast<std::uint8_t>(c >> 8));
                riff.bytes.push_back(static_cast<std::uint8_t>(c));
                riff.bytes.push_back(0);
            }
        }
        riff.Close(chunk);
    }
    riff.Close(movie);

    const std::size_t index = riff.Open("idx1");
    for (std::uint32_t offset : offsets) {
        riff.Tag("00db");
        riff.Le32(0x10);  // AVIIF_KEYFRAME
        riff.Le32(offset);
        riff.Le32(frameSize);
    }
    riff.Close(index);
    riff.Close(file);
    return riff.bytes;
}
