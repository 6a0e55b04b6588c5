// The test movie control (tests/win32/dlls/TestFlashControl.cpp) registered under the Flash
// control's class id for the life of the object, with a fresh state.
#pragma once

#include "../win32/dlls/TestFlashControl.h"

#include <windows.h>

#include <string>

class TestControlRegistration {
public:
    TestControlRegistration();
    ~TestControlRegistration();
    TestControlRegistration(const TestControlRegistration&) = delete;
    TestControlRegistration& operator=(const TestControlRegistration&) = delete;

    TestControlState& state;
};

// Removes the registration that a crashed test may have left.
void UnregisterTestControl();
