// Opening files on the desktop's drives as CreateFileW does: the creation dispositions, the
// read-only attribute and folders, and the sharing modes of the files already open.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/desktop/drive_map.h"
#include "platform/desktop/file_object.h"

namespace desktop {

struct OpenRequest {
  FileAccess access;
  DWORD share = 0;                   // FILE_SHARE_* bits
  DWORD disposition = 0;             // CREATE_NEW ... TRUNCATE_EXISTING
  bool read_only_attribute = false;  // for a file that this open creates
};

struct OpenResult {
  std::shared_ptr<FileObject> file;
  DWORD error = 0;
  bool existed = false;
};

OpenResult open_file(DriveMap& drives, std::wstring_view full_path, const OpenRequest& request);

// ERROR_SHARING_VIOLATION when a file open now refuses to share with this access, or when
// this open would refuse what an open file already does; else ERROR_SUCCESS.
DWORD sharing_conflict(DriveMap& drives, const std::filesystem::path& host, const FileAccess& access,
                       DWORD share);

}  // namespace desktop
