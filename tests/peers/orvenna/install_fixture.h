// A fresh desktop with the stand-in planetarium installed, and the ways the console looks
// at an install: the registry's uninstall entry and the files under Windows paths.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "peers/orvenna/install/installer.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

inline constexpr const wchar_t* kUninstallKey64 =
    L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1";

class InstallTest : public DesktopTest {
 protected:
  // A value of the uninstall entry under key, read as the console reads it: into 520 bytes.
  static std::optional<std::wstring> entry_value(const wchar_t* key, const wchar_t* name);
  // Names that FindFirstFileW and FindNextFileW give for the pattern, without "." and "..".
  static std::vector<std::wstring> found_names(const std::wstring& pattern, bool folders);
  static bool exists(const std::wstring& path);
  // Starts orvenna.exe of the entry's folder as the console does: no arguments, the install
  // folder current, a new process group and console. The thread handle is closed.
  static bool start_from_entry(PROCESS_INFORMATION& started);

  void install(const orvenna::InstallSettings& settings = {}) {
    orvenna::InstallResult result = orvenna::install_orvenna(machine, settings);
    ASSERT_TRUE(result) << "error " << result.error;
  }
  std::wstring install_folder() const { return orvenna::install_folder_of({}); }
  std::wstring user_folder() { return orvenna::user_folder_of(machine) + L"\\"; }
};
