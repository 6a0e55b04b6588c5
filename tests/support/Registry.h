// Registry helpers for tests, and a ".scr" install command of the test's own.
#pragma once

#include "../../src/framework/Handles.h"

#include <string>

// A string value; "<no key>" or "<no value>" when it is missing. `type` and `size` receive the
// stored type and length when given.
inline std::string ReadString(HKEY root, const std::string& path, const char* name, DWORD* type = nullptr,
                              DWORD* size = nullptr)
{
    UniqueRegKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return "<no key>";
    char buffer[1024] = {};
    DWORD length = sizeof buffer - 1;
    if (::RegQueryValueExA(key.get(), name, nullptr, type, reinterpret_cast<BYTE*>(buffer), &length) != ERROR_SUCCESS)
        return "<no value>";
    if (size) *size = length;
    return buffer;
}

inline void WriteString(HKEY root, const std::string& path, const char* name, const std::string& value)
{
    UniqueRegKey key;
    if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
}

// Points the ".scr" file class at a command of the test's own, and puts the old class back.
class InstallCommandOverride {
public:
    explicit InstallCommandOverride(const std::string& command) : saved(ReadString(HKEY_CLASSES_ROOT, ".scr", nullptr))
    {
        WriteString(HKEY_CLASSES_ROOT, ".scr", nullptr, "VeskTestScr");
        WriteString(HKEY_CLASSES_ROOT, "VeskTestScr\\shell\\install\\command", nullptr, command);
    }
    ~InstallCommandOverride()
    {
        if (saved.front() != '<') WriteString(HKEY_CLASSES_ROOT, ".scr", nullptr, saved);
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr\\shell\\install\\command");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr\\shell\\install");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr\\shell");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "VeskTestScr");
    }

private:
    std::string saved;
};

// A volatile key below HKEY_CURRENT_USER, removed again; the registry refuses a lasting key below it.
struct VolatileKey {
    explicit VolatileKey(std::string keyPath) : path(std::move(keyPath))
    {
        UniqueRegKey key;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                          key.put(), nullptr);
    }
    ~VolatileKey() { ::RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str()); }
    VolatileKey(const VolatileKey&) = delete;
    VolatileKey& operator=(const VolatileKey&) = delete;
    std::string path;
};
