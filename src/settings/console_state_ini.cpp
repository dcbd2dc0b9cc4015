#include <string>

#include "src/settings/console_state.h"
#include "src/settings/ini_files.h"
#include "src/util/compare_no_case.h"
#include "src/util/number_text.h"

namespace {

bool IsOnWord(const std::wstring& value) {
  for (const wchar_t* word : {L"true", L"yes", L"on"})
    if (CompareTextNoCase(value, word) == 0) return true;
  return false;
}

}  // namespace

bool CConsoleState::LoadIniStartupOptions() {
  std::wstring zoom;
  if (!ReadIniValue(ConsoleIniFile, L"startup", L"zoomSpeed", zoom)) return false;
  if (long speed = ReadLeadingInteger(zoom); speed >= 1 && speed <= 30) zoomSpeed = static_cast<int>(speed);

  std::wstring fading;
  if (!ReadIniValue(ConsoleIniFile, L"behavior", L"FadingEffectDuration", fading)) return false;
  if (long seconds = ReadLeadingInteger(fading); seconds >= 1 && seconds <= 10)
    fadingDuration = static_cast<int>(seconds);

  std::wstring moonScale;
  if (!ReadIniValue(ConsoleIniFile, L"startup", L"wantMoonScale", moonScale)) return false;
  wantMoonScale = IsOnWord(moonScale);
  return true;
}
