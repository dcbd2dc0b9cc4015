// The desktop's user: acting on the window in front by control id, answering message boxes,
// typing, and dumping the machine.
#include <fstream>
#include <tuple>

#include "platform/desktop/gdi/surface.h"
#include "platform/desktop/image_file.h"
#include "platform/driver/desktop_user.h"
#include "platform/driver/scenario.h"
#include "tests/afx/afx_fixture.h"

namespace {

class SpeedDlg : public CDialog {
 public:
  SpeedDlg() : CDialog(100) {}
  void OnNumber(UINT id) {
    SetDlgItemText(1002, std::to_wstring(id).c_str());
    SetTimer(7, 250);
  }
  void OnOK() override {
    if (AfxMessageBox(L"Close?", MB_YESNO) == IDYES) EndDialog(IDOK);
  }
  void OnTimer(UINT_PTR) {
    KillTimer(7);
    SetDlgItemText(1002, L"timed");
  }

 protected:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SpeedDlg, CDialog)
ON_COMMAND_RANGE(1010, 1012, &SpeedDlg::OnNumber)
ON_WM_TIMER()
END_MESSAGE_MAP()

class DesktopUserTest : public AfxTest {
 protected:
  DesktopUserTest() {
    start_app([] {
      CWinApp app(L"Speeds");
      app.SetRegistryKey(L"Halcyra Software");
      SpeedDlg dialog;
      app.m_pMainWnd = &dialog;
      int result = static_cast<int>(dialog.DoModal());
      app.WriteProfileIntW(L"Sample", L"Result", result);
      return result;
    });
  }
  driver::DesktopUser user{machine};
};

TEST_F(DesktopUserTest, ClicksReachTheControlsOfTheWindowInFront) {
  ASSERT_EQ(user.target_window(), find_dialog(L"Sample"));
  EXPECT_TRUE(user.click(1011));
  EXPECT_EQ(user.text_of(1002), L"1011");
  EXPECT_TRUE(user.press(1012));
  EXPECT_TRUE(user.release(1012));
  EXPECT_EQ(user.text_of(1002), L"1012");
  EXPECT_TRUE(user.wait(300));
  EXPECT_EQ(user.text_of(1002), L"timed");
}

TEST_F(DesktopUserTest, APenOrFingerTapClicksAsTheMouseDoes) {
  driver::ScenarioResult result = driver::ScenarioRunner(user).run("tap 1010 pen\n");
  ASSERT_TRUE(result) << result.reason;
  EXPECT_EQ(user.text_of(1002), L"1010");
  EXPECT_TRUE(user.tap(1011, driver::DesktopUser::Pointer::Finger));
  EXPECT_EQ(user.text_of(1002), L"1011");
  EXPECT_TRUE(user.press(1012, driver::DesktopUser::Pointer::Pen));
  EXPECT_TRUE(user.release(1012, driver::DesktopUser::Pointer::Pen));
  EXPECT_EQ(user.text_of(1002), L"1012");
}

TEST_F(DesktopUserTest, AClickAtAPointReachesWhateverIsThereAndAPointOffTheScreenIsAReason) {
  RECT button{};
  GetWindowRect(user.control(1011), &button);
  MapWindowPoints(nullptr, user.target_window(), reinterpret_cast<POINT*>(&button), 2);
  EXPECT_TRUE(user.click_at({button.left + 2, button.bottom - 2}));
  EXPECT_EQ(user.text_of(1002), L"1011");
  driver::Outcome away = user.click_at({5000, 5000}, driver::DesktopUser::Button::Right);
  EXPECT_FALSE(away);
  EXPECT_NE(away.reason.find("(5000, 5000) of \"Sample\" is out of the mouse's reach"), std::string::npos)
      << away.reason;
}

TEST_F(DesktopUserTest, ADragPressesAtItsFirstPointAndReleasesAtItsLast) {
  RECT button{};
  GetWindowRect(user.control(1011), &button);
  MapWindowPoints(nullptr, user.target_window(), reinterpret_cast<POINT*>(&button), 2);
  // Released over the button it was pressed on, through a point outside it: a click.
  EXPECT_TRUE(user.drag({{button.left + 2, button.top + 2}, {5, 5}, {button.right - 2, button.bottom - 2}}));
  EXPECT_EQ(user.text_of(1002), L"1011");
  driver::Outcome away = user.drag({{button.left + 2, button.top + 2}, {5000, 5000}});
  EXPECT_FALSE(away);
  EXPECT_NE(away.reason.find("(5000, 5000)"), std::string::npos) << away.reason;
  EXPECT_FALSE(user.drag({}));
}

TEST_F(DesktopUserTest, AMissingOrDisabledControlIsAReasonNotACrash) {
  driver::Outcome missing = user.click(4242);
  EXPECT_FALSE(missing);
  EXPECT_EQ(missing.reason, "no control 4242 in \"Sample\"");
  EnableWindow(user.control(1010), FALSE);
  EXPECT_EQ(user.click(1010).reason, "control 1010 is disabled");
  EXPECT_EQ(user.text_of(4242), L"");
  EXPECT_FALSE(user.choose(4242, 0));
  EXPECT_FALSE(user.key("NOSUCHKEY"));
}

TEST_F(DesktopUserTest, AControlAnotherWindowCoversIsNotClickedAndTheStepNamesTheCover) {
  MessageLog::register_class(L"Cover");
  HWND cover = start_peer(L"Cover", L"Always on top");
  RECT button{};
  GetWindowRect(user.control(1011), &button);
  SetWindowPos(cover, HWND_TOPMOST, button.left, button.top, button.right - button.left,
               button.bottom - button.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  machine.run_until_idle();
  driver::ScenarioResult result = driver::ScenarioRunner(user).run("click 1010\nclick 1011\n");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.line, 2);
  EXPECT_EQ(result.reason, "control 1011 is covered by \"Always on top\"");
  EXPECT_EQ(user.text_of(1002), L"1010");
  // Uncovered, the same click is done.
  ShowWindow(cover, SW_HIDE);
  machine.run_until_idle();
  EXPECT_TRUE(user.click(1011));
  EXPECT_EQ(user.text_of(1002), L"1011");
}

// Another program in front (Orvenna after a key was pressed in it, say) does not stop a click on
// a control that lies on top where the mouse presses it; one it covers stays refused.
TEST_F(DesktopUserTest, AControlOnTopIsClickedWhicheverWindowIsInFront) {
  MessageLog::register_class(L"Front");
  HWND front = start_peer(L"Front", L"Planetarium");
  SetWindowPos(front, HWND_TOP, 0, 0, 50, 50, SWP_SHOWWINDOW);
  ASSERT_TRUE(SetForegroundWindow(front));
  machine.run_until_idle();
  ASSERT_EQ(user.target_window(), front);
  EXPECT_TRUE(user.click(1011));
  EXPECT_EQ(user.text_of(1002), L"1011");

  RECT button{};
  GetWindowRect(user.control(1010), &button);
  SetWindowPos(front, HWND_TOP, button.left, button.top, button.right - button.left,
               button.bottom - button.top, SWP_SHOWWINDOW);
  SetForegroundWindow(front);
  machine.run_until_idle();
  driver::Outcome covered = user.click(1010);
  EXPECT_FALSE(covered);
  EXPECT_EQ(covered.reason, "control 1010 is covered by \"Planetarium\"");
  EXPECT_EQ(user.text_of(1002), L"1011");
}

class GroupDlg : public CDialog {
 public:
  GroupDlg() : CDialog(104) {}
  void OnFaster() { SetDlgItemText(1042, L"faster"); }
  void OnAsk() { AfxMessageBox(L"Faster still?", MB_OK); }

 protected:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GroupDlg, CDialog)
ON_BN_CLICKED(1041, &GroupDlg::OnFaster)
ON_BN_CLICKED(1043, &GroupDlg::OnAsk)
END_MESSAGE_MAP()

using GroupBoxTest = AfxTest;

// The box's button stood where the group box's button is: after the box has gone, what the mouse
// last found there is gone too, and the click inside the group box still reaches its button.
TEST_F(GroupBoxTest, TheFirstClickInsideAGroupBoxAfterABoxOverItClosedIsDone) {
  start_app([] {
    CWinApp app(L"Groups");
    GroupDlg dialog;
    app.m_pMainWnd = &dialog;
    return static_cast<int>(dialog.DoModal());
  });
  driver::DesktopUser user{machine};
  HWND dialog = find_dialog(L"Group");
  ASSERT_NE(dialog, nullptr);
  user.answer_next_message_box(IDOK);
  ASSERT_TRUE(user.click(1043));
  ASSERT_EQ(user.pending_answers(), 0u);
  driver::Outcome clicked = user.click(1041);
  EXPECT_TRUE(clicked) << clicked.reason;
  EXPECT_EQ(user.text_of(1042), L"faster");
  // A press on the group box itself, where no button is, reaches no button and is refused.
  EXPECT_FALSE(user.click(1040));
}

TEST_F(DesktopUserTest, AnAnswerGivenBeforeTheBoxOpensIsClickedWhenItShows) {
  user.answer_next_message_box(IDNO);
  EXPECT_TRUE(user.click(IDOK));
  EXPECT_EQ(exit_code(), -1);
  user.answer_next_message_box(IDYES);
  EXPECT_TRUE(user.key("RETURN"));
  EXPECT_EQ(exit_code(), IDOK);
  auto boxes = user.message_boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, L"Close?");
  EXPECT_EQ(boxes[0].title, L"Speeds");
  EXPECT_EQ(boxes[0].answer, IDNO);
  EXPECT_EQ(boxes[1].answer, IDYES);
  EXPECT_EQ(user.pending_answers(), 0u);
}

// Asks a second after a click, and goes on half a second after the answer Yes.
class AskingDlg : public CDialog {
 public:
  AskingDlg() : CDialog(100) {}
  void OnNumber(UINT) { SetTimer(AskTimer, 1000); }
  void OnTimer(UINT_PTR id) {
    KillTimer(id);
    if (id == GoOnTimer) {
      SetDlgItemText(1002, L"went on");
    } else if (AfxMessageBox(L"Go on?", MB_YESNO) == IDYES) {
      SetTimer(GoOnTimer, 500);
    }
  }

 protected:
  static constexpr UINT_PTR AskTimer = 1;
  static constexpr UINT_PTR GoOnTimer = 2;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(AskingDlg, CDialog)
ON_COMMAND_RANGE(1010, 1012, &AskingDlg::OnNumber)
ON_WM_TIMER()
END_MESSAGE_MAP()

using AskingTest = AfxTest;

// One long wait: the box takes its answer when it opens, and the program goes on within the wait.
TEST_F(AskingTest, ABoxThatOpensDuringAWaitTakesItsAnswerThenAndTheProgramRunsOn) {
  start_app([] {
    CWinApp app(L"Asking");
    AskingDlg dialog;
    app.m_pMainWnd = &dialog;
    return static_cast<int>(dialog.DoModal());
  });
  driver::DesktopUser user{machine};
  user.answer_next_message_box(IDYES);
  ASSERT_TRUE(user.click(1010));
  EXPECT_TRUE(user.wait(5000));
  EXPECT_EQ(user.pending_answers(), 0u);
  EXPECT_EQ(user.text_of(1002), L"went on");
}

TEST_F(DesktopUserTest, TypedTextReachesTheFocusedControlThroughTheKeyboardLayout) {
  SetWindowTextW(user.control(1002), L"");
  EXPECT_TRUE(user.type(L"Vega 2"));
  EXPECT_EQ(user.text_of(1002), L"Vega 2");
  EXPECT_TRUE(user.key("ESCAPE"));
  EXPECT_EQ(exit_code(), IDCANCEL);
}

TEST_F(DesktopUserTest, TheDumpHoldsWindowsControlsTimersRegistryBoxesAndProgramSections) {
  machine.observations().dump_sections["planetarium"] = [] { return std::string("{\"rate\": 1}"); };
  user.click(1010);
  std::string dump = user.dump_json();
  for (const char* part : {"\"class\": \"#32770\", \"title\": \"Sample\"", "\"program\": \"app.exe\"",
                           "{\"id\": 1002, \"class\": \"Edit\", \"text\": \"1010\", \"visible\": true",
                           "\"period\": 250", "\"planetarium\": {\"rate\": 1}"})
    EXPECT_NE(dump.find(part), std::string::npos) << part << "\n" << dump;
  user.key("ESCAPE");
  dump = user.dump_json();
  EXPECT_NE(
      dump.find("\"HKEY_CURRENT_USER\\\\Software\\\\Halcyra Software\\\\Speeds\\\\Sample\\\\Result\": 2"),
      std::string::npos)
      << dump;
}

TEST_F(DesktopUserTest, AScreenshotIsAPictureOfTheWholeScreenWithTheDialogOnIt) {
  const auto file = machine.data_folder() / "screen.png";
  ASSERT_TRUE(user.screenshot(file));
  desktop::ImageLoad loaded = desktop::load_image_file(file);
  ASSERT_TRUE(loaded) << loaded.failure;
  EXPECT_EQ(loaded.image->width, machine.screen().right);
  EXPECT_EQ(loaded.image->height, machine.screen().bottom);
  // A corner of the dialog's client area, where no control is: the dialog's face colour.
  RECT client{};
  GetClientRect(user.target_window(), &client);
  POINT corner{2, client.bottom - 3};
  ClientToScreen(user.target_window(), &corner);
  EXPECT_EQ(loaded.image->at(corner.x, corner.y) & 0xFFFFFFu, desktop::pixel_of(GetSysColor(COLOR_BTNFACE)));
  EXPECT_FALSE(user.screenshot(machine.data_folder() / "no such folder" / "screen.png"));
}

TEST_F(DesktopUserTest, AScenarioClicksThroughTheDialogAndDumpsIt) {
  const auto dump_file = machine.data_folder() / "dump.json";
  driver::ScenarioRunner runner(user);
  driver::ScenarioResult result = runner.run(
      "# a sample run\n"
      "click 1011\n"
      "type  x#y\n"
      "wait 300\n"
      "answer IDYES\n"
      "click IDOK   # asks first\n"
      "dump " +
      dump_file.string() + "\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_EQ(exit_code(), IDOK);
  std::ifstream in(dump_file);
  std::string dump((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(dump.find("{\"text\": \"Close?\", \"title\": \"Speeds\", \"style\": 4, \"answer\": 6}"),
            std::string::npos)
      << dump;
}

TEST_F(DesktopUserTest, AnEndedProgramLosesItsWindowsAtOnceWithoutItsOwnEnding) {
  driver::ScenarioResult result = driver::ScenarioRunner(user).run("click 1011\nend APP.EXE\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_EQ(exit_code(), 1);
  EXPECT_EQ(find_dialog(L"Sample"), nullptr);
  HKEY written = nullptr;
  EXPECT_NE(
      RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Halcyra Software\\Speeds\\Sample", 0, KEY_READ, &written),
      ERROR_SUCCESS)
      << "the program wrote nothing on its way out";
  result = driver::ScenarioRunner(user).run("end app.exe\n");
  EXPECT_EQ(result.reason, "no window of app.exe");
}

TEST_F(DesktopUserTest, AScenarioStopsAtTheFirstStepThatCannotRunWithItsLine) {
  const std::pair<const char*, std::pair<int, const char*>> cases[] = {
      {"click 1010\nfly 3\n", {2, "unknown step \"fly\""}},
      {"\nclick 999\n", {2, "no control 999 in \"Sample\""}},
      {"click\n", {1, "expected: click ID"}},
      {"wait soon\n", {1, "wait takes milliseconds, up to a day"}},
      {"answer IDYES\nclick 1010\n", {1, "no message box or dialog came to take this answer"}},
      {"click 1010\nanswer \"C:\\My Shows\\show.ocsf\"   # no dialog opens\n",
       {2, "no message box or dialog came to take this answer"}},
      {"answer IDOK\nclick IDOK\n", {1, "the message box \"Close?\" has no button 1"}},
      {"answer show.ocsf\n",
       {1, "\"show.ocsf\" is no button id, colour, CANCEL or full path such as C:\\shows\\a.ocsf"}},
      {"tap 1010 stylus\n", {1, "expected: tap ID pen|finger"}},
      {"keydown Q\n", {1, "unknown key \"Q\""}},
      {"end\n", {1, "expected: end PROGRAM"}},
      {"end mpv.exe\n", {1, "no window of mpv.exe"}},
  };
  for (const auto& [text, expected] : cases) {
    driver::DesktopUser fresh(machine);
    driver::ScenarioResult result = driver::ScenarioRunner(fresh).run(text);
    EXPECT_FALSE(result) << text;
    EXPECT_EQ(result.line, expected.first) << text;
    EXPECT_EQ(result.reason, expected.second) << text;
  }
}

}  // namespace

namespace {

class ChoiceDlg : public CDialog {
 public:
  ChoiceDlg() : CDialog(102) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (const wchar_t* planet : {L"MERCURY", L"VENUS", L"EARTH"})
      planets.AddString(planet);
    return TRUE;
  }
  void OnPlanetChosen() { SetDlgItemText(1021, planets.GetLBText(planets.GetCurSel()).c_str()); }
  CComboBox planets;

 protected:
  void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 1020, planets); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChoiceDlg, CDialog)
ON_CBN_SELCHANGE(1020, &ChoiceDlg::OnPlanetChosen)
END_MESSAGE_MAP()

using ChooseTest = AfxTest;

TEST_F(ChooseTest, ChoosingAnItemSelectsItAndTellsTheParent) {
  std::wstring beyond = L"unread";
  start_app([&beyond] {
    CWinApp app(L"Choices");
    ChoiceDlg dialog;
    INT_PTR result = dialog.DoModal();
    return static_cast<int>(result);
  });
  driver::DesktopUser user(machine);
  const driver::Outcome chosen = user.choose(1020, 1);
  EXPECT_TRUE(chosen) << chosen.reason;
  EXPECT_EQ(user.text_of(1021), L"VENUS");
  driver::Outcome refused = user.choose(1020, 3);
  EXPECT_EQ(refused.reason, "combo box 1020 has 3 items");
  EXPECT_EQ(user.text_of(1021), L"VENUS");
  EXPECT_TRUE(user.key("ESCAPE"));
  EXPECT_EQ(exit_code(), IDCANCEL);
}

}  // namespace

namespace {

// An up-down with its number field, a time picker and a list of rows; the static says what the
// dialog heard last.
class ControlsDlg : public CDialog {
 public:
  ControlsDlg() : CDialog(103) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    spin.SetRange32(0, 10);
    spin.SetPos32(4);
    list.InsertColumn(0, L"File name", LVCFMT_LEFT, 120);
    list.InsertColumn(1, L"Size", LVCFMT_LEFT, 100);
    for (int row = 0; row < 30; ++row) {
      list.InsertItem(row, (L"talk" + std::to_wstring(row) + L".pdf").c_str());
      list.SetItemText(row, 1, (std::to_wstring(row) + L" KByte").c_str());
    }
    return TRUE;
  }
  void OnTimeChanged(NMHDR*, LRESULT*) { SetDlgItemText(1034, L"time changed"); }
  void OnDatePicked(NMHDR* header, LRESULT*) {
    const SYSTEMTIME& day = reinterpret_cast<NMSELCHANGE*>(header)->stSelStart;
    SetDlgItemText(1034, (L"picked " + std::to_wstring(day.wYear) + L"/" + std::to_wstring(day.wMonth) +
                          L"/" + std::to_wstring(day.wDay))
                             .c_str());
  }
  void OnOpenRow(NMHDR* header, LRESULT*) {
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    SetDlgItemText(1034, (L"opened " + list.GetItemText(row, 0)).c_str());
  }
  CSpinButtonCtrl spin;
  CListCtrl list;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 1031, spin);
    DDX_Control(dx, 1033, list);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlsDlg, CDialog)
ON_NOTIFY(DTN_DATETIMECHANGE, 1032, &ControlsDlg::OnTimeChanged)
ON_NOTIFY(NM_DBLCLK, 1033, &ControlsDlg::OnOpenRow)
ON_NOTIFY(MCN_SELECT, 1035, &ControlsDlg::OnDatePicked)
END_MESSAGE_MAP()

class ControlStepsTest : public AfxTest {
 protected:
  ControlStepsTest() {
    start_app([] {
      CWinApp app(L"Controls");
      ControlsDlg dialog;
      return static_cast<int>(dialog.DoModal());
    });
  }
  driver::DesktopUser user{machine};
};

TEST_F(ControlStepsTest, AScenarioSpinsSetsATimeAndOpensARowWithTheMouseAndKeyboard) {
  driver::ScenarioResult result = driver::ScenarioRunner(user).run(
      "spin 1031 up 3\n"
      "spin 1031 down\n"
      "settime 1032 12:30:45\n"
      "row 1033 25\n"
      "dblrow 1033 27\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_EQ(user.text_of(1030), L"6");
  EXPECT_EQ(user.text_of(1032), L"12:30:45");
  EXPECT_EQ(user.text_of(1034), L"opened talk27.pdf");
  const std::string dump = user.dump_json();
  EXPECT_NE(dump.find("\"position\": 6"), std::string::npos) << dump;
  EXPECT_NE(dump.find("\"selection\": 27, \"rows\": [[\"talk0.pdf\", \"0 KByte\"]"), std::string::npos);
  EXPECT_NE(dump.find("\"topmost\": false"), std::string::npos);
}

TEST_F(ControlStepsTest, PickdateTurnsTheCalendarsPagesWithItsArrowsAndClicksTheDay) {
  // The calendar opens on the desktop's first day, 1 January 2026.
  for (const auto& [step, picked, selection] :
       {std::tuple{"pickdate 1035 2027-03-31\n", L"picked 2027/3/31", "\"selection\": \"2027-03-31\""},
        std::tuple{"pickdate 1035 2025-11-09\n", L"picked 2025/11/9", "\"selection\": \"2025-11-09\""},
        std::tuple{"pickdate 1035 2025-11-30\n", L"picked 2025/11/30", "\"selection\": \"2025-11-30\""}}) {
    driver::ScenarioResult result = driver::ScenarioRunner(user).run(step);
    ASSERT_TRUE(result) << step << result.reason;
    EXPECT_EQ(user.text_of(1034), picked);
    const std::string dump = user.dump_json();
    EXPECT_NE(dump.find(std::string("\"class\": \"SysMonthCal32\", \"text\": \"\"")), std::string::npos);
    EXPECT_NE(dump.find(selection), std::string::npos) << dump;
  }
}

TEST_F(ControlStepsTest, StepsOnTheWrongControlOrOutOfRangeAreReasons) {
  const std::pair<const char*, const char*> cases[] = {
      {"pickdate 1033 2026-01-05\n", "no month calendar 1033"},
      {"pickdate 1035 2026-02-29\n", "expected: pickdate ID YYYY-MM-DD, from 1601-01-01 to 9999-12-31"},
      {"pickdate 1035 1600-12-31\n", "expected: pickdate ID YYYY-MM-DD, from 1601-01-01 to 9999-12-31"},
      {"pickdate 1035 2026-1-5\n", "expected: pickdate ID YYYY-MM-DD, from 1601-01-01 to 9999-12-31"},
      {"spin 1030 up\n", "no up-down 1030"},
      {"spin 1031 sideways\n", "expected: spin ID up|down [N]"},
      {"settime 1032 25:00:00\n", "expected: settime ID HH:MM:SS"},
      {"settime 1033 10:00:00\n", "no time picker 1033"},
      {"row 1033 30\n", "list view 1033 has 30 rows"},
  };
  for (const auto& [text, reason] : cases) {
    driver::ScenarioResult result = driver::ScenarioRunner(user).run(text);
    EXPECT_FALSE(result) << text;
    EXPECT_EQ(result.reason, reason) << text;
  }
}

}  // namespace
