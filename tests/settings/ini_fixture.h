// A desktop whose Orvenna user folder exists, with helpers for the files in it.
#pragma once

#include <string>

#include "src/util/user_folder.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

class IniTest : public DesktopTest {
 protected:
  IniTest() { CreateDirectoryW(PlanetariumUserFolder().c_str(), nullptr); }

  static std::wstring UserFile(const wchar_t* name) { return PlanetariumUserFile(name); }
  static bool WriteUserFile(const wchar_t* name, const std::string& bytes) {
    return write_file(UserFile(name).c_str(), bytes);
  }
  static std::string ReadUserFile(const wchar_t* name) { return read_file(UserFile(name).c_str()); }
  static bool UserFileExists(const wchar_t* name) {
    return GetFileAttributesW(UserFile(name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
};
