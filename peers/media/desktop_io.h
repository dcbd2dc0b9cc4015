// libavformat's input through the desktop's files: an AVIOContext whose reads and seeks are
// ReadFile and SetFilePointerEx on a handle from CreateFileW, so Windows paths resolve as for
// every program. It reads in small blocks, never the whole file.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win/win_types.h"

struct AVIOContext;

namespace media {

class DesktopInput {
 public:
  DesktopInput() = default;
  ~DesktopInput();
  DesktopInput(const DesktopInput&) = delete;
  DesktopInput& operator=(const DesktopInput&) = delete;

  // 0, or the Win32 error of CreateFileW (or ERROR_NOT_ENOUGH_MEMORY).
  DWORD open(const std::wstring& path);
  AVIOContext* context() const { return context_; }

 private:
  static int read(void* opaque, unsigned char* buffer, int size);
  static std::int64_t seek(void* opaque, std::int64_t offset, int whence);

  HANDLE file_ = nullptr;
  AVIOContext* context_ = nullptr;
};

}  // namespace media
