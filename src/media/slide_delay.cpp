#include "src/media/slide_delay.h"

#include <cwchar>
#include <optional>
#include <string>

#include "src/settings/ini_files.h"

namespace {

constexpr wchar_t BehaviourSection[] = L"behavior";
constexpr wchar_t DelayKey[] = L"slideDelay";

}  // namespace

int ReadSlideDelay() {
  const std::optional<std::wstring> text = ReadIniEntry(ConsoleIniFile, BehaviourSection, DelayKey);
  if (!text || text->empty()) return DefaultSlideDelay;
  wchar_t* end = nullptr;
  const long seconds = std::wcstol(text->c_str(), &end, 10);
  if (end == text->c_str() || seconds < MinimumSlideDelay || seconds > MaximumSlideDelay)
    return DefaultSlideDelay;
  return static_cast<int>(seconds);
}

void WriteSlideDelay(int seconds) {
  WriteIniValue(ConsoleIniFile, BehaviourSection, DelayKey, std::to_wstring(seconds));
}
