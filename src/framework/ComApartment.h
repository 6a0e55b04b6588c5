// COM for the calling thread for the life of the object (a single-threaded apartment); a thread
// already in another apartment keeps it.
//
//   ComApartment com;   // the imaging component stays loaded while it lives
#pragma once

#include <objbase.h>

class ComApartment {
public:
    ComApartment() : initialised(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (initialised) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised;
};
