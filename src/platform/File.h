// Plain file access for the portable code: a read handle that shares the file with other readers
// and writers (the package is read from the running program's own file), and a write handle.
//
//   SharedReadFile file;
//   if (!file.Open(path)) return false;
//   char header[1024];
//   size_t n = file.ReadAt(offset, header, sizeof header);   // short at the end of the file
#pragma once

#include "UniqueHandle.h"

#include <cstddef>
#include <cstdint>
#include <string>

// A native file handle carried as an integer: a file descriptor, or a Windows HANDLE.
struct NativeFileTraits {
    using Handle = std::intptr_t;
    static Handle Invalid() noexcept { return -1; }
    static void Close(Handle handle) noexcept;
};
using UniqueFile = UniqueHandle<NativeFileTraits>;

class SharedReadFile {
public:
    bool Open(const std::string& path);
    void Close()
    {
        file_.reset();
        size_ = 0;
    }
    bool IsOpen() const { return static_cast<bool>(file_); }

    // The file's length when it was opened.
    std::int64_t Size() const { return size_; }

    // Reads up to `size` bytes at `position`; returns how many were read (fewer at the end of the
    // file or on a read error, 0 for a negative position).
    std::size_t ReadAt(std::int64_t position, void* buffer, std::size_t size);

    // Bytes read through this handle since it was opened; benchmarks use it to prove what a walk reads.
    std::uint64_t BytesRead() const { return bytesRead_; }

private:
    UniqueFile file_;
    std::int64_t size_ = 0;
    std::uint64_t bytesRead_ = 0;
};

// A new file, or an existing one cut to length 0.
class OutputFile {
public:
    bool Create(const std::string& path);
    void Close() { file_.reset(); }
    bool IsOpen() const { return static_cast<bool>(file_); }
    bool Write(const void* data, std::size_t size);

private:
    UniqueFile file_;
};

// True when `path` names an existing file (not a folder).
bool FileExists(const std::string& path);

// Deletes a file; false when it could not be deleted.
bool RemoveFile(const std::string& path);

// Renames (moves) a file within its volume; false when it could not be renamed.
bool RenameFile(const std::string& from, const std::string& to);

// Creates the folder `path` and any missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& path);

// The user's temporary folder as the system reports it; empty when it cannot tell.
std::string SystemTempFolder();

// The system's path separator: "\" on Windows, "/" elsewhere.
char PathSeparator();
