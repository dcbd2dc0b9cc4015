#include "platform/desktop/crt_files.h"

#include <vector>

namespace desktop {

int CrtFiles::add(CrtDescriptor descriptor) {
  int fd = 3;
  for (const auto& [used, ignored] : descriptors_) {
    if (used != fd) break;
    ++fd;
  }
  descriptors_[fd] = descriptor;
  return fd;
}

CrtDescriptor* CrtFiles::find(int fd) {
  auto at = descriptors_.find(fd);
  return at == descriptors_.end() ? nullptr : &at->second;
}

std::optional<CrtDescriptor> CrtFiles::take(int fd) {
  auto at = descriptors_.find(fd);
  if (at == descriptors_.end()) return std::nullopt;
  CrtDescriptor descriptor = at->second;
  descriptors_.erase(at);
  return descriptor;
}

std::optional<int> CrtFiles::descriptor_of(std::FILE* stream) const {
  auto at = streams_.find(stream);
  if (at == streams_.end()) return std::nullopt;
  return at->second;
}

void CrtFiles::close_streams() {
  // Closing a stream forgets it, so work on a copy.
  std::vector<std::FILE*> open;
  for (const auto& [stream, fd] : streams_)
    open.push_back(stream);
  for (std::FILE* stream : open)
    std::fclose(stream);
  streams_.clear();
}

}  // namespace desktop
