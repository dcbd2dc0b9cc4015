// The interface language as the presenter last chose it, kept in the state record.
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/settings_key.h"

namespace {
constexpr wchar_t LanguageValue[] = L"Language";
}  // namespace

int COrvennaConsoleDlg::ReadLanguageSetting() {
  if (std::optional<DWORD> stored = SettingsReader().Dword(LanguageValue)) {
    consoleState.language = static_cast<int>(*stored);
    return consoleState.language;
  }
  // The start-up stores this default itself.
  return DialogLanguageOfUser();
}
