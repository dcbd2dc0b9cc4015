#include "src/settings/startup_options.h"

#include <array>
#include <cwchar>
#include <optional>
#include <vector>

#include "platform/afx/win_app.h"
#include "platform/win/dialog_api.h"
#include "platform/win/file_api.h"
#include "src/settings/ini_files.h"
#include "src/util/compare_no_case.h"
#include "src/util/localized_text.h"
#include "src/util/number_text.h"
#include "src/util/split_string.h"
#include "src/util/text_trim.h"
#include "src/util/user_folder.h"

namespace {

constexpr wchar_t MissingFileNotice[] = L"Il file OCconfig.ini non esiste. Lo creo ora.";
constexpr UINT ConfigFileError = 4310;
constexpr wchar_t StartupSection[] = L"startup";
constexpr wchar_t StarSection[] = L"star_appearance";
constexpr wchar_t SearchSection[] = L"search";

struct ConsoleIniKey {
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* fallback;
  int error;  // of a failed write after the file could not be read
};

constexpr std::array<ConsoleIniKey, 3> ToggleKeys{{
    {StartupSection, L"startAtmo", L"true", 100047},
    {StartupSection, L"startFog", L"true", 100049},
    {StartupSection, L"startMilkyWay", L"true", 100048},
}};

struct MagnitudeKey {
  ConsoleIniKey key;
  int fallbackNumber;
  int rewriteError;  // of a failed write of the default over a zero
};
constexpr std::array<MagnitudeKey, 2> MagnitudeKeys{{
    {{StarSection, L"starAbsMag", L"100", 100044}, 100, 100043},
    {{StarSection, L"starRelMag", L"110", 100042}, 110, 100041},
}};
constexpr int LowestMagnitude = 1;
constexpr int HighestMagnitude = 250;

constexpr ConsoleIniKey BoundariesColorKey{StarSection, L"boundariesColor", L"1.0,1.0,1.0", 100040};
constexpr int BoundariesColorFormatError = 100039;
constexpr wchar_t FullComponent[] = L"1.0";
constexpr std::size_t LongestComponent = 17;

constexpr ConsoleIniKey StartDateKey{StartupSection, L"startDate", TodayStartDate, 100038};
constexpr ConsoleIniKey StartTimeKey{StartupSection, L"startTime", NowStartTime, 100037};
constexpr std::size_t LongestDateText = 13;
constexpr std::size_t LongestTimeText = 17;

void ShowConfigError(int number) {
  ShowLocalizedError(ConfigFileError, MB_ICONERROR, number);
}

// The value as stored, or after a missing file the default, written back. Empty when the
// write fails, after the key's error, and at once, silently, when the file is there but cannot
// be read: the start-up has said so, and nothing is made over it.
std::optional<std::wstring> ReadWithDefault(const ConsoleIniKey& key) {
  std::wstring value;
  if (ReadIniValue(ConsoleIniFile, key.section, key.key, value)) return value;
  if (GetFileAttributesW(PlanetariumUserFile(ConsoleIniFile).c_str()) != INVALID_FILE_ATTRIBUTES)
    return std::nullopt;
  AfxMessageBox(MissingFileNotice, MB_ICONINFORMATION);
  if (!WriteIniValue(ConsoleIniFile, key.section, key.key, key.fallback)) {
    ShowConfigError(key.error);
    return std::nullopt;
  }
  return std::wstring(key.fallback);
}

bool IsToggleOn(const std::wstring& value) {
  std::wstring_view word = StripWhiteSpace(value);
  return CompareTextNoCase(word, L"true") == 0 || CompareTextNoCase(word, L"on") == 0;
}

// A whole decimal number from 0 to 1, and short enough for the scripts' colour texts.
bool IsColorComponent(std::wstring_view text) {
  if (text.empty() || text.size() > LongestComponent) return false;
  std::wstring owned(text);
  wchar_t* end = nullptr;
  double value = std::wcstod(owned.c_str(), &end);
  return end == owned.c_str() + owned.size() && value >= 0 && value <= 1;
}

// The culture names a folder inside Orvenna's sky cultures, and nothing outside it.
bool IsCultureFolderName(const std::wstring& value) {
  return !value.empty() && value.find_first_of(L"\\/") == std::wstring::npos &&
         value.find(L"..") == std::wstring::npos;
}

}  // namespace

bool ReadStartupToggles(bool& atmosphere, bool& fog, bool& milkyWay) {
  std::array<bool*, 3> toggles{&atmosphere, &fog, &milkyWay};
  for (std::size_t i = 0; i < ToggleKeys.size(); ++i) {
    std::optional<std::wstring> value = ReadWithDefault(ToggleKeys[i]);
    if (!value) return false;
    *toggles[i] = IsToggleOn(*value);
  }
  return true;
}

bool ReadStarMagnitudes(int& absolute, int& relative) {
  std::array<int*, 2> magnitudes{&absolute, &relative};
  for (std::size_t i = 0; i < MagnitudeKeys.size(); ++i) {
    const MagnitudeKey& magnitude = MagnitudeKeys[i];
    std::optional<std::wstring> value = ReadWithDefault(magnitude.key);
    if (!value) return false;
    long n = ReadLeadingInteger(*value);
    if (n == 0) {
      if (!WriteIniValue(ConsoleIniFile, magnitude.key.section, magnitude.key.key, magnitude.key.fallback)) {
        ShowConfigError(magnitude.rewriteError);
        return false;
      }
      n = magnitude.fallbackNumber;
    }
    *magnitudes[i] =
        n < LowestMagnitude || n > HighestMagnitude ? magnitude.fallbackNumber : static_cast<int>(n);
  }
  return true;
}

bool ReadBoundariesColor(std::wstring& red, std::wstring& green, std::wstring& blue) {
  std::optional<std::wstring> value = ReadWithDefault(BoundariesColorKey);
  if (!value) return false;
  // A file another reader made has no colour yet: the default, written back, rather than an
  // error at every start.
  if (StripWhiteSpace(*value).empty()) {
    WriteIniValue(ConsoleIniFile, BoundariesColorKey.section, BoundariesColorKey.key,
                  BoundariesColorKey.fallback);
    value = BoundariesColorKey.fallback;
  }
  std::vector<std::wstring> pieces;
  if (SplitString(*value, L",", pieces) < 3) {
    ShowConfigError(BoundariesColorFormatError);
    return false;
  }
  std::array<std::wstring*, 3> components{&red, &green, &blue};
  std::array<std::wstring_view, 3> texts{};
  bool valid = true;
  for (std::size_t i = 0; i < components.size(); ++i) {
    texts[i] = StripWhiteSpace(pieces[i]);
    valid = valid && IsColorComponent(texts[i]);
  }
  // A component that is not a number from 0 to 1 would break the scripts it goes into.
  for (std::size_t i = 0; i < components.size(); ++i)
    *components[i] = valid ? std::wstring(texts[i]) : FullComponent;
  return true;
}

bool ReadStartDateTime(std::wstring& date, std::wstring& time) {
  std::optional<std::wstring> dateValue = ReadWithDefault(StartDateKey);
  if (!dateValue) return false;
  bool today = CompareTextNoCase(*dateValue, TodayStartDate) == 0 || dateValue->size() > LongestDateText;
  date = today ? TodayStartDate : *dateValue;
  std::optional<std::wstring> timeValue = ReadWithDefault(StartTimeKey);
  if (!timeValue) return false;
  bool now = CompareTextNoCase(*timeValue, NowStartTime) == 0 || timeValue->size() > LongestTimeText;
  time = now ? NowStartTime : *timeValue;
  return true;
}

bool ReadSkyCultureSetting(std::wstring& culture) {
  std::wstring value;
  if (!ReadIniValue(ConsoleIniFile, SearchSection, L"SkyCulture", value) || !IsCultureFolderName(value) ||
      CompareTextNoCase(value, WesternSkyCulture) == 0) {
    culture = WesternSkyCulture;
    return true;
  }
  culture = value;
  return false;
}
