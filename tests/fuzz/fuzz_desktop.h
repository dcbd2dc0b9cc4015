// What the fuzz targets share: a desktop for the readers' files, made once per process, the
// fuzzer's bytes as wide text, and the check that stops the run when a property fails.
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

// The fuzzer's bytes taken two at a time as 16-bit characters, little-endian; an odd last byte is
// dropped.
inline std::wstring wide_text_of(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
  return text;
}

inline void require(bool condition) {
  if (!condition) std::abort();
}
