// The program the desktop starts as the console until the console's own windows exist: a
// sample dialog of the framework, its buttons and keyboard, and a question before it closes.
#pragma once

#include <string>

#include "platform/desktop/desktop.h"

// Where the program is installed on the machine's drive C:.
inline constexpr const wchar_t* kConsolePath = L"C:\\Program Files\\Orvenna Console\\orvenna-console.exe";

int sample_program_main(const std::wstring& command_line);
// Registers and installs the program, and starts it as Windows would.
desktop::Launch start_sample_program(desktop::Desktop& machine);
