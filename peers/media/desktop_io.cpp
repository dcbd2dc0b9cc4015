#include "peers/media/desktop_io.h"

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include "platform/win/file_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"

namespace media {
namespace {

constexpr int kBlockBytes = 32 * 1024;

}  // namespace

DesktopInput::~DesktopInput() {
  if (context_ != nullptr) {
    av_freep(&context_->buffer);
    avio_context_free(&context_);
  }
  if (file_ != nullptr) CloseHandle(file_);
}

DWORD DesktopInput::open(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  file_ = file;
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBlockBytes));
  if (buffer != nullptr)
    context_ =
        avio_alloc_context(buffer, kBlockBytes, 0, this, &DesktopInput::read, nullptr, &DesktopInput::seek);
  if (context_ == nullptr) {
    av_free(buffer);
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  return 0;
}

int DesktopInput::read(void* opaque, unsigned char* buffer, int size) {
  auto* input = static_cast<DesktopInput*>(opaque);
  DWORD read = 0;
  if (!ReadFile(input->file_, buffer, static_cast<DWORD>(size), &read, nullptr)) return AVERROR(EIO);
  return read == 0 ? AVERROR_EOF : static_cast<int>(read);
}

std::int64_t DesktopInput::seek(void* opaque, std::int64_t offset, int whence) {
  auto* input = static_cast<DesktopInput*>(opaque);
  if ((whence & AVSEEK_SIZE) != 0) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(input->file_, &size) ? size.QuadPart : AVERROR(EIO);
  }
  const DWORD methods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  const int origin = whence & ~AVSEEK_FORCE;
  if (origin < 0 || origin > 2) return AVERROR(EINVAL);
  LARGE_INTEGER distance{};
  distance.QuadPart = offset;
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(input->file_, distance, &position, methods[origin])) return AVERROR(EIO);
  return position.QuadPart;
}

}  // namespace media
