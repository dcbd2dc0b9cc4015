// The settings of the advanced options: what OCconfig.ini and Orvenna's config.ini hold, read
// by the dialog's rules (each value falls back to what the dialog shows without it), and
// written back key by key in the order the dialog saves them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/win_macros.h"
#include "platform/win/win_types.h"

inline constexpr int FlybyBodyCount = 11;
// The English names in the fly-by keys, in the list's order.
inline constexpr std::array<const wchar_t*, FlybyBodyCount> FlybyBodyKeys{
    L"Mercury", L"Venus",  L"Earth",   L"Moon",  L"Mars", L"Jupiter",
    L"Saturn",  L"Uranus", L"Neptune", L"Pluto", L"Sun"};

enum class AfterFlyby { ResetPosition, DoNothing, LandOnAMoon };

struct FlybyDuration {
  int minutes = 1;
  int seconds = 0;
};

struct SkyLanguage {
  const wchar_t* name;
  const wchar_t* code;
};
inline constexpr int SkyLanguageCount = 22;
extern const std::array<SkyLanguage, SkyLanguageCount> SkyLanguages;

struct AdvancedSettings {
  bool startAtmo = false;
  bool startFog = false;
  bool startMilkyWay = false;
  bool showStarNames = false;
  bool wantMoonScale = false;
  bool justDoTheMovement = false;
  bool useMpv = false;
  bool useOwnLanguage = false;
  int starAbsMag = 100;
  int starRelMag = 110;
  int zoomSpeed = 10;
  int initialAzimuth = 270;
  int emergencyTransparency = 220;
  std::wstring emergencyImage;
  int fadingDuration = 4;
  std::array<FlybyDuration, FlybyBodyCount> flyby{};
  // None when no radio of the group is ticked.
  std::optional<AfterFlyby> afterFlyby = AfterFlyby::DoNothing;
  // None when the key is missing.
  std::optional<std::wstring> skyCulture;
  COLORREF boundariesColor = RGB(255, 255, 255);
  // "today", or a date text year/month/day.
  std::wstring startDate = L"today";
  // "now", or "HH:mm:ss".
  std::wstring startTime = L"now";
};

// Reads OCconfig.ini; mpvAvailable says whether the console's folder holds "mpv.exe".
AdvancedSettings ReadAdvancedSettings(bool mpvAvailable);
// The entry of SkyLanguages for config.ini's "sky_locale", trimmed and in any case; 0 otherwise.
int ReadSkyLanguageIndex();

// One key written on SAVE: its section, key and text.
struct AdvancedEntry {
  const wchar_t* section;
  std::wstring key;
  std::wstring value;
};
// The entries in the order SAVE writes them; the sky culture only when one is given.
std::vector<AdvancedEntry> AdvancedEntriesToWrite(const AdvancedSettings& settings,
                                                  const std::optional<std::wstring>& skyCulture);
// A colour part (0 to 255) as the ini files and the scripts write it: the fraction of 255 in a
// single-precision number's shortest form of at most six digits (1, 0, 0.501961).
std::wstring ColourFraction(int part);
// "r,g,b" in those forms.
std::wstring BoundariesColourText(COLORREF colour);

// The stored start time as hours, minutes and seconds; none with the error number 100020 (not
// three pieces) or 100021 (a piece out of range).
struct StartTimeParts {
  int hour = 12;
  int minute = 0;
  int second = 0;
  int error = 0;
};
StartTimeParts ParseStartTime(const std::wstring& text);
// A start date "year/month/day" of a real day; none for any other text.
std::optional<SYSTEMTIME> ParseStartDate(const std::wstring& text);
