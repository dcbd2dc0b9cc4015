// The desktop's drives: each drive letter is a folder of the host ("C:" is data_folder/C).
// Windows paths find their files without regard to case, as on Windows, while a new file
// keeps the case it was created with. Tests can make folders read-only and drives full.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/clock.h"
#include "platform/win/win_types.h"

namespace desktop {

struct FileObject;

// Where a full Windows path (from full_windows_path) lands on the host.
struct HostPath {
  DWORD error = 0;       // ERROR_PATH_NOT_FOUND or ERROR_INVALID_NAME when it lands nowhere
  std::wstring windows;  // the full path, its existing names spelled as on disk
  std::filesystem::path host;
  bool exists = false;  // the last name is there
  bool is_folder = false;
  bool trailing_separator = false;
};

class DriveMap {
 public:
  explicit DriveMap(const Clock& clock) : clock_(clock) {}

  // Puts a drive letter on a host folder, which is created when missing.
  void add_drive(wchar_t letter, std::filesystem::path host_folder);
  bool has_drive(wchar_t letter) const;

  HostPath locate(std::wstring_view full_path) const;
  // The Windows path of a host path on one of the drives.
  std::optional<std::wstring> windows_path_of(const std::filesystem::path& host) const;
  // Creates the missing folders of a full path, as an installer would; false when it cannot.
  bool make_folders(std::wstring_view full_path);

  // Test settings. Writes, creations and deletions anywhere inside a read-only folder fail
  // with ERROR_ACCESS_DENIED.
  void set_read_only(std::wstring_view folder, bool read_only);
  bool in_read_only_folder(std::wstring_view full_path) const;
  // After this many more bytes written, writes on the drive fail with ERROR_DISK_FULL;
  // nullopt gives the drive its room back.
  void set_free_space(wchar_t letter, std::optional<std::uint64_t> bytes);
  // Takes room for a write; false when the drive is full (and nothing is taken).
  bool take_space(wchar_t letter, std::uint64_t bytes);

  std::int64_t now_unix_ms() const { return clock_.unix_ms(); }
  // Every file open on the drives, for the sharing rules.
  std::vector<std::weak_ptr<FileObject>>& open_files() { return open_files_; }

 private:
  struct Drive {
    std::filesystem::path root;
    std::optional<std::uint64_t> free_space;
  };

  const Clock& clock_;
  std::map<wchar_t, Drive> drives_;
  std::set<std::wstring> read_only_;  // upper-case full paths
  std::vector<std::weak_ptr<FileObject>> open_files_;
};

}  // namespace desktop
