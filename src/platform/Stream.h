// Byte sinks that package values are copied into.
//
//   TFileStream out;
//   if (!out.Create(path) || !table.CopyBinaryToStream("media", out)) ...
//   TMemoryStream memory;
//   table.CopyBinaryToStream("media", memory);   // memory.Bytes() holds the whole value
#pragma once

#include "File.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TStream {
public:
    virtual ~TStream() = default;
    // Appends `size` bytes at the stream's position; false when they could not all be written.
    virtual bool Write(const void* data, std::size_t size) = 0;
    // Announces that about `size` more bytes follow, so a stream may prepare room for them.
    virtual void Reserve(std::uint64_t /*size*/) {}
};

class TMemoryStream : public TStream {
public:
    bool Write(const void* data, std::size_t size) override;
    void Reserve(std::uint64_t size) override;
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::string Text() const { return std::string(bytes_.begin(), bytes_.end()); }
    void Clear() { bytes_.clear(); }

private:
    std::vector<std::uint8_t> bytes_;
};

class TFileStream : public TStream {
public:
    bool Create(const std::string& path) { return file_.Create(path); }
    void Close() { file_.Close(); }
    bool Write(const void* data, std::size_t size) override { return file_.Write(data, size); }

private:
    OutputFile file_;
};
