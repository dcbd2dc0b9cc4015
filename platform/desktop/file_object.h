// An open file: the kernel object behind a file handle, and behind the C runtime's streams
// opened on it, which share its position as they do on Windows.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/desktop/kernel_object.h"

namespace desktop {

class DriveMap;

struct FileAccess {
  bool read = false;
  bool write = false;
  bool remove = false;
  bool append_only = false;  // every write goes to the end
};

struct FileObject : KernelObject {
  FileObject(DriveMap& drives, int fd, std::wstring windows_path, FileAccess access, DWORD share);
  ~FileObject();
  FileObject(const FileObject&) = delete;
  FileObject& operator=(const FileObject&) = delete;

  // Both move the position and give Win32 error codes; reading at the end reads nothing.
  DWORD read(void* buffer, std::size_t size, std::size_t& done);
  DWORD write(const void* data, std::size_t count, std::size_t& done);
  // Reads without moving the position.
  DWORD read_at(std::uint64_t offset, void* buffer, std::size_t size, std::size_t& done) const;
  std::optional<std::uint64_t> size() const;
  DWORD set_size(std::uint64_t size);
  bool is_file(dev_t device, ino_t inode) const { return device == device_ && inode == inode_; }

  DriveMap& drives;
  const int fd;
  const std::wstring windows_path;
  const FileAccess access;
  const DWORD share;
  std::uint64_t position = 0;

 private:
  dev_t device_ = 0;
  ino_t inode_ = 0;
};

}  // namespace desktop
