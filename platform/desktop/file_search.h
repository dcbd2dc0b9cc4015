// A folder search that FindFirstFileW started: the matching entries, taken when it started.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/desktop/host_files.h"

namespace desktop {

struct FileSearch {
  std::vector<FolderEntry> entries;
  std::size_t next = 0;
};

}  // namespace desktop
