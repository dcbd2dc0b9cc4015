#include "src/dialogs/options/advanced_settings.h"

#include <cstdio>
#include <cwchar>

#include "src/settings/ini_files.h"
#include "src/settings/startup_options.h"
#include "src/util/compare_no_case.h"
#include "src/util/date_text.h"
#include "src/util/number_text.h"
#include "src/util/split_string.h"
#include "src/util/text_trim.h"

const std::array<SkyLanguage, SkyLanguageCount> SkyLanguages{{
    {L"<default>", L""},
    {L"Afrikaans", L"af"},
    {L"Bahasa Indonesia", L"id"},
    {L"Dansk", L"da"},
    {L"Deutsch", L"de"},
    {L"\x1F11\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC", L"el"},
    {L"English", L"en"},
    {L"Espa\x00F1ol", L"es"},
    {L"Fran\x00E7"
     L"ais",
     L"fr"},
    {L"Italiano", L"it"},
    {L"Magyar", L"hu"},
    {L"Nederlans", L"nl"},
    {L"Norsk bokm\x00E5l", L"nb"},
    {L"Norsk nynorsk", L"nn"},
    {L"Polski", L"pl"},
    {L"Portugu\x00EAs brasileiro", L"pt_BR"},
    {L"Portugu\x00EAs", L"pt"},
    {L"\x0420\x0443\x0441\x0441\x043A\x0438\x0439 \x044F\x0437\x044B\x043A", L"ru"},
    {L"Svenska", L"sv"},
    {L"Turk\x00E7"
     L"e",
     L"tr"},
    {L"\x4E2D\x6587\x3001 \x6F22\x8A9E", L"zh_CN"},
    {L"\x65E5\x672C\x8A9E", L"ja"},
}};

namespace {

constexpr wchar_t Startup[] = L"startup";
constexpr wchar_t StarAppearance[] = L"star_appearance";
constexpr wchar_t Behavior[] = L"behavior";
constexpr wchar_t Search[] = L"search";
constexpr wchar_t Flyby[] = L"flyby";
constexpr wchar_t Localization[] = L"localization";
constexpr wchar_t SkyLocaleKey[] = L"sky_locale";
constexpr wchar_t MpvPlayer[] = L"MPV";
constexpr wchar_t WmpPlayer[] = L"WMP";

std::optional<std::wstring> Entry(const wchar_t* section, const std::wstring& key) {
  return ReadIniEntry(ConsoleIniFile, section, key);
}

bool IsOneOf(const std::optional<std::wstring>& value, std::initializer_list<const wchar_t*> words) {
  if (!value) return false;
  for (const wchar_t* word : words)
    if (CompareTextNoCase(*value, word) == 0) return true;
  return false;
}

// A number within its limits; missing and out of range give their own fallbacks.
int RangedEntry(const wchar_t* section, const std::wstring& key, int low, int high, int missing,
                int outOfRange) {
  const std::optional<std::wstring> value = Entry(section, key);
  if (!value) return missing;
  const long number = ReadLeadingInteger(*value);
  return number < low || number > high ? outOfRange : static_cast<int>(number);
}

COLORREF ReadBoundaries() {
  std::wstring red, green, blue;
  if (!ReadBoundariesColor(red, green, blue)) return RGB(255, 255, 255);
  int parts[3]{};
  const std::wstring* texts[3]{&red, &green, &blue};
  for (int i = 0; i < 3; ++i) {
    const double part = ReadLeadingDecimal(*texts[i]) * 255;
    if (part > 255) return RGB(255, 255, 255);
    parts[i] = part < 0 ? 0 : static_cast<int>(part);
  }
  return RGB(parts[0], parts[1], parts[2]);
}

std::wstring Switch(bool on) {
  return on ? L"true" : L"false";
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  constexpr int days[12]{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

}  // namespace

AdvancedSettings ReadAdvancedSettings(bool mpvAvailable) {
  AdvancedSettings s;
  ReadStartupToggles(s.startAtmo, s.startFog, s.startMilkyWay);
  s.showStarNames = IsIniSwitchOn(Entry(StarAppearance, L"showStarNames").value_or(L""));
  s.wantMoonScale = IsIniSwitchOn(Entry(Startup, L"wantMoonScale").value_or(L""));
  s.justDoTheMovement = IsOneOf(Entry(Behavior, L"JustDoTheMovementOnPole"), {L"true", L"on"});
  s.useMpv = mpvAvailable && IsOneOf(Entry(Behavior, L"usePlayer"), {MpvPlayer});
  s.useOwnLanguage = IsOneOf(Entry(Search, L"useYourOwnLanguage"), {L"true", L"on"});
  if (!ReadStarMagnitudes(s.starAbsMag, s.starRelMag)) {
    s.starAbsMag = 100;
    s.starRelMag = 110;
  }
  s.zoomSpeed = RangedEntry(Startup, L"zoomSpeed", 1, 30, 10, 10);
  s.initialAzimuth = RangedEntry(Startup, L"initPosAzimuth", 0, 355, 270, 0);
  s.emergencyTransparency = RangedEntry(Startup, L"emergencyImageTransparency", 1, 255, 220, 220);
  s.emergencyImage = Entry(Startup, L"emergencyImage").value_or(L"");
  s.fadingDuration = RangedEntry(Behavior, L"FadingEffectDuration", 1, 10, 4, 4);
  for (int i = 0; i < FlybyBodyCount; ++i) {
    const std::wstring minutes = std::wstring(FlybyBodyKeys[i]) + L"-duration";
    s.flyby[i].minutes = RangedEntry(Flyby, minutes, 1, 15, 1, 1);
    s.flyby[i].seconds = RangedEntry(Flyby, minutes + L"-seconds", 0, 59, 0, 0);
  }
  const std::optional<std::wstring> after = Entry(Flyby, L"afterFlyby");
  if (!after || IsOneOf(after, {L"donothing"}))
    s.afterFlyby = AfterFlyby::DoNothing;
  else
    s.afterFlyby = IsOneOf(after, {L"landonamoon"}) ? AfterFlyby::LandOnAMoon : AfterFlyby::ResetPosition;
  s.skyCulture = Entry(Search, L"SkyCulture");
  s.boundariesColor = ReadBoundaries();
  // A file without the keys (one another reader made) means the system's date and time.
  if (!ReadStartDateTime(s.startDate, s.startTime) || s.startDate.empty()) s.startDate = TodayStartDate;
  if (s.startTime.empty()) s.startTime = NowStartTime;
  return s;
}

int ReadSkyLanguageIndex() {
  const std::optional<std::wstring> value = ReadIniEntry(PlanetariumConfigIni, Localization, SkyLocaleKey);
  if (!value) return 0;
  const std::wstring_view code = StripWhiteSpace(*value);
  for (int i = 1; i < SkyLanguageCount; ++i)
    if (CompareTextNoCase(code, SkyLanguages[i].code) == 0) return i;
  return 0;
}

std::wstring ColourFraction(int part) {
  wchar_t text[32]{};
  std::swprintf(text, 32, L"%g", static_cast<double>(static_cast<float>(part) / 255.0f));
  return text;
}

std::wstring BoundariesColourText(COLORREF colour) {
  return ColourFraction(GetRValue(colour)) + L"," + ColourFraction(GetGValue(colour)) + L"," +
         ColourFraction(GetBValue(colour));
}

std::vector<AdvancedEntry> AdvancedEntriesToWrite(const AdvancedSettings& s,
                                                  const std::optional<std::wstring>& skyCulture) {
  std::vector<AdvancedEntry> entries{
      {Startup, L"startAtmo", Switch(s.startAtmo)},
      {StarAppearance, L"showStarNames", Switch(s.showStarNames)},
      {Startup, L"startFog", Switch(s.startFog)},
      {Startup, L"startMilkyWay", Switch(s.startMilkyWay)},
      {Startup, L"wantMoonScale", Switch(s.wantMoonScale)},
      {Behavior, L"JustDoTheMovementOnPole", Switch(s.justDoTheMovement)},
      {Behavior, L"usePlayer", s.useMpv ? MpvPlayer : WmpPlayer},
      {Search, L"useYourOwnLanguage", Switch(s.useOwnLanguage)},
      {StarAppearance, L"starAbsMag", std::to_wstring(s.starAbsMag)},
      {StarAppearance, L"starRelMag", std::to_wstring(s.starRelMag)},
      {Startup, L"zoomSpeed", std::to_wstring(s.zoomSpeed)},
      {Startup, L"initPosAzimuth", std::to_wstring(s.initialAzimuth)},
      {Startup, L"emergencyImageTransparency", std::to_wstring(s.emergencyTransparency)},
      {Startup, L"emergencyImage", s.emergencyImage},
      {Behavior, L"FadingEffectDuration", std::to_wstring(s.fadingDuration)},
  };
  for (int i = 0; i < FlybyBodyCount; ++i) {
    const std::wstring minutes = std::wstring(FlybyBodyKeys[i]) + L"-duration";
    entries.push_back({Flyby, minutes, std::to_wstring(s.flyby[i].minutes)});
    entries.push_back({Flyby, minutes + L"-seconds", std::to_wstring(s.flyby[i].seconds)});
  }
  if (s.afterFlyby) {
    constexpr const wchar_t* afterTexts[]{L"resetPosition", L"doNothing", L"landOnAMoon"};
    entries.push_back({Flyby, L"afterFlyby", afterTexts[static_cast<int>(*s.afterFlyby)]});
  }
  if (skyCulture) entries.push_back({Search, L"SkyCulture", *skyCulture});
  entries.push_back({StarAppearance, L"boundariesColor", BoundariesColourText(s.boundariesColor)});
  entries.push_back({Startup, L"startDate", s.startDate});
  entries.push_back({Startup, L"startTime", s.startTime});
  return entries;
}

StartTimeParts ParseStartTime(const std::wstring& text) {
  std::vector<std::wstring> pieces;
  StartTimeParts parts;
  if (SplitString(text, L":-", pieces) != 3) {
    parts.error = 100020;
    return parts;
  }
  const long hour = ReadLeadingInteger(pieces[0]);
  const long minute = ReadLeadingInteger(pieces[1]);
  const long second = ReadLeadingInteger(pieces[2]);
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    parts.error = 100021;
    return parts;
  }
  return {static_cast<int>(hour), static_cast<int>(minute), static_cast<int>(second), 0};
}

std::optional<SYSTEMTIME> ParseStartDate(const std::wstring& text) {
  DateYMDParts parts;
  if (!ParseDateYMD(text, parts)) return std::nullopt;
  const long year = ReadLeadingInteger(parts.year);
  const long month = ReadLeadingInteger(parts.month);
  const long day = ReadLeadingInteger(parts.day);
  if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(static_cast<int>(year), static_cast<int>(month)))
    return std::nullopt;
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  return date;
}
