#include "TestFlashControl.h"

#include <cstring>

namespace {
const char kClassKey[] = "CLSID\\{D27CDB6E-AE6D-11CF-96B8-444553540000}";
}  // namespace

TestControlRegistration::TestControlRegistration() : state(*TestControl())
{
    std::memset(&state, 0, sizeof state);
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(::GetModuleHandleA("testflash.dll"), path, MAX_PATH);
    const std::string server = std::string(kClassKey) + "\\InprocServer32";
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, server.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path), std::strlen(path) + 1);
    const char model[] = "Apartment";
    ::RegSetValueExA(key, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(model), sizeof model);
    ::RegCloseKey(key);
}

TestControlRegistration::~TestControlRegistration()
{
    UnregisterTestControl();
}

void UnregisterTestControl()
{
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kClassKey);
}
