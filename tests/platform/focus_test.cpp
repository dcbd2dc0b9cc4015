#include <algorithm>
#include <set>
#include <tuple>

#include "tests/platform/desktop_fixture.h"

namespace {

using Event = std::tuple<HWND, UINT, WPARAM, LPARAM>;

// The focus and activation messages of the log, in order.
std::vector<Event> activation_events() {
  static const std::set<UINT> kinds = {WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS};
  std::vector<Event> events;
  for (const auto& entry : MessageLog::entries())
    if (kinds.contains(entry.message))
      events.emplace_back(entry.hwnd, entry.message, entry.wParam, entry.lParam);
  return events;
}

WPARAM as_wparam(HWND hwnd) {
  return reinterpret_cast<WPARAM>(hwnd);
}
LPARAM as_lparam(HWND hwnd) {
  return reinterpret_cast<LPARAM>(hwnd);
}

class FocusTest : public DesktopTest {
 protected:
  FocusTest() { MessageLog::register_class(L"Logged"); }

  // A program whose main thread shows a window and pumps messages until it is told to quit.
  HWND start_window_program(const std::wstring& name, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    HWND made = nullptr;
    start_program(name, [&made, style] {
      MessageLog::register_class(L"Logged");
      made = create_logged_window(L"Logged", L"Program", style, nullptr, 0, {400, 300, 700, 500});
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      return DWORD{0};
    });
    machine.run_until_idle();
    return made;
  }

  DWORD thread_of(HWND hwnd) { return GetWindowThreadProcessId(hwnd, nullptr); }
};

TEST_F(FocusTest, ActivatingAnotherWindowOfTheThreadMovesActivationThenFocus) {
  HWND first = create_logged_window(L"Logged", L"First", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_EQ(GetActiveWindow(), first);
  ASSERT_EQ(GetFocus(), first);
  MessageLog::entries().clear();

  HWND second = create_logged_window(L"Logged", L"Second", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  std::vector<Event> expected = {
      {first, WM_NCACTIVATE, FALSE, 0},
      {first, WM_ACTIVATE, WA_INACTIVE, as_lparam(second)},
      {second, WM_NCACTIVATE, TRUE, 0},
      {second, WM_ACTIVATE, WA_ACTIVE, as_lparam(first)},
      {first, WM_KILLFOCUS, as_wparam(second), 0},
      {second, WM_SETFOCUS, as_wparam(first), 0},
  };
  EXPECT_EQ(activation_events(), expected);
  EXPECT_EQ(GetActiveWindow(), second);
  EXPECT_EQ(GetForegroundWindow(), second);

  HWND edit = create_logged_window(L"Logged", L"Edit", WS_CHILD | WS_VISIBLE, second, 7, {5, 5, 50, 20});
  MessageLog::entries().clear();
  EXPECT_EQ(SetFocus(edit), second);
  expected = {{second, WM_KILLFOCUS, as_wparam(edit), 0}, {edit, WM_SETFOCUS, as_wparam(second), 0}};
  EXPECT_EQ(activation_events(), expected);
  EXPECT_EQ(GetFocus(), edit);

  // Focus on a child of an inactive window activates that window first.
  HWND button = create_logged_window(L"Logged", L"Button", WS_CHILD | WS_VISIBLE, first, 8, {5, 5, 50, 20});
  MessageLog::entries().clear();
  EXPECT_EQ(SetFocus(button), edit);
  expected = {
      {second, WM_NCACTIVATE, FALSE, 0},
      {second, WM_ACTIVATE, WA_INACTIVE, as_lparam(first)},
      {first, WM_NCACTIVATE, TRUE, 0},
      {first, WM_ACTIVATE, WA_ACTIVE, as_lparam(second)},
      {edit, WM_KILLFOCUS, as_wparam(first), 0},
      {first, WM_SETFOCUS, as_wparam(edit), 0},
      {first, WM_KILLFOCUS, as_wparam(button), 0},
      {button, WM_SETFOCUS, as_wparam(first), 0},
  };
  EXPECT_EQ(activation_events(), expected);
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(SetFocus(nullptr), button);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(FocusTest, ShowCommandsActivateOrNotAsWindowsDoes) {
  struct Case {
    int command;
    bool activates;
  };
  const Case cases[] = {
      {SW_SHOW, true},    {SW_SHOWNORMAL, true},      {SW_RESTORE, true},          {SW_SHOWMAXIMIZED, true},
      {SW_SHOWNA, false}, {SW_SHOWNOACTIVATE, false}, {SW_SHOWMINNOACTIVE, false},
  };
  HWND front = create_logged_window(L"Logged", L"Front", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  for (const Case& c : cases) {
    SetActiveWindow(front);
    HWND shown = create_logged_window(L"Logged", L"Shown", WS_OVERLAPPEDWINDOW);
    ShowWindow(shown, c.command);
    EXPECT_EQ(GetActiveWindow() == shown, c.activates) << "command " << c.command;
    EXPECT_EQ(GetForegroundWindow() == shown, c.activates) << "command " << c.command;
    DestroyWindow(shown);
  }

  HWND later = create_logged_window(L"Logged", L"Later", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetActiveWindow(front);
  SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetActiveWindow(), front);
  SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetActiveWindow(), later);
  EXPECT_EQ(SetActiveWindow(front), later);
  EXPECT_EQ(GetTopWindow(nullptr), front);
}

TEST_F(FocusTest, AShownMinimisedWindowIsActiveWithoutFocus) {
  HWND window = create_logged_window(L"Logged", L"Icon", WS_OVERLAPPEDWINDOW);
  ShowWindow(window, SW_SHOWMINIMIZED);
  EXPECT_EQ(GetActiveWindow(), window);
  EXPECT_EQ(GetFocus(), nullptr);
  bool minimized_flag = false;
  for (const auto& [hwnd, message, wParam, lParam] : activation_events())
    if (message == WM_ACTIVATE) minimized_flag = HIWORD(wParam) != 0;
  EXPECT_TRUE(minimized_flag);
  EXPECT_EQ(SetFocus(window), nullptr);
}

TEST_F(FocusTest, HidingOrDestroyingTheActiveWindowActivatesItsOwnerOrTheNextWindow) {
  HWND back = create_logged_window(L"Logged", L"Back", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND owner = create_logged_window(L"Logged", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND popup = create_logged_window(L"Logged", L"Popup", WS_POPUP | WS_VISIBLE, owner);
  ASSERT_EQ(GetActiveWindow(), popup);
  EXPECT_EQ(GetLastActivePopup(owner), popup);

  // The owner comes back even though the other window was activated more recently than it.
  SetActiveWindow(back);
  SetActiveWindow(popup);
  DestroyWindow(popup);
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(GetFocus(), owner);
  EXPECT_EQ(GetLastActivePopup(owner), owner);

  MessageLog::entries().clear();
  ShowWindow(owner, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), back);
  EXPECT_EQ(GetForegroundWindow(), back);
  std::vector<Event> expected = {
      {owner, WM_NCACTIVATE, FALSE, 0},
      {owner, WM_ACTIVATE, WA_INACTIVE, as_lparam(back)},
      {back, WM_NCACTIVATE, TRUE, 0},
      {back, WM_ACTIVATE, WA_ACTIVE, as_lparam(owner)},
      {owner, WM_KILLFOCUS, as_wparam(back), 0},
      {back, WM_SETFOCUS, as_wparam(owner), 0},
  };
  EXPECT_EQ(activation_events(), expected);

  // The last window gone, nothing is active and nothing is in front.
  DestroyWindow(back);
  DestroyWindow(owner);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetForegroundWindow(), nullptr);
}

// A box shown while its dialog opens (the dialog still hidden, or its owner disabled behind
// it) closes before the dialog shows: the keyboard must not fall to another program meanwhile.
TEST_F(FocusTest, AnOwnerThatShowsLateTakesTheActivationBackFromAClosedBox) {
  struct Case {
    const char* name;
    bool box_owned_by_hidden_dialog;
  };
  for (const Case& c :
       {Case{"owned by the hidden dialog", true}, Case{"owned by its disabled owner", false}}) {
    SCOPED_TRACE(c.name);
    HWND other = start_window_program(L"other.exe");
    HWND console = create_logged_window(L"Logged", L"Console", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(SetForegroundWindow(console));
    EnableWindow(console, FALSE);
    HWND dialog = create_logged_window(L"Logged", L"Dialog", WS_POPUP, console);
    HWND box = create_logged_window(L"Logged", L"Box", WS_POPUP | WS_VISIBLE,
                                    c.box_owned_by_hidden_dialog ? dialog : console);
    ASSERT_EQ(GetActiveWindow(), box);

    DestroyWindow(box);
    machine.run_until_idle();
    EXPECT_NE(GetForegroundWindow(), other);
    ShowWindow(dialog, SW_SHOWNORMAL);
    machine.run_until_idle();
    EXPECT_EQ(GetForegroundWindow(), dialog);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(GetFocus(), dialog);

    // What the presenter types next reaches the dialog, not the other program.
    MessageLog::entries().clear();
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = '1';
    SendInput(1, &key, sizeof(INPUT));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&msg);
    machine.run_until_idle();
    auto key_downs = [](HWND hwnd) { return std::ranges::count(MessageLog::messages_of(hwnd), WM_KEYDOWN); };
    EXPECT_EQ(key_downs(dialog), 1);
    EXPECT_EQ(key_downs(other), 0);

    EnableWindow(console, TRUE);
    DestroyWindow(dialog);
    DestroyWindow(console);
    PostMessageW(other, WM_QUIT, 0, 0);
    machine.run_until_idle();
  }
}

TEST_F(FocusTest, AFocusedChildThatGoesAwayOrIsDisabledGivesUpTheFocus) {
  HWND dialog = create_logged_window(L"Logged", L"Dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND group = create_logged_window(L"Logged", L"Group", WS_CHILD | WS_VISIBLE, dialog, 1, {0, 0, 100, 100});
  HWND edit = create_logged_window(L"Logged", L"Edit", WS_CHILD | WS_VISIBLE, group, 2, {0, 0, 50, 20});

  SetFocus(edit);
  ShowWindow(group, SW_HIDE);  // the focus was inside: it goes to the hidden window's parent
  EXPECT_EQ(GetFocus(), dialog);
  EXPECT_EQ(SetFocus(edit), dialog);  // a window inside a hidden one may still take it
  ShowWindow(group, SW_SHOW);

  SetFocus(edit);
  MessageLog::entries().clear();
  EnableWindow(group, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  std::vector<Event> expected = {{edit, WM_KILLFOCUS, 0, 0}};
  EXPECT_EQ(activation_events(), expected);
  EXPECT_EQ(SetFocus(edit), nullptr);  // inside a disabled window
  EXPECT_EQ(GetFocus(), nullptr);
  EnableWindow(group, TRUE);

  SetFocus(edit);
  DestroyWindow(group);
  EXPECT_EQ(GetFocus(), dialog);
  EXPECT_EQ(GetActiveWindow(), dialog);
}

TEST_F(FocusTest, TheForegroundMovesBetweenProgramsWithActivateApp) {
  HWND console = create_logged_window(L"Logged", L"Console", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  MessageLog::entries().clear();
  const DWORD console_thread = GetCurrentThreadId();

  // A program's first window takes the foreground from the program in front.
  HWND program = start_window_program(L"program.exe");
  ASSERT_NE(program, nullptr);
  const DWORD program_thread = thread_of(program);
  EXPECT_EQ(GetForegroundWindow(), program);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  std::vector<Event> expected = {
      {console, WM_NCACTIVATE, FALSE, 0},
      {console, WM_ACTIVATE, WA_INACTIVE, as_lparam(program)},
      {console, WM_ACTIVATEAPP, FALSE, static_cast<LPARAM>(program_thread)},
      {console, WM_KILLFOCUS, 0, 0},
  };
  std::vector<Event> expected_program = {
      {program, WM_ACTIVATEAPP, TRUE, static_cast<LPARAM>(console_thread)},
      {program, WM_NCACTIVATE, TRUE, 0},
      {program, WM_ACTIVATE, WA_ACTIVE, as_lparam(console)},
      {program, WM_SETFOCUS, 0, 0},
  };
  std::vector<Event> console_events, program_events;
  for (const Event& event : activation_events())
    (std::get<0>(event) == console ? console_events : program_events).push_back(event);
  EXPECT_EQ(console_events, expected);
  EXPECT_EQ(program_events, expected_program);

  // Back to the console: it comes forward at once, the program hears of it when it next runs.
  MessageLog::entries().clear();
  EXPECT_TRUE(SetForegroundWindow(console));
  EXPECT_EQ(GetForegroundWindow(), console);
  EXPECT_EQ(GetActiveWindow(), console);
  EXPECT_EQ(GetFocus(), console);
  expected = {
      {console, WM_ACTIVATEAPP, TRUE, static_cast<LPARAM>(program_thread)},
      {console, WM_NCACTIVATE, TRUE, 0},
      {console, WM_ACTIVATE, WA_ACTIVE, as_lparam(program)},
      {console, WM_SETFOCUS, 0, 0},
  };
  EXPECT_EQ(activation_events(), expected);
  machine.run_until_idle();
  expected.insert(expected.end(), {
                                      {program, WM_NCACTIVATE, FALSE, 0},
                                      {program, WM_ACTIVATE, WA_INACTIVE, as_lparam(console)},
                                      {program, WM_ACTIVATEAPP, FALSE, static_cast<LPARAM>(console_thread)},
                                      {program, WM_KILLFOCUS, 0, 0},
                                  });
  EXPECT_EQ(activation_events(), expected);

  // And to the program again, from the console: the program activates when it next runs.
  MessageLog::entries().clear();
  EXPECT_TRUE(SetForegroundWindow(program));
  EXPECT_EQ(GetForegroundWindow(), program);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_TRUE(std::none_of(MessageLog::entries().begin(), MessageLog::entries().end(),
                           [&](const LoggedMessage& entry) { return entry.hwnd == program; }));
  machine.run_until_idle();
  EXPECT_EQ(GetForegroundWindow(), program);
  EXPECT_EQ(MessageLog::messages_of(program).back(), static_cast<UINT>(WM_SETFOCUS));
  PostMessageW(program, WM_QUIT, 0, 0);
}

TEST_F(FocusTest, AnotherThreadsWindowTakesFocusOnlyWhileTheThreadsAreAttached) {
  HWND console = create_logged_window(L"Logged", L"Console", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND program = start_window_program(L"program.exe");
  SetForegroundWindow(console);
  machine.run_until_idle();
  ASSERT_EQ(GetFocus(), console);

  EXPECT_EQ(SetFocus(program), nullptr);
  EXPECT_EQ(SetActiveWindow(program), nullptr);
  EXPECT_EQ(GetFocus(), console);
  EXPECT_EQ(GetActiveWindow(), console);

  const DWORD me = GetCurrentThreadId();
  const DWORD other = thread_of(program);
  EXPECT_FALSE(AttachThreadInput(me, me, TRUE));
  ASSERT_TRUE(AttachThreadInput(me, other, TRUE));
  EXPECT_EQ(SetFocus(program), console);
  EXPECT_EQ(GetFocus(), program);
  EXPECT_EQ(GetActiveWindow(), program);
  machine.run_until_idle();
  EXPECT_EQ(MessageLog::messages_of(program).back(), static_cast<UINT>(WM_SETFOCUS));

  ASSERT_TRUE(AttachThreadInput(me, other, FALSE));
  EXPECT_FALSE(AttachThreadInput(me, other, FALSE));
  EXPECT_EQ(GetFocus(), nullptr);  // the focus stayed with the program's thread
  EXPECT_EQ(SetFocus(program), nullptr);
  PostMessageW(program, WM_QUIT, 0, 0);
}

TEST_F(FocusTest, BringWindowToTopAndSwitchToThisWindowActivate) {
  HWND first = create_logged_window(L"Logged", L"First", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND second = create_logged_window(L"Logged", L"Second", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = create_logged_window(L"Logged", L"Child", WS_CHILD | WS_VISIBLE, first, 3, {0, 0, 10, 10});
  EXPECT_TRUE(BringWindowToTop(child));
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(GetTopWindow(nullptr), first);

  ShowWindow(second, SW_MINIMIZE);
  EXPECT_EQ(GetActiveWindow(), first);
  SwitchToThisWindow(second, TRUE);
  EXPECT_FALSE(IsIconic(second));
  EXPECT_EQ(GetForegroundWindow(), second);
  EXPECT_EQ(GetFocus(), second);
}

}  // namespace
