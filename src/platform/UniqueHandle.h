// Move-only owner of one operating-system handle.
//
//   struct FdTraits {
//     using Handle = int;
//     static Handle Invalid() noexcept { return -1; }
//     static void Close(Handle h) noexcept { ::close(h); }
//   };
//   UniqueHandle<FdTraits> fd(::open(path, O_RDONLY));
//   if (!fd) return false;
//   ::read(fd.get(), buffer, size);   // closed when fd goes out of scope
#pragma once

#include <utility>

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // The handle's address, for a call that returns a new handle through an out-parameter;
    // whatever was owned is closed first.
    Handle* put() noexcept
    {
        reset();
        return &handle_;
    }

    Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    void reset(Handle handle = Traits::Invalid()) noexcept
    {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Invalid();
};
