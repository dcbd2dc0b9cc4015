// The C runtime's files of one process: its descriptors, each owning a file handle, and the
// streams opened on them, which the runtime closes when the process ends.
#pragma once

#include <cstdio>
#include <map>
#include <optional>

#include "platform/win/win_types.h"

namespace desktop {

struct CrtDescriptor {
  HANDLE handle = nullptr;
  bool text = false;
  bool append = false;
};

class CrtFiles {
 public:
  // The lowest free descriptor from 3 up; 0 to 2 are the standard streams.
  int add(CrtDescriptor descriptor);
  CrtDescriptor* find(int fd);
  std::optional<CrtDescriptor> take(int fd);

  void add_stream(std::FILE* stream, int fd) { streams_[stream] = fd; }
  std::optional<int> descriptor_of(std::FILE* stream) const;
  void forget_stream(std::FILE* stream) { streams_.erase(stream); }
  void close_streams();

 private:
  std::map<int, CrtDescriptor> descriptors_;
  std::map<std::FILE*, int> streams_;
};

}  // namespace desktop
