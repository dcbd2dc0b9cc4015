#include "src/settings/console_settings.h"

#include <cwctype>

#include "platform/win/locale_api.h"
#include "src/settings/ranged_settings.h"
#include "src/settings/settings_key.h"

namespace {

constexpr wchar_t LanguageValue[] = L"Language";
constexpr wchar_t DefaultGroundValue[] = L"Default Ground";
constexpr wchar_t HomeLocationValue[] = L"Home Location";
constexpr wchar_t FallbackGround[] = L"Guereins";
constexpr std::size_t GroundCapacity = 260;
// A buffer of 256 whose last character stays zero.
constexpr std::size_t HomeCapacity = 255;

struct LanguageOfUser {
  WORD primaryLanguage;
  unsigned index;
};
constexpr std::array<LanguageOfUser, 5> UserLanguages{{
    {LANG_ITALIAN, 1},
    {LANG_FRENCH, 2},
    {LANG_SPANISH, 3},
    {LANG_TURKISH, 4},
    {LANG_CHINESE, 5},
}};

constexpr std::array<const wchar_t*, InterfaceLanguageCount> HomeCapitals{
    L"Washington, United States",
    L"Rome, Italy",
    L"Paris, France",
    L"Madrid, Spain",
    L"Ankara, Turkey",
    L"Beijing, China",
};

unsigned LanguageOfUserLocale() {
  WORD primary = GetUserDefaultLangID() & 0xFF;
  for (const LanguageOfUser& language : UserLanguages)
    if (language.primaryLanguage == primary) return language.index;
  return 0;
}

void WriteRanged(Ranged which, int value) {
  SettingsWriter writer;
  writer.Int(RangedName(which, -1), value);
}

}  // namespace

unsigned ReadLanguage() {
  std::optional<DWORD> stored = SettingsReader().Dword(LanguageValue);
  // Every localised text is a base id plus this index: a stored number that names no
  // language would read another text's entries, so it counts as missing.
  if (stored && *stored < InterfaceLanguageCount) return *stored;
  return LanguageOfUserLocale();
}

int ReadDialogLanguageIndex(CConsoleState& state) {
  const std::optional<DWORD> stored = SettingsReader().Dword(LanguageValue);
  if (stored && *stored < InterfaceLanguageCount) {
    state.language = static_cast<int>(*stored);
    return state.language;
  }
  return DialogLanguageOfUser();
}

int ReadFieldOfView() {
  return ReadRanged(SettingsReader(), Ranged::FieldOfView);
}

void WriteFieldOfView(int degrees) {
  WriteRanged(Ranged::FieldOfView, degrees);
}

int ReadShootingStarsFrequency() {
  return ReadRanged(SettingsReader(), Ranged::ShootingStarsFrequency);
}

void WriteShootingStarsFrequency(int zenithalHourlyRate) {
  WriteRanged(Ranged::ShootingStarsFrequency, zenithalHourlyRate);
}

std::wstring ReadDefaultGround() {
  std::wstring ground = SettingsReader().Text(DefaultGroundValue, GroundCapacity).value_or(L"");
  if (ground.size() < 2) ground = FallbackGround;
  ground[0] = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ground[0])));
  return ground;
}

std::wstring LoadHomeLocation() {
  std::wstring home = SettingsReader().Text(HomeLocationValue, HomeCapacity).value_or(L"");
  return home.empty() ? HomeCapitals[ReadLanguage()] : home;
}

void SaveHomeLocation(std::wstring_view place) {
  SettingsWriter().Text(HomeLocationValue, place);
}

int LoadDisplayOpts() {
  return ReadRanged(SettingsReader(), Ranged::DisplayOpts);
}

void SaveDisplayOpts(int options) {
  WriteRanged(Ranged::DisplayOpts, options);
}

SpeedOptions LoadSpeedOptions() {
  SettingsReader reader;
  SpeedOptions options;
  for (int i = 0; i < static_cast<int>(options.speeds.size()); ++i)
    options.speeds[i] = ReadRanged(reader, Ranged::Speed, i);
  options.options = ReadRanged(reader, Ranged::SpeedOptions);
  return options;
}

void SaveSpeedOptions(const SpeedOptions& options) {
  SettingsWriter writer;
  for (int i = 0; i < static_cast<int>(options.speeds.size()); ++i)
    writer.Int(RangedName(Ranged::Speed, i), options.speeds[i]);
  writer.Int(RangedName(Ranged::SpeedOptions, -1), options.options);
}

PlaybackOptions LoadPlaybackOptions() {
  SettingsReader reader;
  return {ReadRanged(reader, Ranged::PlaybackWndSize), ReadRanged(reader, Ranged::PlaybackFreqRefresh),
          static_cast<COLORREF>(ReadRanged(reader, Ranged::PointerColor))};
}

void SavePlaybackOptions(const PlaybackOptions& options, int startupWaitSeconds) {
  SettingsWriter writer;
  writer.Int(RangedName(Ranged::PlaybackWndSize, -1), options.windowSizePercent);
  writer.Int(RangedName(Ranged::PlaybackFreqRefresh, -1), options.refreshPerSecond);
  writer.Dword(RangedName(Ranged::PointerColor, -1), options.pointerColor);
  writer.Int(RangedName(Ranged::StartupWait, -1), startupWaitSeconds);
}

int LoadStartupWait() {
  return ReadRanged(SettingsReader(), Ranged::StartupWait);
}
