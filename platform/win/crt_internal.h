// What the C runtime's file functions share.
#pragma once

#include <optional>
#include <string_view>

#include "platform/desktop/desktop.h"
#include "platform/win/win_types.h"

namespace win_internal {

// The C runtime's errno for a Win32 error, as its own mapping gives it.
int errno_of(DWORD error);

struct StreamMode {
  bool read = false;
  bool write = false;
  bool append = false;
  bool plus = false;
  std::optional<bool> text;  // none: the descriptor's own mode
  DWORD disposition = 0;
};

// Parses a mode text ("r", "w+b", "a+t" ...); nullopt for a mode the runtime refuses.
std::optional<StreamMode> stream_mode_of(std::wstring_view mode);

// A stream on a descriptor of the calling process; null with errno set.
std::FILE* open_stream(desktop::DesktopThread& self, int fd, const StreamMode& mode);

}  // namespace win_internal
