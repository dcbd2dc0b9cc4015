// The memory that COM and the shell hand out for the caller to free.
#pragma once

#include <cstddef>

#include "platform/win/win_types.h"

LPVOID WINAPI CoTaskMemAlloc(std::size_t size);
// Takes null too.
void WINAPI CoTaskMemFree(LPVOID block);
