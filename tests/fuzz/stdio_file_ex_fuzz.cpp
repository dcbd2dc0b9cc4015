// Feeds arbitrary bytes to CStdioFileEx's line reading as a text file, in UTF-16LE when they
// start with FF FE and otherwise in the code page the first byte picks. Every line must come
// without its line end, at most as long as the bytes it came from, and each line end must end
// a line (before a Ctrl-Z, in a code page).
#include <algorithm>
#include <string>
#include <vector>

#include "src/util/stdio_file_ex.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr wchar_t kFolder[] = L"C:\\Fuzz";
constexpr wchar_t kPath[] = L"C:\\Fuzz\\text.txt";
constexpr int kCodePages[] = {Utf8CodePage, 1252, SystemCodePage};
constexpr std::size_t kLongestLine = 4095;
// Text read in a code page ends at Ctrl-Z.
constexpr std::uint8_t kEndOfText = 0x1A;

struct Expected {
  std::size_t most_units = 0;
  std::size_t line_ends = 0;
};

Expected expected_of(const std::uint8_t* data, std::size_t size, bool wide) {
  Expected expected;
  if (wide) {
    for (std::size_t i = 2; i + 1 < size; i += 2)
      expected.line_ends += data[i] == '\n' && data[i + 1] == 0;
    expected.most_units = (size - 2) / 2;
  } else {
    const std::uint8_t* end = std::find(data, data + size, kEndOfText);
    expected.line_ends = static_cast<std::size_t>(std::count(data, end, '\n'));
    expected.most_units = size;
  }
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int code_page = kCodePages[data[0] % std::size(kCodePages)];
  write_fuzz_file(kFolder, kPath, data, size);
  CStdioFileEx file;
  file.codePage = code_page;
  require(file.Open(kPath, CFile::modeRead | CFile::typeText));
  const bool wide = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
  require(file.isUnicode == wide);
  std::vector<std::wstring> lines;
  for (std::wstring line; file.ReadString(line);)
    lines.push_back(line);
  file.Close();

  const Expected expected = expected_of(data, size, wide);
  std::size_t units = 0;
  for (const std::wstring& line : lines) {
    require(line.find(L'\n') == std::wstring::npos);
    require(wide || line.size() <= kLongestLine);
    units += line.size();
  }
  require(units <= expected.most_units);
  require(lines.size() >= expected.line_ends);
  return 0;
}
