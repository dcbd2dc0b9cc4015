// The controls kit's sample as a program of the embedded desktop, for `./run --controls-sample`
// and for tests: registered, installed beside the console and started.
#pragma once

#include "platform/desktop/desktop.h"

inline constexpr const wchar_t* kControlsSamplePath =
    L"C:\\Program Files\\Orvenna Console\\controls-sample.exe";

// Call from outside the desktop's threads, before or while it runs; false when it did not start.
bool start_controls_sample(desktop::Desktop& machine);
