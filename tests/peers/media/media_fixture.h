// Clips written into a desktop's drive C: at test time, and a virtual-clock desktop to play them.
#pragma once

#include <string>

#include "peers/media/clip_writer.h"
#include "tests/platform/desktop_fixture.h"

// Writes C:\media\NAME (the extension names the container) and returns its Windows path.
std::wstring make_clip(desktop::Desktop& machine, const std::string& name, const media::ClipSpec& spec = {});
// Writes raw bytes as C:\media\NAME.
std::wstring make_file(desktop::Desktop& machine, const std::string& name, const std::string& bytes);
// The bytes of C:\media\NAME.
std::string read_media_file(desktop::Desktop& machine, const std::string& name);

class MediaTest : public DesktopTest {
 protected:
  std::wstring make_clip(const std::string& name, const media::ClipSpec& spec = {}) {
    return ::make_clip(machine, name, spec);
  }
  std::wstring make_file(const std::string& name, const std::string& bytes) {
    return ::make_file(machine, name, bytes);
  }
};
