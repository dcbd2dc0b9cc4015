#include "tests/fuzz/fuzz_desktop.h"

#include "tests/platform/file_helpers.h"

desktop::Desktop& fuzz_desktop() {
  // Never destroyed: the fuzzer ends the process from inside a run.
  static desktop::Desktop* const machine = [] {
    auto* made = new desktop::Desktop;
    made->attach(L"fuzz.exe");
    return made;
  }();
  return *machine;
}

void write_fuzz_file(const std::wstring& folder, const std::wstring& path, const std::uint8_t* data,
                     std::size_t size) {
  fuzz_desktop();
  CreateDirectoryW(folder.c_str(), nullptr);
  require(write_file(path.c_str(), std::string(reinterpret_cast<const char*>(data), size)));
}
