#include <gtest/gtest.h>

#include "platform/desktop/desktop.h"
#include "src/settings/console_settings.h"
#include "src/settings/console_state.h"
#include "tests/settings/registry_values.h"

namespace {

struct LanguageCase {
  WORD userLanguage;
  std::optional<DWORD> stored;
  unsigned readLanguage;
  int stateLanguage;
  const wchar_t* home;
};

// The console's reader maps any region of a language; the dialogs' record takes only
// Italian of Italy and French of France.
TEST(UserLanguageTest, DefaultsFromTheUsersLanguage) {
  for (const LanguageCase& c : {
           LanguageCase{0x0409, std::nullopt, 0, 0, L"Washington, United States"},
           LanguageCase{0x0410, std::nullopt, 1, 1, L"Rome, Italy"},
           LanguageCase{0x0810, std::nullopt, 1, 0, L"Rome, Italy"},
           LanguageCase{0x040C, std::nullopt, 2, 2, L"Paris, France"},
           LanguageCase{0x080C, std::nullopt, 2, 0, L"Paris, France"},
           LanguageCase{0x2C0A, std::nullopt, 3, 0, L"Madrid, Spain"},
           LanguageCase{0x041F, std::nullopt, 4, 0, L"Ankara, Turkey"},
           LanguageCase{0x0804, std::nullopt, 5, 0, L"Beijing, China"},
           LanguageCase{0x0407, std::nullopt, 0, 0, L"Washington, United States"},
           LanguageCase{0x041F, 2, 2, 0, L"Paris, France"},
           LanguageCase{0x041F, 0, 0, 0, L"Washington, United States"},
           LanguageCase{0x041F, 1000, 4, 0, L"Ankara, Turkey"},
       }) {
    desktop::DesktopConfig config;
    config.user_language = c.userLanguage;
    desktop::Desktop machine(config);
    machine.attach(L"console.exe");
    if (c.stored) StoreValue(L"Language", DwordValue(*c.stored));
    EXPECT_EQ(ReadLanguage(), c.readLanguage) << std::hex << c.userLanguage;
    EXPECT_EQ(CConsoleState().language, c.stateLanguage) << std::hex << c.userLanguage;
    EXPECT_EQ(LoadHomeLocation(), c.home) << std::hex << c.userLanguage;
    machine.detach();
  }
}

}  // namespace
