// Writes the installed files at Windows paths on the desktop's drives, stamped with the
// desktop's time like any file written there. The first failure stops every later write and
// is kept as the install's result.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "peers/orvenna/install/installer.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/image.h"

namespace orvenna {

class InstallWriter {
 public:
  // Without pictures, picture() writes nothing and succeeds.
  InstallWriter(desktop::Desktop& machine, bool with_pictures)
      : machine_(machine), with_pictures_(with_pictures) {}

  // Each takes a full Windows path and creates the folders on its way.
  bool folder(std::wstring_view path);
  bool file(std::wstring_view path, std::string_view bytes);
  // The picture that draw gives for key, as a PNG file with its alpha when it has some.
  bool picture(std::wstring_view path, const std::string& key, const std::function<desktop::Image()>& draw);

  const InstallResult& result() const { return result_; }

 private:
  bool fail(DWORD error, std::wstring_view path);

  desktop::Desktop& machine_;
  bool with_pictures_;
  std::set<std::wstring, std::less<>> made_folders_;
  InstallResult result_;
};

}  // namespace orvenna
