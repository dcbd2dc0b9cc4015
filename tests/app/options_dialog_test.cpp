// The options dialog and the Options button: what each control shows of the registry, what SAVE
// writes, the place check, the results, and the main window brought in line afterwards.
#include "src/dialogs/options/options_dialog.h"

#include <functional>

#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/settings/event_settings.h"
#include "src/util/user_folder.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/platform/file_helpers.h"
#include "tests/settings/registry_values.h"

namespace {

// The presenter's doings in the event editor, in its place.
class EditedEventsOptions : public OptionsDialog {
 public:
  EditedEventsOptions(CConsoleState& state, COrvennaConsoleDlg& console,
                      std::function<INT_PTR(CConsoleState&, int)> editor)
      : OptionsDialog(state, console), state_(state), editor_(std::move(editor)) {}

 protected:
  INT_PTR RunEventEditor(int slotNumber) override { return editor_(state_, slotNumber); }

 private:
  CConsoleState& state_;
  std::function<INT_PTR(CConsoleState&, int)> editor_;
};

DWORD StoredDword(const std::wstring& name) {
  const StoredValue value = FetchValue(name);
  DWORD number = 0;
  if (value.type == REG_DWORD) std::memcpy(&number, value.bytes.data(), sizeof number);
  return number;
}

std::wstring StoredText(const std::wstring& name) {
  const StoredValue value = FetchValue(name);
  if (value.type != REG_SZ) return L"(none)";
  return std::wstring(reinterpret_cast<const wchar_t*>(value.bytes.data()),
                      value.bytes.size() / sizeof(wchar_t));
}

TEST(OptionsLandscapes, TheDefaultGroundFallsBackToALandscapeThatExists) {
  struct Case {
    const char* what;
    std::vector<std::wstring> landscapes;
    std::wstring stored;
    std::optional<int> chosen;
  };
  const Case cases[] = {
      {"the stored one in any case", {L"moon", L"Mars", L"guereins"}, L"MARS", 1},
      {"guereins when the stored one is gone", {L"moon", L"ocean", L"guereins", L"zero"}, L"Gone", 2},
      {"the third without guereins", {L"a", L"b", L"c", L"d"}, L"Gone", 2},
      {"the last of two", {L"a", L"b"}, L"Gone", 1},
      {"none without landscapes", {}, L"Gone", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseDefaultLandscape(c.landscapes, c.stored), c.chosen) << c.what;
}

TEST(OptionsNumbers, ADigitsOnlyFieldSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(ReadNumberField(L"99999999999999999999"), 2147483647);
  EXPECT_EQ(ReadNumberField(L"150"), 150);
  EXPECT_EQ(ReadNumberField(L""), 0);
}

class OptionsDialogTest : public ConsoleWithOrvennaTest {
 protected:
  // The Options button as the presenter presses it, with the event editor given.
  void PressOptions(std::function<INT_PTR(CConsoleState&, int)> editor = [](CConsoleState&, int) {
    return OptionsDialog::NothingChanged;
  }) {
    result = -1;
    Run([this, editor](TestConsoleDlg& dlg) {
      dlg.optionsDialog = [this, editor](TestConsoleDlg& console) {
        result = EditedEventsOptions(console.consoleState, console, editor).DoModal();
        return result;
      };
      ::SetForegroundWindow(dlg.m_hWnd);
      dlg.OnOptions();
    });
  }
  void Press(int id) {
    const driver::Outcome pressed = user.click(id);
    ASSERT_TRUE(pressed) << id << ": " << pressed.reason;
  }
  void TypeInto(int id, const std::wstring& text) {
    Press(id);
    SendMessageW(user.control(id), EM_SETSEL, 0, -1);
    ASSERT_TRUE(user.type(text));
  }
  bool Checked(int id) const { return SendMessageW(user.control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  LRESULT Selection(int id) const { return SendMessageW(user.control(id), CB_GETCURSEL, 0, 0); }
  std::wstring BoxText() const {
    HWND box = MessageBoxShown();
    return box == nullptr ? L"" : MessageBoxText(box);
  }

  driver::DesktopUser user{machine};
  INT_PTR result = -1;
};

TEST_F(OptionsDialogTest, TheControlsShowWhatTheRegistryHolds) {
  struct Case {
    const char* what;
    std::function<void()> store;
    const wchar_t* title;
    LRESULT language;
    bool images, lines, boundaries, names;
    const wchar_t* fieldOfView;
  };
  const Case cases[] = {
      {"nothing stored", [] {}, L"Options and Settings", 0, true, true, false, false, L"180"},
      {"values stored",
       [] {
         StoreValue(L"Language", DwordValue(1));
         StoreValue(L"DisplayOpts", DwordValue(12));
         StoreValue(L"FOV", DwordValue(150));
       },
       L"Opzioni e impostazioni", 1, false, false, true, true, L"150"},
      {"a language that names none and options out of range",
       [] {
         StoreValue(L"Language", DwordValue(9));
         StoreValue(L"DisplayOpts", DwordValue(99));
         StoreValue(L"FOV", DwordValue(100));
       },
       L"Options and Settings", 0, true, true, false, false, L"180"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.store();
    PressOptions();
    ASSERT_NE(user.control(OptionsDialog::SaveId), nullptr) << "the dialog is open";
    EXPECT_EQ(user.window_text(user.target_window()), c.title);
    EXPECT_EQ(Selection(OptionsDialog::LanguageList), c.language);
    EXPECT_EQ(Checked(1106), c.images);
    EXPECT_EQ(Checked(1107), c.lines);
    EXPECT_EQ(Checked(1108), c.boundaries);
    EXPECT_EQ(Checked(1109), c.names);
    EXPECT_EQ(user.text_of(OptionsDialog::FieldOfViewEdit), c.fieldOfView);
    EXPECT_EQ(user.text_of(OptionsDialog::ShootingStarsEdit), L"100");
    wchar_t ground[64]{};
    SendMessageW(user.control(OptionsDialog::LandscapeList), CB_GETLBTEXT,
                 static_cast<WPARAM>(Selection(OptionsDialog::LandscapeList)),
                 reinterpret_cast<LPARAM>(ground));
    EXPECT_STREQ(ground, L"guereins");
    EXPECT_EQ(user.text_of(OptionsDialog::MonitorCountLabel), L"# 2");
    EXPECT_EQ(user.text_of(OptionsDialog::MonitorLine), L"This window is running on the primary monitor");
    EXPECT_EQ(user.text_of(OptionsDialog::ResolutionLine), L"Screen resolution: 1920 x 1080");
    user.key("ESCAPE");
    EXPECT_EQ(result, OptionsDialog::NothingChanged);
  }
}

TEST_F(OptionsDialogTest, SaveWithoutAChangeEndsWithOneAndWritesNothing) {
  PressOptions();
  Press(OptionsDialog::SaveId);
  EXPECT_EQ(result, OptionsDialog::NothingChanged);
  for (const wchar_t* name : {L"Language", L"Default Ground", L"FOV", L"DisplayOpts", L"Home Location"})
    EXPECT_EQ(FetchValue(name).type, static_cast<DWORD>(REG_NONE)) << name;
}

TEST_F(OptionsDialogTest, SaveWritesTheChangedSettingsAndTheRest) {
  PressOptions();
  TypeInto(OptionsDialog::FieldOfViewEdit, L"100");
  Press(1109);
  EXPECT_EQ(user.text_of(OptionsDialog::FieldOfViewEdit), L"140");
  ASSERT_TRUE(user.choose(OptionsDialog::LandscapeList, 1));
  Press(OptionsDialog::SaveId);
  EXPECT_EQ(result, OptionsDialog::SettingsWritten);
  EXPECT_EQ(StoredDword(L"FOV"), 140u);
  EXPECT_EQ(StoredDword(L"DisplayOpts"), 3u + 8u);
  EXPECT_EQ(StoredDword(L"Shooting Stars Frequency"), 100u);
  EXPECT_NE(StoredText(L"Default Ground"), L"(none)");
  EXPECT_NE(StoredText(L"Home Location"), L"(none)");
  // The language list only showed the default: no language is stored for it.
  EXPECT_EQ(FetchValue(L"Language").type, static_cast<DWORD>(REG_NONE));
}

TEST_F(OptionsDialogTest, AChosenLanguageIsStoredAndTakesEffect) {
  Run([](TestConsoleDlg& dlg) { dlg.CreateTooltips(); });
  PressOptions();
  ASSERT_TRUE(user.choose(OptionsDialog::LanguageList, 1));
  Press(OptionsDialog::SaveId);
  Wait(100);
  EXPECT_EQ(result, OptionsDialog::SettingsWritten);
  EXPECT_EQ(StoredDword(L"Language"), 1u);
  EXPECT_EQ(DialogText(1012), L"Atmosfera ");
  std::wstring tip;
  RunToEnd([&tip](TestConsoleDlg& dlg) { tip = dlg.TooltipText(1015); });
  EXPECT_EQ(tip, L"Trova e seleziona la Terra");
}

TEST_F(OptionsDialogTest, APlaceThatIsNotOrvennasKeepsTheDialogOpen) {
  for (const wchar_t* place : {L"Nowhere at all, Mars", L"   ", L", Rome"}) {
    PressOptions();
    TypeInto(OptionsDialog::PlaceEdit, place);
    Press(OptionsDialog::SaveId);
    EXPECT_NE(BoxText().find(L"base_locations.txt"), std::wstring::npos) << BoxText();
    Answer(MessageBoxShown(), IDOK);
    EXPECT_EQ(result, -1) << "the dialog stays open";
    EXPECT_EQ(FetchValue(L"Home Location").type, static_cast<DWORD>(REG_NONE));
    user.key("ESCAPE");
    EXPECT_EQ(result, OptionsDialog::NothingChanged);
  }
}

TEST_F(OptionsDialogTest, ShootingStarsAboveTheLimitComeBackToIt) {
  Run([](TestConsoleDlg& dlg) { dlg.meteorPluginLoaded = true; });
  PressOptions();
  TypeInto(OptionsDialog::ShootingStarsEdit, L"99999999999999");
  Press(1109);
  EXPECT_EQ(user.text_of(OptionsDialog::ShootingStarsEdit), L"144000");
  Press(OptionsDialog::SaveId);
  EXPECT_EQ(StoredDword(L"Shooting Stars Frequency"), 144000u);
}

TEST_F(OptionsDialogTest, OptionsIsRefusedWhileAScriptRuns) {
  Run([](TestConsoleDlg& dlg) { dlg.scriptRunning = true; });
  PressOptions();
  EXPECT_EQ(user.control(OptionsDialog::SaveId), nullptr) << "no options dialog";
  EXPECT_EQ(StatusLine().rfind(L"Another simulation script is currently running.", 0), 0u) << StatusLine();
}

TEST_F(OptionsDialogTest, TheEventLabelsFollowASavedEventOnly) {
  const auto editor = [](CConsoleState& state, int slotNumber) {
    EventRecord record;
    record.memo = L"Comet at dusk";
    record.enabled = true;
    record.date = L"2031/3/5";
    SaveEventRecord(state, slotNumber - 1, record);
    return OptionsDialog::SettingsWritten;
  };
  PressOptions();
  Press(OptionsDialog::FirstEventButton + 1);
  user.key("ESCAPE");
  EXPECT_EQ(result, OptionsDialog::NothingChanged);
  EXPECT_EQ(DialogText(1067), L"");
  PressOptions(editor);
  Press(OptionsDialog::FirstEventButton + 1);
  EXPECT_EQ(user.text_of(OptionsDialog::FirstEventMemo + 1), L"Comet at dusk");
  user.key("ESCAPE");
  EXPECT_EQ(result, OptionsDialog::SettingsWritten);
  EXPECT_EQ(DialogText(1067), L"Comet at dusk");
}

TEST_F(OptionsDialogTest, TheSoundtrackIsChosenInTheOpenFileDialog) {
  const std::wstring music = PlanetariumUserFile(L"intro.mp3");
  ASSERT_TRUE(write_file(music.c_str(), "tone"));
  struct Case {
    const char* what;
    std::optional<std::wstring> answer;
    bool enabled;
    std::wstring path;
    std::wstring name;
  };
  const Case cases[] = {
      {"the dialog cancelled", std::nullopt, false, L"", L""},
      {"a file chosen", music, true, music, L"intro.mp3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PressOptions();
    user.answer_next_file_dialog(c.answer);
    Press(OptionsDialog::AudioButton);
    EXPECT_EQ(user.pending_answers(), 0u);
    EXPECT_EQ(IsWindowEnabled(user.control(OptionsDialog::SoundtrackCheck)) != FALSE, c.enabled);
    EXPECT_EQ(Checked(OptionsDialog::SoundtrackCheck), c.enabled);
    if (c.enabled) {
      EXPECT_EQ(user.text_of(OptionsDialog::SoundtrackCheck), c.name);
    }
    Press(IDCANCEL);
    RunToEnd([&c](TestConsoleDlg& dlg) {
      EXPECT_EQ(dlg.soundtrackPath, c.path);
      EXPECT_EQ(dlg.soundtrackName, c.name);
      EXPECT_EQ(dlg.useSoundtrack, c.enabled);
    });
  }
}

}  // namespace
