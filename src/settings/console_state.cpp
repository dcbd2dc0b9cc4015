#include "src/settings/console_state.h"

#include <utility>

#include "platform/win/locale_api.h"

namespace {

// The dialogs' own default takes only these two exact locales; every other is English.
constexpr LANGID ItalianItaly = 0x0410;
constexpr LANGID FrenchFrance = 0x040C;

}  // namespace

int DialogLanguageOfUser() {
  LANGID language = GetUserDefaultLangID();
  if (language == ItalianItaly) return 1;
  if (language == FrenchFrance) return 2;
  return 0;
}

CConsoleState::CConsoleState() : language(DialogLanguageOfUser()) {}

void CConsoleState::SetSearchTarget(std::wstring name, int kind, int extra) {
  searchTarget = {std::move(name), kind, extra};
}
