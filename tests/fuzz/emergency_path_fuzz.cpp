// Feeds arbitrary text to ExpandEmergencyPath, the reader of OCconfig.ini's emergency picture,
// with two variables set: one of a short folder and one longer than the reader's buffer. A value
// that does not begin with "%" is the path as it stands; one that does is refused without its
// closing "%", and otherwise becomes the variable's folder (none for a variable too long or not
// set) followed by the text after that "%", whatever the name between them holds.
#include <string>

#include "platform/win/environment_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr wchar_t kShortName[] = L"PICTURES";
constexpr wchar_t kShortValue[] = L"C:\\Users\\presenter\\Pictures";
constexpr wchar_t kLongName[] = L"DEEP";
const std::wstring kLongValue = L"C:\\" + std::wstring(600, L'd');

void set_variables() {
  static const bool set = [] {
    fuzz_desktop();
    require(SetEnvironmentVariableW(kShortName, kShortValue) != FALSE);
    require(SetEnvironmentVariableW(kLongName, kLongValue.c_str()) != FALSE);
    return true;
  }();
  (void)set;
}

std::wstring folder_of(const std::wstring& name) {
  if (name == kShortName) return kShortValue;
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  set_variables();
  std::wstring value;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const auto unit = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    // A name in the environment never holds a zero; the ini file gives none either.
    value += unit == 0 ? L' ' : unit;
  }
  for (const std::wstring& text : {value, L"%" + std::wstring(kShortName) + L"%" + value,
                                   L"%" + std::wstring(kLongName) + L"%" + value}) {
    const std::optional<std::wstring> path = ExpandEmergencyPath(text);
    if (text.empty() || text[0] != L'%') {
      require(path == text);
      continue;
    }
    const std::size_t close = text.find(L'%', 1);
    require(path.has_value() == (close != std::wstring::npos));
    if (!path) continue;
    const std::wstring rest = text.substr(close + 1);
    const std::wstring name = text.substr(1, close - 1);
    if (name == kShortName || name == kLongName) require(*path == folder_of(name) + rest);
    require(path->size() >= rest.size() && path->ends_with(rest));
  }
  return 0;
}
