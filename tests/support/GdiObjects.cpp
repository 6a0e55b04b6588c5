#include "GdiObjects.h"

#include <winternl.h>

#include <cstdint>

namespace {

// One entry of Wine's shared GDI handle table (24 bytes on every architecture).
#pragma pack(push, 1)
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint16_t processId, count;
    std::uint16_t unique;
    std::uint8_t type, flags;
    std::uint64_t userPointer;
};
#pragma pack(pop)
static_assert(sizeof(GdiHandleEntry) == 24, "Wine's GDI handle entry");

constexpr int kMaxGdiHandles = 16384;

int CountSharedTable()
{
#if defined(_WIN64)
    constexpr std::size_t kTableOffset = 0xF8;
#else
    constexpr std::size_t kTableOffset = 0x94;
#endif
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"  // the TEB is read through fs:, which GCC cannot see
    const auto* peb = reinterpret_cast<const std::uint8_t*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kTableOffset);
    if (!table) return -1;
    int count = 0;
    for (int i = 0; i < kMaxGdiHandles; ++i)
        if (table[i].type) ++count;
    return count;
}

}  // namespace

int GdiObjectCount()
{
    ::GdiFlush();
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return reported ? static_cast<int>(reported) : CountSharedTable();
}
