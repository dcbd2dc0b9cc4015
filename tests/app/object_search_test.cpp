// The object search in the interface languages, end to end: the presenter opens it with the
// mouse, types a name in Spanish or Turkish on the keyboard, sees the names in that language and
// clicks the first picture; the stand-in Orvenna selects the constellation by its Latin name.
#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "peers/orvenna/install/installer.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr int FindButton = 1123;
constexpr int FirstPicture = 11201;
constexpr int FirstLabel = 14598;
constexpr int CloseKey = 11096;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

class ObjectSearchTest : public ConsoleWithOrvennaTest {
 protected:
  // The labels are in the interface language where the constellation's picture shows.
  void SetUp() override {
    orvenna::InstallSettings withPictures;
    withPictures.user_folder = false;
    ASSERT_TRUE(orvenna::install_orvenna(machine, withPictures));
    ConsoleWithOrvennaTest::SetUp();
  }
  void UseLanguage(DWORD language) {
    RunToEnd([language](TestConsoleDlg& dlg) {
      SettingsWriter().Dword(L"Language", language);
      ::SetForegroundWindow(dlg.m_hWnd);
    });
  }
  void Click(int id) {
    const driver::Outcome clicked = user.click(id);
    ASSERT_TRUE(clicked) << id << ": " << clicked.reason;
  }
  std::vector<std::wstring> Labels() {
    std::vector<std::wstring> labels;
    for (int slot = 0; slot < 7; ++slot) {
      HWND label = user.control(FirstLabel + slot);
      wchar_t text[128] = {};
      if (label != nullptr) ::GetWindowTextW(label, text, 128);
      labels.emplace_back(text);
    }
    return labels;
  }

  driver::DesktopUser user{machine};
};

TEST_F(ObjectSearchTest, TheInterfaceLanguagesNamesFindTheirConstellations) {
  struct LanguageCase {
    DWORD language;
    const wchar_t* typed;
    std::vector<std::wstring> firstLabels;
    const char* selected;  // the Latin name Orvenna is given
  };
  const LanguageCase cases[] = {
      {3, L"LIEB", {L"Liebre"}, "lepus"},
      {4, L"GUNEY", {L"Güney Tacı", L"Güneyhaçı", L"Güney Balığı", L"Güney Üçgeni"}, "corona australis"},
  };
  for (const LanguageCase& c : cases) {
    UseLanguage(c.language);
    Click(FindButton);
    ASSERT_NE(user.control(CloseKey), nullptr) << "the search is open";
    ASSERT_TRUE(user.type(c.typed));
    const std::vector<std::wstring> labels = Labels();
    EXPECT_EQ(std::vector<std::wstring>(labels.begin(), labels.begin() + c.firstLabels.size()), c.firstLabels)
        << c.language;
    Click(FirstPicture);
    Wait(2000);
    EXPECT_EQ(user.control(CloseKey), nullptr) << "the search ended";
    EXPECT_NE(
        Lower(LastScriptRun()).find(std::string("core.selectobjectbyname(\"") + c.selected + "\", true);"),
        std::string::npos)
        << LastScriptRun();
    Wait(5000);
  }
}

}  // namespace
