// A virtual-clock desktop with clips written into its drive C: at test time.
#pragma once

#include <string>

#include "peers/media/clip_writer.h"
#include "tests/platform/desktop_fixture.h"

class MediaTest : public DesktopTest {
 protected:
  // Writes C:\media\NAME (the extension names the container) and returns its Windows path.
  std::wstring make_clip(const std::string& name, const media::ClipSpec& spec = {});
  // Writes raw bytes as C:\media\NAME.
  std::wstring make_file(const std::string& name, const std::string& bytes);
};
