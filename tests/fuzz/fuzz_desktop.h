// What the fuzz targets share: a desktop for the readers' files, made once per process, and
// the check that stops the run when a property fails.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/desktop/desktop.h"

// The calling thread attached to a desktop that lives until the process ends.
desktop::Desktop& fuzz_desktop();

// The fuzzer's bytes as a file on that desktop, its folder made if missing.
void write_fuzz_file(const std::wstring& folder, const std::wstring& path, const std::uint8_t* data,
                     std::size_t size);

inline void require(bool condition) {
  if (!condition) std::abort();
}
