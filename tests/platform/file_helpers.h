// Small helpers for tests that make and read files on the desktop's drives.
#pragma once

#include <string>

#include "platform/win/win32.h"

// Writes the bytes as the whole file, creating it; false when that fails.
bool write_file(const wchar_t* path, const std::string& bytes);
// The file's bytes; empty when it cannot be opened.
std::string read_file(const wchar_t* path);
