// The C runtime's streams: host FILE objects whose reads, writes and seeks go to a desktop
// file, with the runtime's text mode.
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/desktop/file_open.h"
#include "platform/win/crt_file_api.h"
#include "platform/win/crt_internal.h"
#include "platform/win/file_api.h"
#include "platform/win/file_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

struct Stream {
  desktop::Desktop* machine;
  DWORD process_id;
  int fd;
  std::shared_ptr<desktop::FileObject> file;
  bool text;
  bool append;
  std::FILE* stream = nullptr;
  // A text stream's position counts each "\r\n" as the one "\n" it reads as. It is known for
  // the file position it was taken at; the handle may have moved the file since.
  struct TextPosition {
    std::uint64_t raw;
    std::uint64_t text;
  };
  std::optional<TextPosition> text_position;
};

// Walks the file from its start, counting positions both as stored and as a text stream
// reads them, until the one or the other reaches its limit or the file ends.
struct TextWalk {
  std::uint64_t raw = 0;
  std::uint64_t text = 0;
};

TextWalk walk_text(const desktop::FileObject& file, std::uint64_t raw_limit, std::uint64_t text_limit) {
  static constexpr std::size_t kChunk = 65536;
  std::string chunk(kChunk, '\0');
  std::uint64_t chunk_start = 0;
  std::size_t got = 0;
  auto byte_at = [&](std::uint64_t offset, char& c) {
    if (offset < chunk_start || offset >= chunk_start + got) {
      chunk_start = offset;
      file.read_at(offset, chunk.data(), kChunk, got);
      if (got == 0) return false;
    }
    c = chunk[offset - chunk_start];
    return true;
  };
  TextWalk walk;
  char c = 0;
  char next = 0;
  while (walk.raw < raw_limit && walk.text < text_limit && byte_at(walk.raw, c)) {
    walk.raw += (c == '\r' && byte_at(walk.raw + 1, next) && next == '\n') ? 2 : 1;
    walk.text += 1;
  }
  return walk;
}

std::uint64_t text_position_of(const desktop::FileObject& file, std::uint64_t raw) {
  TextWalk walk = walk_text(file, raw, UINT64_MAX);
  return walk.text + (raw > walk.raw ? raw - walk.raw : 0);
}

std::uint64_t raw_position_of(const desktop::FileObject& file, std::uint64_t text) {
  TextWalk walk = walk_text(file, UINT64_MAX, text);
  return walk.raw + (text > walk.text ? text - walk.text : 0);
}

std::uint64_t current_text_position(Stream& stream) {
  const desktop::FileObject& file = *stream.file;
  if (!stream.text_position || stream.text_position->raw != file.position)
    stream.text_position = Stream::TextPosition{file.position, text_position_of(file, file.position)};
  return stream.text_position->text;
}

// Moves the known text position on by what a read or write did, if it was known before it.
void advance_text_position(Stream& stream, std::uint64_t raw_before, std::uint64_t text_count) {
  if (stream.text_position && stream.text_position->raw == raw_before)
    stream.text_position =
        Stream::TextPosition{stream.file->position, stream.text_position->text + text_count};
}

ssize_t read_stream(void* cookie, char* buffer, std::size_t size) {
  auto& stream = *static_cast<Stream*>(cookie);
  desktop::FileObject& file = *stream.file;
  if (!file.access.read) {
    errno = EBADF;
    return -1;
  }
  const std::uint64_t raw_before = file.position;
  std::size_t got = 0;
  DWORD error = file.read(buffer, size, got);
  if (error != ERROR_SUCCESS) {
    errno = win_internal::errno_of(error);
    return -1;
  }
  if (!stream.text) return static_cast<ssize_t>(got);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < got; ++i) {
    char c = buffer[i];
    if (c == '\r') {
      if (i + 1 < got && buffer[i + 1] == '\n') continue;
      if (i + 1 == got) {
        char next = 0;
        std::size_t peeked = 0;
        file.read_at(file.position, &next, 1, peeked);
        if (peeked == 1 && next == '\n') {
          file.position += 1;
          c = '\n';
        }
      }
    }
    buffer[kept++] = c;
  }
  advance_text_position(stream, raw_before, kept);
  return static_cast<ssize_t>(kept);
}

ssize_t write_stream(void* cookie, const char* data, std::size_t size) {
  auto& stream = *static_cast<Stream*>(cookie);
  desktop::FileObject& file = *stream.file;
  if (!file.access.write) {
    errno = EBADF;
    return -1;
  }
  if (stream.append) file.position = file.size().value_or(file.position);
  const std::uint64_t raw_before = file.position;
  std::string expanded;
  if (stream.text) {
    expanded.reserve(size + size / 8);
    for (std::size_t i = 0; i < size; ++i) {
      if (data[i] == '\n') expanded += '\r';
      expanded += data[i];
    }
  }
  const char* bytes = stream.text ? expanded.data() : data;
  std::size_t count = stream.text ? expanded.size() : size;
  std::size_t done = 0;
  DWORD error = file.write(bytes, count, done);
  if (error != ERROR_SUCCESS) {
    errno = win_internal::errno_of(error);
    return -1;
  }
  advance_text_position(stream, raw_before, size);
  return static_cast<ssize_t>(size);
}

int seek_stream(void* cookie, off64_t* offset, int whence) {
  auto& stream = *static_cast<Stream*>(cookie);
  desktop::FileObject& file = *stream.file;
  std::int64_t base = 0;
  if (whence == SEEK_CUR) {
    base = static_cast<std::int64_t>(stream.text ? current_text_position(stream) : file.position);
  } else if (whence == SEEK_END) {
    std::uint64_t size = file.size().value_or(0);
    base = static_cast<std::int64_t>(stream.text ? text_position_of(file, size) : size);
  }
  std::int64_t target = base + *offset;
  if (target < 0) {
    errno = EINVAL;
    return -1;
  }
  auto position = static_cast<std::uint64_t>(target);
  if (stream.text) {
    file.position = raw_position_of(file, position);
    stream.text_position = Stream::TextPosition{file.position, position};
  } else {
    file.position = position;
  }
  *offset = target;
  return 0;
}

int close_stream(void* cookie) {
  auto* stream = static_cast<Stream*>(cookie);
  if (desktop::Process* process = stream->machine->find_process(stream->process_id)) {
    process->crt.forget_stream(stream->stream);
    if (auto descriptor = process->crt.take(stream->fd))
      stream->machine->objects().remove(reinterpret_cast<std::uintptr_t>(descriptor->handle));
  }
  delete stream;
  return 0;
}

DWORD share_of(int share) {
  switch (share) {
    case _SH_DENYRW:
      return 0;
    case _SH_DENYWR:
      return FILE_SHARE_READ;
    case _SH_DENYRD:
      return FILE_SHARE_WRITE;
    default:
      return FILE_SHARE_READ | FILE_SHARE_WRITE;
  }
}

bool valid_share(int share) {
  return share == _SH_DENYRW || share == _SH_DENYWR || share == _SH_DENYRD || share == _SH_DENYNO;
}

}  // namespace

namespace win_internal {

std::optional<StreamMode> stream_mode_of(std::wstring_view text) {
  while (!text.empty() && text.front() == L' ')
    text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  StreamMode mode;
  switch (text.front()) {
    case L'r':
      mode.read = true;
      mode.disposition = OPEN_EXISTING;
      break;
    case L'w':
      mode.write = true;
      mode.disposition = CREATE_ALWAYS;
      break;
    case L'a':
      mode.write = mode.append = true;
      mode.disposition = OPEN_ALWAYS;
      break;
    default:
      return std::nullopt;
  }
  for (wchar_t c : text.substr(1)) {
    switch (c) {
      case L'+':
        if (mode.plus) return std::nullopt;
        mode.plus = mode.read = mode.write = true;
        break;
      case L'b':
      case L't':
        if (mode.text) return std::nullopt;
        mode.text = c == L't';
        break;
      case L'x':
        if (mode.disposition != CREATE_ALWAYS) return std::nullopt;
        mode.disposition = CREATE_NEW;
        break;
      case L'c':  // commit and no-commit, sequential and random access hints, no inheritance
      case L'n':
      case L'S':
      case L'R':
      case L'N':
      case L' ':
        break;
      default:  // an encoding after ",", or a mode this runtime does not know
        return std::nullopt;
    }
  }
  return mode;
}

std::FILE* open_stream(desktop::DesktopThread& self, int fd, const StreamMode& mode) {
  desktop::Process& process = self.process();
  desktop::CrtDescriptor* descriptor = process.crt.find(fd);
  auto file = descriptor ? file_of(self, descriptor->handle) : nullptr;
  if (!file) {
    errno = EBADF;
    return nullptr;
  }
  auto* stream = new Stream{&self.desktop(),
                            process.id,
                            fd,
                            file,
                            mode.text.value_or(descriptor->text),
                            mode.append || descriptor->append,
                            nullptr,
                            std::nullopt};
  const char* host_mode = mode.read && mode.write ? "r+" : mode.write ? "w" : "r";
  std::FILE* opened = fopencookie(stream, host_mode, {read_stream, write_stream, seek_stream, close_stream});
  if (opened == nullptr) {
    delete stream;
    errno = ENOMEM;
    return nullptr;
  }
  stream->stream = opened;
  process.crt.add_stream(opened, fd);
  return opened;
}

}  // namespace win_internal

std::FILE* _wfsopen(const wchar_t* path, const wchar_t* mode_text, int share) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) {
    errno = EINVAL;
    return nullptr;
  }
  auto mode = mode_text ? win_internal::stream_mode_of(mode_text) : std::nullopt;
  if (path == nullptr || !mode || !valid_share(share)) {
    errno = EINVAL;
    return nullptr;
  }
  auto full = win_internal::full_path_for(*self, path);
  if (!full) {
    errno = win_internal::errno_of(GetLastError());
    return nullptr;
  }
  desktop::OpenRequest request;
  request.access.read = mode->read;
  request.access.write = mode->write;
  request.share = share_of(share);
  request.disposition = mode->disposition;
  desktop::Desktop& machine = self->desktop();
  desktop::OpenResult opened = desktop::open_file(machine.drives(), *full, request);
  if (!opened.file) {
    SetLastError(opened.error);
    errno = win_internal::errno_of(opened.error);
    return nullptr;
  }
  // The runtime's default mode is text.
  const bool text = mode->text.value_or(true);
  int fd = self->process().crt.add({machine.add_handle(opened.file), text, mode->append});
  std::FILE* stream = win_internal::open_stream(*self, fd, *mode);
  if (stream == nullptr) _close(fd);
  return stream;
}

std::FILE* _wfopen(const wchar_t* path, const wchar_t* mode) {
  return _wfsopen(path, mode, _SH_DENYNO);
}

errno_t _wfopen_s(std::FILE** stream, const wchar_t* path, const wchar_t* mode) {
  if (stream == nullptr) return EINVAL;
  *stream = _wfopen(path, mode);
  return *stream ? 0 : errno;
}

std::FILE* _wfdopen(int fd, const wchar_t* mode_text) {
  desktop::DesktopThread* self = win_internal::caller();
  auto mode = mode_text ? win_internal::stream_mode_of(mode_text) : std::nullopt;
  if (self == nullptr || !mode) {
    errno = EINVAL;
    return nullptr;
  }
  return win_internal::open_stream(*self, fd, *mode);
}

std::FILE* _fdopen(int fd, const char* mode) {
  if (mode == nullptr) {
    errno = EINVAL;
    return nullptr;
  }
  std::wstring wide(mode, mode + std::strlen(mode));
  return _wfdopen(fd, wide.c_str());
}

int _fileno(std::FILE* stream) {
  desktop::DesktopThread* self = desktop::current_thread();
  if (stream == nullptr) {
    errno = EINVAL;
    return -1;
  }
  if (self != nullptr)
    if (auto fd = self->process().crt.descriptor_of(stream)) return *fd;
  // The standard streams keep their host numbers, 0 to 2.
  return ::fileno(stream);
}
