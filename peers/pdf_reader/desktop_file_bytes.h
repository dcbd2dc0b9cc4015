// A whole file read through the desktop's files, so a Windows path resolves as for any program.
#pragma once

#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace pdf_reader {

struct FileBytes {
  DWORD error = 0;  // the Win32 error when the file cannot be opened or read
  std::vector<char> bytes;
};

// Files larger than limit are refused with ERROR_FILE_TOO_LARGE.
FileBytes read_file_bytes(const std::wstring& path, std::size_t limit);

}  // namespace pdf_reader
