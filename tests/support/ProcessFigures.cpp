#include "ProcessFigures.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace {

// Wine keeps each process's GDI handle table in its PEB (GdiSharedHandleTable at 0x94 in a 32-bit
// process), 16384 entries of 24 bytes; an entry with a type is in use.
long CountGdiTable(HANDLE process)
{
    constexpr std::size_t kTableOffset = 0x94, kEntries = 16384, kEntrySize = 24, kTypeOffset = 14;
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    std::uint32_t table = 0;
    SIZE_T read = 0;
    const auto* peb = static_cast<const std::uint8_t*>(static_cast<void*>(basic.PebBaseAddress));
    if (!::ReadProcessMemory(process, peb + kTableOffset, &table, sizeof table, &read) || !table) return -1;
    std::vector<std::uint8_t> entries(kEntries * kEntrySize);
    if (!::ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(table)), entries.data(),
                             entries.size(), &read))
        return -1;
    long used = 0;
    for (std::size_t i = 0; i < kEntries; ++i)
        if (entries[i * kEntrySize + kTypeOffset]) ++used;
    return used;
}

struct WindowCount {
    DWORD processId;
    long count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) ++search->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data)
{
    CountChild(window, data);
    ::EnumChildWindows(window, CountChild, data);
    return TRUE;
}

// The process's windows: top-level ones with all their descendants, and message-only ones.
long CountWindows(DWORD processId)
{
    WindowCount search{processId, 0};
    ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&search));
    for (HWND window = nullptr; (window = ::FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr));)
        CountChild(window, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

// The handles the system's handle list gives the process (Wine answers this list).
long CountHandleList(DWORD processId, std::map<int, long>& byType)
{
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
    struct Entry {
        ULONG ownerPid;
        BYTE objectType, flags;
        USHORT handle;
        PVOID object;
        ULONG access;
    };
    std::vector<std::uint8_t> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        const LONG status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                                     static_cast<ULONG>(buffer.size()), &needed);
        if (status == kLengthMismatch) {
            buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
            continue;
        }
        if (status != 0) return -1;
        break;
    }
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
    long own = 0;
    for (ULONG i = 0; i < count; ++i)
        if (entries[i].ownerPid == processId) {
            ++own;
            ++byType[entries[i].objectType];
        }
    return own;
}

void Note(std::string& source, const char* text)
{
    if (!source.empty()) source += "; ";
    source += text;
}

}  // namespace

ProcessFigures SampleProcess(HANDLE process, DWORD processId)
{
    ProcessFigures f;
    f.gdiObjects = static_cast<long>(::GetGuiResources(process, GR_GDIOBJECTS));
    if (f.gdiObjects == 0) {
        f.gdiObjects = CountGdiTable(process);
        Note(f.source, "GDI: used entries of the process's GDI handle table");
    }
    f.userObjects = static_cast<long>(::GetGuiResources(process, GR_USEROBJECTS));
    if (f.userObjects == 0) {
        f.userObjects = CountWindows(processId);
        Note(f.source, "USER: the process's windows (top-level, child, message-only)");
    }
    DWORD handles = 0;
    if (::GetProcessHandleCount(process, &handles) && handles > 0) {
        f.handles = static_cast<long>(handles);
    } else {
        f.handles = CountHandleList(processId, f.handlesByType);
        Note(f.source, "handles: the system's handle list");
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        f.privateBytes = static_cast<double>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
        if (!memory.PrivateUsage) Note(f.source, "private bytes: the pagefile usage");
    }
    return f;
}
