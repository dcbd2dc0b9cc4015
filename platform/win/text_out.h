// How the Win32 calls that fill a caller's buffer with a text report its size.
#pragma once

#include <cwchar>
#include <string_view>

#include "platform/win/win_types.h"

namespace win_internal {

// With room for the text and its zero: copies both and gives the text's length. Without:
// leaves the buffer and gives the size needed, the zero included.
inline DWORD copy_text_out(std::wstring_view text, LPWSTR buffer, DWORD size) {
  if (buffer == nullptr || size <= text.size()) return static_cast<DWORD>(text.size() + 1);
  std::wmemcpy(buffer, text.data(), text.size());
  buffer[text.size()] = L'\0';
  return static_cast<DWORD>(text.size());
}

}  // namespace win_internal
