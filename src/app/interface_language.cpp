// The interface language as the presenter last chose it, kept in the state record.
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"
#include "src/settings/settings_key.h"

namespace {
constexpr wchar_t LanguageValue[] = L"Language";
}  // namespace

int COrvennaConsoleDlg::ReadLanguageSetting() {
  // A stored number that names no language would read other texts' entries: it counts as missing.
  std::optional<DWORD> stored = SettingsReader().Dword(LanguageValue);
  if (stored && *stored < InterfaceLanguageCount) {
    consoleState.language = static_cast<int>(*stored);
    return consoleState.language;
  }
  // The start-up stores this default itself.
  return DialogLanguageOfUser();
}
