// An event prepared in the event editor with the desktop's mouse and keyboard, then played by
// its event button on the console against the stand-in Orvenna.
#include <string>

#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_date.h"
#include "platform/driver/desktop_user.h"
#include "src/dialogs/events/event_dlg.h"
#include "src/dialogs/events/event_dlg_ids.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/dialogs/dialog_program.h"

namespace {

using namespace EventDlgIds;

constexpr int SecondEventButton = 1061;
constexpr int MarsBody = 54;
constexpr int JupiterBody = 38;
constexpr wchar_t DateMessage[] = L"The date is not in a valid format. Please enter a valid date.";

class EventEditorTest : public ConsoleWithOrvennaTest {
 protected:
  void OpenEditor(int eventNumber) {
    editor = &StartDialogProgram(
        machine, [eventNumber](CWnd* owner) { return CEventDlg(owner, eventNumber).DoModal(); },
        {100, 100, 900, 700});
    machine.run_until_idle();
  }
  // The field emptied with the keyboard, then typed into.
  void Enter(int id, const std::wstring& text) {
    ASSERT_TRUE(user.click(id));
    ASSERT_TRUE(user.key("END"));
    for (std::size_t i = user.text_of(id).size(); i > 0; --i)
      ASSERT_TRUE(user.key("BACK"));
    ASSERT_TRUE(user.type(text));
  }
  int FocusedId() {
    const DWORD thread = GetWindowThreadProcessId(user.target_window(), nullptr);
    return GetDlgCtrlID(machine.focus().context_of(thread).focus);
  }

  driver::DesktopUser user{machine};
  desktop::Process* editor = nullptr;
};

TEST_F(EventEditorTest, AnEventMadeInTheEditorPlaysFromItsButton) {
  OpenEditor(2);
  ASSERT_FALSE(editor->object->signalled);
  ASSERT_TRUE(user.click(Enabled));
  ASSERT_TRUE(user.click(DateAndPlace));
  Enter(Date, L"2025/2/30");
  user.answer_next_message_box(IDOK);
  ASSERT_TRUE(user.click(Save));
  ASSERT_EQ(user.message_boxes().size(), 1u);
  EXPECT_EQ(user.message_boxes()[0].text, DateMessage);
  EXPECT_EQ(FocusedId(), Date);
  EXPECT_FALSE(editor->object->signalled);
  EXPECT_FALSE(SettingsReader().Text(L"Date_2", 15).has_value());

  Enter(Date, L"2024/8/12");
  ASSERT_TRUE(user.set_time(Time, 21, 30, 0));
  const std::pair<int, const wchar_t*> place[] = {{1800, L"4"},   {1801, L"35"}, {1802, L"24"}, {1803, L"s"},
                                                  {1804, L"137"}, {1805, L"26"}, {1806, L"30"}, {1807, L"E"}};
  for (const auto& [id, text] : place)
    Enter(id, text);
  ASSERT_TRUE(user.choose(StandingBody, MarsBody));
  ASSERT_TRUE(user.click(WantTarget));
  ASSERT_TRUE(user.click(TargetIsBody));
  ASSERT_TRUE(user.choose(TargetBody, JupiterBody));
  Enter(Memo, L"Gale \"crater\"");
  ASSERT_TRUE(user.click(Save));
  ASSERT_TRUE(editor->object->signalled);
  EXPECT_EQ(editor->object->exit_code, static_cast<DWORD>(CEventDlg::Saved));

  SettingsReader stored;
  EXPECT_EQ(stored.Text(L"Date_2", 15), L"2024/8/12");
  EXPECT_EQ(stored.Text(L"Lat_2", 12), L"4 35 24 S");
  EXPECT_EQ(stored.Text(L"Long_2", 12), L"137 26 30 E");
  EXPECT_EQ(stored.Text(L"Memo_2", 42), L"Gale \"crater\"");
  EXPECT_EQ(stored.Int(L"Hour_2"), 21);
  EXPECT_EQ(stored.Int(L"Min_2"), 30);
  EXPECT_EQ(stored.Int(L"flags_2"), 4);
  EXPECT_EQ(stored.Int(L"planet_2"), MarsBody);
  EXPECT_EQ(stored.Int(L"DefPos_2"), JupiterBody);
  EXPECT_EQ(stored.Flag(L"WantTarget_2"), true);
  EXPECT_EQ(stored.Flag(L"Act_2"), true);

  ASSERT_TRUE(user.click_in(MainDialog(), SecondEventButton));
  Wait(20000);
  const orvenna::SkyState sky = *probe->state();
  EXPECT_EQ(orvenna::format_date(sky.utc_seconds()).substr(0, 16), "2024-08-12T21:30");
  EXPECT_EQ(sky.observer().planet, "Mars");
  EXPECT_NEAR(sky.observer().latitude, -(4 + 35 / 60.0 + 24 / 3600.0), 1e-4);
  EXPECT_NEAR(sky.observer().longitude, 137 + 26 / 60.0 + 30 / 3600.0, 1e-4);
  EXPECT_EQ(sky.observer().name, "#2: Gale \"crater\"");
  EXPECT_EQ(sky.selection(), "Jupiter");
}

}  // namespace
