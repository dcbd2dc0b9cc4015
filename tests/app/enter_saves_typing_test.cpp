// Every dialog whose default button saves, with the typing ended by Enter: what was typed last
// is saved as a click on SAVE would save it.
#include <functional>
#include <optional>

#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/dialogs/events/event_dlg.h"
#include "src/dialogs/events/event_dlg_ids.h"
#include "src/dialogs/options/advanced_option_ids.h"
#include "src/dialogs/options/advanced_options.h"
#include "src/dialogs/options/options_dialog.h"
#include "src/dialogs/options/play_opt.h"
#include "src/dialogs/options/speed_dialog.h"
#include "src/dialogs/set_time_dlg.h"
#include "src/media/players/video_options.h"
#include "src/media/script_dialog.h"
#include "src/settings/date_time_entry.h"
#include "src/settings/ini_files.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

std::optional<int> StoredNumber(const std::wstring& name) {
  return SettingsReader().Int(name);
}

std::wstring StoredText(const std::wstring& name) {
  return SettingsReader().Text(name, 1001).value_or(L"(none)");
}

class EnterSavesTypingTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    WriteConsoleIniDefaults();
    ConsoleWithOrvennaTest::SetUp();
  }
  void Open(const std::function<INT_PTR(TestConsoleDlg&)>& run) {
    result = -1;
    Run([this, run](TestConsoleDlg& dlg) {
      ::SetForegroundWindow(dlg.m_hWnd);
      result = run(dlg);
    });
  }
  void Press(int id) {
    const driver::Outcome pressed = user.click(id);
    ASSERT_TRUE(pressed) << id << ": " << pressed.reason;
  }
  void Key(const char* name) {
    const driver::Outcome pressed = user.key(name);
    ASSERT_TRUE(pressed) << name << ": " << pressed.reason;
  }
  void Retype(int id, const std::wstring& text) {
    Press(id);
    SendMessageW(user.control(id), EM_SETSEL, 0, -1);
    ASSERT_TRUE(user.type(text));
  }
  // The slider moved one step with the keyboard; its new place.
  LRESULT StepSlider(int id) {
    Press(id);
    Key("RIGHT");
    return SendMessageW(user.control(id), TBM_GETPOS, 0, 0);
  }

  driver::DesktopUser user{machine};
  INT_PTR result = -1;
};

TEST_F(EnterSavesTypingTest, EnterAfterTypingSavesWhatWasTyped) {
  using namespace advanced_option_ids;
  std::optional<VideoOptions> keptVideo;
  LRESULT slider = 0;
  struct Case {
    const char* dialog;
    std::function<INT_PTR(TestConsoleDlg&)> run;
    std::function<void()> type;
    INT_PTR saved;
    std::function<void()> check;
  };
  const Case cases[] = {
      {"options: the field of view",
       [](TestConsoleDlg& dlg) { return OptionsDialog(dlg.consoleState, dlg).DoModal(); },
       [&] { Retype(OptionsDialog::FieldOfViewEdit, L"150"); }, OptionsDialog::SettingsWritten,
       [] { EXPECT_EQ(StoredNumber(L"FOV"), 150); }},
      {"options: the home place",
       [](TestConsoleDlg& dlg) { return OptionsDialog(dlg.consoleState, dlg).DoModal(); },
       [&] { Retype(OptionsDialog::PlaceEdit, L"Rome, Italy"); }, OptionsDialog::SettingsWritten,
       [] { EXPECT_EQ(StoredText(L"Home Location"), L"Rome, Italy"); }},
      {"advanced options: the start time",
       [](TestConsoleDlg& dlg) { return AdvancedOptions(dlg.consoleState, dlg, &dlg).DoModal(); },
       [&] {
         Press(ChosenTimeRadio);
         ASSERT_TRUE(user.set_time(StartTimePicker, 21, 30, 7));
       },
       AdvancedOptions::Ended,
       [] { EXPECT_EQ(ReadIniEntry(ConsoleIniFile, L"startup", L"startTime"), L"21:30:07"); }},
      {"multimedia set-up: a path",
       [](TestConsoleDlg& dlg) { return CScriptDialog(&dlg.consoleState, &dlg).DoModal(); },
       [&] {
         Press(CScriptDialog::FirstEnableCheck);
         Retype(CScriptDialog::FirstPathEdit, L"C:\\Shows\\clip.mp4");
       },
       CScriptDialog::Saved, [] { EXPECT_EQ(StoredText(L"ScriptName_0"), L"C:\\Shows\\clip.mp4"); }},
      {"video options: the width",
       [&keptVideo](TestConsoleDlg&) {
         return CVideoOptions(3, L"C:\\Shows\\clip.mp4", keptVideo).DoModal();
       },
       [&] { Retype(CVideoOptions::WidthEdit, L"640"); }, CVideoOptions::Saved,
       [&keptVideo] {
         ASSERT_TRUE(keptVideo.has_value());
         EXPECT_EQ(keptVideo->width, 640);
       }},
      {"rotation speeds: a rate slider",
       [](TestConsoleDlg& dlg) { return CSpeedDialog(dlg.consoleState, &dlg).DoModal(); },
       [&] {
         Press(CSpeedDialog::RateRadio(0));
         slider = StepSlider(CSpeedDialog::RateSlider(0));
       },
       CSpeedDialog::Saved, [&slider] { EXPECT_EQ(StoredNumber(L"Speed0"), static_cast<int>(slider)); }},
      {"monitoring window: its size",
       [](TestConsoleDlg& dlg) { return CPlayOpt(dlg.consoleState, &dlg).DoModal(); },
       [&] { slider = StepSlider(CPlayOpt::SizeSliderId); }, CPlayOpt::Closed,
       [&slider] { EXPECT_EQ(StoredNumber(L"PlaybackWndSize"), static_cast<int>(slider)); }},
      {"keypad: the year", [](TestConsoleDlg& dlg) { return CSetTimeDlg(&dlg, dlg.consoleState).DoModal(); },
       [&] {
         for (const char* digit : {"NUMPAD0", "NUMPAD2", "NUMPAD0", "NUMPAD3", "NUMPAD1"})
           Key(digit);
       },
       SetTimeStored,
       [this] {
         EXPECT_TRUE(dialog->consoleState.entrySet);
         EXPECT_EQ(GetDateTimeEntryDate(dialog->consoleState).substr(0, 5), L"02031");
       }},
      {"event editor: the memo",
       [](TestConsoleDlg& dlg) { return CEventDlg(dlg.consoleState, 1, &dlg).DoModal(); },
       [&] {
         Press(EventDlgIds::Enabled);
         Retype(EventDlgIds::Memo, L"Mars rising");
       },
       CEventDlg::Saved, [] { EXPECT_EQ(StoredText(L"Memo_1"), L"Mars rising"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    Open(c.run);
    ASSERT_EQ(result, -1) << "the dialog is open";
    c.type();
    Key("RETURN");
    Wait(100);
    EXPECT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
    EXPECT_EQ(result, c.saved);
    c.check();
  }
}

}  // namespace
