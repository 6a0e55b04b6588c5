#include "../File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

void NativeFileTraits::Close(Handle handle) noexcept
{
    ::close(static_cast<int>(handle));
}

bool SharedReadFile::Open(const std::string& path)
{
    Close();
    UniqueFile file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (!file || ::fstat(static_cast<int>(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    file_ = std::move(file);
    size_ = info.st_size;
    bytesRead_ = 0;
    return true;
}

std::size_t SharedReadFile::ReadAt(std::int64_t position, void* buffer, std::size_t size)
{
    if (!file_ || position < 0) return 0;
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(static_cast<int>(file_.get()), out + done, size - done,
                            static_cast<off_t>(position) + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytesRead_ += done;
    return done;
}

bool OutputFile::Create(const std::string& path)
{
    file_.reset(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    return IsOpen();
}

bool OutputFile::Write(const void* data, std::size_t size)
{
    if (!file_) return false;
    const auto* in = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(static_cast<int>(file_.get()), in, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        in += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool CreateFolders(const std::string& path)
{
    for (std::size_t at = 1; at <= path.size(); ++at)
        if (at == path.size() || path[at] == '/') ::mkdir(path.substr(0, at).c_str(), 0755);
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string SystemTempFolder()
{
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

char PathSeparator()
{
    return '/';
}

bool RemoveFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}
