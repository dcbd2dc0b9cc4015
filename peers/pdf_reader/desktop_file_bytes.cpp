#include "peers/pdf_reader/desktop_file_bytes.h"

#include "platform/win/file_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"

namespace pdf_reader {

FileBytes read_file_bytes(const std::wstring& path, std::size_t limit) {
  FileBytes read;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    read.error = GetLastError();
    return read;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) {
    read.error = GetLastError();
  } else if (static_cast<ULONGLONG>(size.QuadPart) > limit) {
    read.error = ERROR_FILE_TOO_LARGE;
  } else {
    read.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    DWORD got = 0;
    while (done < read.bytes.size() &&
           ReadFile(file, read.bytes.data() + done, static_cast<DWORD>(read.bytes.size() - done), &got,
                    nullptr) &&
           got > 0)
      done += got;
    if (done != read.bytes.size()) read.error = GetLastError() != 0 ? GetLastError() : ERROR_READ_FAULT;
  }
  CloseHandle(file);
  return read;
}

}  // namespace pdf_reader
