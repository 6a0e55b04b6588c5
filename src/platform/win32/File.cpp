#include "../File.h"

#include <windows.h>

namespace {
HANDLE AsHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}
std::intptr_t FromHandle(HANDLE handle)
{
    return reinterpret_cast<std::intptr_t>(handle);
}

// ReadFile and WriteFile take 32-bit counts; stay well below that.
constexpr DWORD kMaxTransfer = 64u << 20;
}  // namespace

void NativeFileTraits::Close(Handle handle) noexcept
{
    ::CloseHandle(AsHandle(handle));
}

bool SharedReadFile::Open(const std::string& path)
{
    Close();
    UniqueFile file(
        FromHandle(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(AsHandle(file.get()), &size)) return false;
    file_ = std::move(file);
    size_ = size.QuadPart;
    bytesRead_ = 0;
    return true;
}

std::size_t SharedReadFile::ReadAt(std::int64_t position, void* buffer, std::size_t size)
{
    if (!file_ || position < 0) return 0;
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const std::uint64_t at = static_cast<std::uint64_t>(position) + done;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD want = size - done < kMaxTransfer ? static_cast<DWORD>(size - done) : kMaxTransfer;
        DWORD got = 0;
        if (!::ReadFile(AsHandle(file_.get()), out + done, want, &got, &where) || got == 0) break;
        done += got;
    }
    bytesRead_ += done;
    return done;
}

bool OutputFile::Create(const std::string& path)
{
    file_.reset(FromHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr)));
    return IsOpen();
}

bool OutputFile::Write(const void* data, std::size_t size)
{
    if (!file_) return false;
    const auto* in = static_cast<const char*>(data);
    while (size > 0) {
        DWORD want = size < kMaxTransfer ? static_cast<DWORD>(size) : kMaxTransfer;
        DWORD written = 0;
        if (!::WriteFile(AsHandle(file_.get()), in, want, &written, nullptr) || written == 0) return false;
        in += written;
        size -= written;
    }
    return true;
}

bool FileExists(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolders(const std::string& path)
{
    for (std::size_t at = 0; at <= path.size(); ++at)
        if (at == path.size() || ((path[at] == '\\' || path[at] == '/') && at > 0 && path[at - 1] != ':'))
            ::CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string SystemTempFolder()
{
    char folder[MAX_PATH + 1] = {};
    const DWORD n = ::GetTempPathA(MAX_PATH, folder);
    return n > 0 && n <= MAX_PATH ? std::string(folder, n) : std::string();
}

char PathSeparator()
{
    return '\\';
}

bool RemoveFile(const std::string& path)
{
    return ::DeleteFileA(path.c_str()) != 0;
}

bool RenameFile(const std::string& from, const std::string& to)
{
    return ::MoveFileA(from.c_str(), to.c_str()) != 0;
}
