#include "src/util/localized_text.h"

#include "tests/settings/console_program.h"
#include "tests/settings/registry_values.h"

namespace {

using LocalizedTextTest = ConsoleProgramTest;

TEST_F(LocalizedTextTest, TextsFollowTheInterfaceLanguage) {
  std::wstring english;
  std::wstring italian;
  std::wstring windowText;
  std::wstring missing = L"unset";
  RunAsConsole([&] {
    english = LoadLocalizedText(4580);
    StoreValue(L"Language", DwordValue(1));
    italian = LoadLocalizedText(4310);
    MessageLog::register_class(L"Label");
    HWND label = create_logged_window(L"Label", L"old", WS_POPUP);
    SetWindowTextFromResource(label, 4580);
    wchar_t text[64] = {};
    GetWindowTextW(label, text, 64);
    windowText = text;
    SetWindowTextFromResource(label, 4581);
    GetWindowTextW(label, text, 64);
    missing = text;
  });
  EXPECT_EQ(english, L"I can't open %s file");
  EXPECT_EQ(italian,
            L"Impossibile leggere/scrivere il file di configurazione (OCconfig.ini).\n\nErrore # %d.");
  EXPECT_EQ(windowText, L"I can't open %s file");
  EXPECT_EQ(missing, L"");
}

}  // namespace
