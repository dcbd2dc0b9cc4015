// A sky and its script engine on a fresh virtual-clock desktop; the user folder is C:\user.
#pragma once

#include <string>

#include "peers/orvenna/script_engine.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

class ScriptTest : public DesktopTest {
 protected:
  ScriptTest() {
    CreateDirectoryW(L"C:\\user", nullptr);
    sky.viewport_width = 1920;
    sky.viewport_height = 1080;
  }

  // Runs the text to its end, the desktop's time running as the script waits.
  void run_to_end(const std::string& text, const std::string& name = "test.ovs") {
    ASSERT_TRUE(engine.run(text, name));
    engine.join();
  }

  std::string last_log() const { return engine.log().empty() ? std::string() : engine.log().back().message; }

  orvenna::SkyState sky;
  orvenna::ScriptEngine engine{sky, L"C:\\user"};
};
