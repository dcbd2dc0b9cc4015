#include "src/settings/ini_store.h"

#include <algorithm>

#include "platform/win/file_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"
#include "src/util/compare_no_case.h"
#include "src/util/text_trim.h"

namespace {

constexpr std::wstring_view Blanks = L" \t";
constexpr std::wstring_view LineEnds = L"\r\n";
constexpr std::wstring_view BlanksAndLineEnds = L" \t\r\n";
constexpr wchar_t TempSuffix[] = L".tmp";

// False too when the file holds more than largest bytes; it is read no further then.
bool ReadWholeFile(const std::wstring& path, std::size_t largest, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char chunk[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0) {
    bytes.append(chunk, got);
    if (bytes.size() > largest) {
      ok = false;
      break;
    }
  }
  CloseHandle(file);
  return ok;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
            written == bytes.size();
  ok = CloseHandle(file) != FALSE && ok;
  return ok;
}

bool FitsOneByte(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return static_cast<unsigned>(c) <= 0xFF; });
}

void AppendBytes(std::string& bytes, std::wstring_view text) {
  for (wchar_t c : text)
    bytes.push_back(static_cast<char>(static_cast<unsigned char>(c)));
}

}  // namespace

bool NoCaseLess::operator()(std::wstring_view a, std::wstring_view b) const {
  return CompareNoCase(a, b);
}

bool CIniStore::Load(const std::wstring& path, std::size_t largest) {
  std::string bytes;
  if (!ReadWholeFile(path, largest, bytes)) return false;
  Clear();
  Section* current = nullptr;
  std::wstring line;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    line.clear();
    for (std::size_t i = start; i < end; ++i)
      line.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i])));
    ParseLine(line, current);
    start = end + 1;
  }
  return true;
}

void CIniStore::ParseLine(std::wstring_view line, Section*& current) {
  std::size_t first = line.find_first_not_of(Blanks);
  if (first == std::wstring_view::npos) return;
  line.remove_prefix(first);
  std::size_t last = line.find_last_not_of(LineEnds);
  if (last == std::wstring_view::npos) return;
  line = line.substr(0, last + 1);

  std::size_t closing = line.find_last_not_of(BlanksAndLineEnds);
  if (line.front() == L'[' && line[closing] == L']') {
    // The name ends at the closing bracket, so blanks after it are not part of it.
    current = &AddSection(line.substr(1, closing - 1));
    return;
  }
  if (line.front() == L'=' || current == nullptr) return;
  std::size_t equals = line.find(L'=');
  if (equals == std::wstring_view::npos) {
    // A line end left at the end of a bare line would be lost when it is read back.
    std::wstring_view key = line.substr(0, line.find_last_not_of(BlanksAndLineEnds) + 1);
    if (key.empty()) return;
    current->entries.try_emplace(std::wstring(key), Entry{std::wstring(key), L"", true});
    return;
  }
  std::wstring_view key = StripBlanks(line.substr(0, equals));
  auto [at, added] = current->entries.try_emplace(std::wstring(key), Entry{std::wstring(key), L"", false});
  at->second.value = line.substr(equals + 1);
  at->second.bare = false;
}

bool CIniStore::Save(const std::wstring& path) const {
  for (const auto& [name, section] : sections_) {
    if (!FitsOneByte(section.name)) return false;
    for (const auto& [key, entry] : section.entries)
      if (!FitsOneByte(entry.key) || !FitsOneByte(entry.value)) return false;
  }
  // Written beside the file and moved over it, so a failed write leaves the old file whole.
  std::wstring temporary = path + TempSuffix;
  if (!WriteWholeFile(temporary, Serialise())) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

std::string CIniStore::Serialise() const {
  std::string bytes;
  for (const auto& [name, section] : sections_) {
    bytes += '[';
    AppendBytes(bytes, section.name);
    bytes += "]\r\n";
    for (const auto& [key, entry] : section.entries) {
      AppendBytes(bytes, entry.key);
      if (!entry.bare) {
        bytes += '=';
        AppendBytes(bytes, entry.value);
      }
      bytes += "\r\n";
    }
  }
  return bytes;
}

const CIniStore::Section* CIniStore::FindSection(std::wstring_view name) const {
  auto found = sections_.find(StripBlanks(name));
  return found == sections_.end() ? nullptr : &found->second;
}

CIniStore::Section& CIniStore::AddSection(std::wstring_view name) {
  std::wstring_view stripped = StripBlanks(name);
  auto found = sections_.find(stripped);
  if (found != sections_.end()) return found->second;
  std::wstring owned(stripped);
  return sections_.emplace(owned, Section{owned, {}}).first->second;
}

std::wstring CIniStore::GetValue(std::wstring_view section, std::wstring_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return L"";
  auto entry = found->entries.find(StripBlanks(key));
  return entry == found->entries.end() ? L"" : entry->second.value;
}

void CIniStore::SetValue(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  Section& target = AddSection(section);
  std::wstring_view stripped = StripBlanks(key);
  auto [at, added] =
      target.entries.try_emplace(std::wstring(stripped), Entry{std::wstring(stripped), L"", false});
  at->second.value = value;
  at->second.bare = false;
}
