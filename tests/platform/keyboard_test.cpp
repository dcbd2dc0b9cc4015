#include <thread>
#include <tuple>

#include "tests/platform/desktop_fixture.h"

namespace {

using Event = std::tuple<HWND, UINT, WPARAM, LPARAM>;

std::vector<Event> key_events() {
  std::vector<Event> events;
  for (const auto& entry : MessageLog::entries())
    if (entry.message >= WM_KEYFIRST && entry.message <= WM_KEYLAST)
      events.emplace_back(entry.hwnd, entry.message, entry.wParam, entry.lParam);
  return events;
}

KEYBDINPUT scan_down(WORD scan) {
  return {0, scan, KEYEVENTF_SCANCODE, 0, 0};
}
KEYBDINPUT scan_up(WORD scan) {
  return {0, scan, KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP, 0, 0};
}

// One SendInput call per record, as the console makes them.
void send(std::initializer_list<KEYBDINPUT> records) {
  for (const KEYBDINPUT& record : records) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki = record;
    ASSERT_EQ(SendInput(1, &input, sizeof(INPUT)), 1u);
  }
}

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

LPARAM key_lparam(DWORD bits) {
  return static_cast<LPARAM>(bits);
}

class KeyboardTest : public DesktopTest {
 protected:
  KeyboardTest() { MessageLog::register_class(L"Logged"); }

  struct Planetarium {
    HWND main = nullptr;
    HWND view = nullptr;
  };

  // A program on its own thread with a main window whose render child takes the focus the main
  // window gets; it reads keys with the layout klid.
  Planetarium start_planetarium(const wchar_t* klid) {
    planetarium_ = {};
    start_program(L"orvenna.exe", [this, klid] {
      LoadKeyboardLayoutW(klid, KLF_ACTIVATE);
      MessageLog::register_class(L"Logged");
      MessageLog::handler() = [this](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_SETFOCUS && hwnd == planetarium_.main && planetarium_.view)
          SetFocus(planetarium_.view);
        return false;
      };
      planetarium_.main = create_logged_window(L"Logged", L"Orvenna 0.18.1", WS_OVERLAPPEDWINDOW);
      planetarium_.view =
          create_logged_window(L"Logged", L"", WS_CHILD | WS_VISIBLE, planetarium_.main, 0, {0, 0, 200, 100});
      ShowWindow(planetarium_.main, SW_SHOW);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      return DWORD{0};
    });
    machine.run_until_idle();
    return planetarium_;
  }

  void stop_planetarium() {
    PostMessageW(planetarium_.main, WM_QUIT, 0, 0);
    machine.run_until_idle();
  }

  // A focused window of the test's own thread, reading keys with the layout klid.
  HWND focused_window(const wchar_t* klid) {
    LoadKeyboardLayoutW(klid, KLF_ACTIVATE);
    HWND hwnd = create_logged_window(L"Logged", L"Keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    MessageLog::entries().clear();
    return hwnd;
  }

  Planetarium planetarium_;
};

TEST_F(KeyboardTest, ScanCodesBecomeTheKeysOfTheFocusThreadsLayout) {
  struct Case {
    const wchar_t* klid;
    WORD scan;
    WPARAM vk;
    wchar_t typed;
  };
  const Case cases[] = {
      {L"00000409", 0x02, '1', L'1'},       {L"00000409", 0x10, 'Q', L'q'},
      {L"00000409", 0x27, VK_OEM_1, L';'},  {L"0000040C", 0x02, '1', L'&'},
      {L"0000040C", 0x10, 'A', L'a'},       {L"0000040C", 0x33, VK_OEM_PERIOD, L';'},
      {L"00000407", 0x15, 'Z', L'z'},       {L"0000041F", 0x17, 'I', L'ı'},
      {L"00000410", 0x29, VK_OEM_5, L'\\'}, {L"0000040A", 0x27, VK_OEM_3, L'ñ'},
  };
  for (const Case& c : cases) {
    Planetarium planetarium = start_planetarium(c.klid);
    ASSERT_EQ(GetForegroundWindow(), planetarium.main);
    MessageLog::entries().clear();
    send({scan_down(c.scan), scan_up(c.scan)});
    machine.run_until_idle();
    const LPARAM down = key_lparam(0x00000001u | (static_cast<DWORD>(c.scan) << 16));
    const LPARAM up = key_lparam(0xC0000001u | (static_cast<DWORD>(c.scan) << 16));
    std::vector<Event> expected = {{planetarium.view, WM_KEYDOWN, c.vk, down},
                                   {planetarium.view, WM_CHAR, static_cast<WPARAM>(c.typed), down},
                                   {planetarium.view, WM_KEYUP, c.vk, up}};
    EXPECT_EQ(key_events(), expected) << "scan " << c.scan << " of layout " << testing::PrintToString(c.klid);
    stop_planetarium();
  }
}

TEST_F(KeyboardTest, TheRunKeyOfAFrenchLayoutIsTypedWithShiftInTheProgramInFront) {
  HWND console = create_logged_window(L"Logged", L"Console", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Planetarium planetarium = start_planetarium(L"0000040C");
  SetForegroundWindow(console);
  machine.run_until_idle();
  MessageLog::entries().clear();

  // The console's way in: the foreground for the view's window; the focus itself cannot be set
  // across threads, and the program takes it while it answers the messages sent to it.
  EXPECT_TRUE(SetForegroundWindow(planetarium.view));
  EXPECT_EQ(SetFocus(planetarium.view), nullptr);
  EXPECT_EQ(SetActiveWindow(planetarium.view), nullptr);
  SendMessageW(planetarium.view, WM_SETFOCUS, 0, 0);

  const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(planetarium.main, nullptr));
  ASSERT_EQ(reinterpret_cast<ULONG_PTR>(layout), 0x040C040Cu);
  // The console reads keys in the program's layout from now on.
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(ActivateKeyboardLayout(layout, KLF_RESET)), 0x04090409u);
  const SHORT key = VkKeyScanW(L'1');
  ASSERT_EQ(key, 0x0131);
  const auto numlock = static_cast<WORD>(MapVirtualKeyW(VK_NUMLOCK, MAPVK_VK_TO_VSC));
  const auto shift = static_cast<WORD>(MapVirtualKeyW(VK_LSHIFT, MAPVK_VK_TO_VSC));
  const auto one = static_cast<WORD>(MapVirtualKeyA(LOBYTE(key), MAPVK_VK_TO_VSC));
  send({scan_down(numlock), scan_down(shift), scan_down(one), scan_up(one), scan_up(shift)});
  machine.run_until_idle();

  HWND view = planetarium.view;
  std::vector<Event> expected = {
      {view, WM_KEYDOWN, VK_NUMLOCK, key_lparam(0x01450001)},
      {view, WM_KEYDOWN, VK_SHIFT, key_lparam(0x002A0001)},
      {view, WM_KEYDOWN, '1', key_lparam(0x00020001)},
      {view, WM_CHAR, L'1', key_lparam(0x00020001)},
      {view, WM_KEYUP, '1', key_lparam(0xC0020001)},
      {view, WM_KEYUP, VK_SHIFT, key_lparam(0xC02A0001)},
  };
  EXPECT_EQ(key_events(), expected);

  // NumLock was pressed and never released.
  EXPECT_NE(GetAsyncKeyState(VK_NUMLOCK) & 0x8000, 0);
  EXPECT_EQ(GetKeyState(VK_NUMLOCK) & 1, 1);
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);

  const auto& log = machine.input_log();
  ASSERT_EQ(log.size(), 5u);
  for (const auto& entry : log) {
    EXPECT_EQ(entry.from_thread, GetCurrentThreadId());
    EXPECT_EQ(entry.target, view);
    EXPECT_EQ(entry.event.vk, 0);
    EXPECT_EQ(entry.event.flags & KEYEVENTF_SCANCODE, KEYEVENTF_SCANCODE);
  }
  EXPECT_EQ(log[2].event.scan, 0x02);
  EXPECT_EQ(log[4].event.flags, KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP);
  stop_planetarium();
}

TEST_F(KeyboardTest, AltMakesSystemKeysUnlessCtrlMakesItAltGr) {
  HWND hwnd = focused_window(L"00000409");
  send({scan_down(0x38), scan_down(0x1F), scan_up(0x1F), scan_up(0x38), scan_down(0x44), scan_up(0x44)});
  pump();
  std::vector<Event> expected = {
      {hwnd, WM_SYSKEYDOWN, VK_MENU, key_lparam(0x20380001)},
      {hwnd, WM_SYSKEYDOWN, 'S', key_lparam(0x201F0001)},
      {hwnd, WM_SYSCHAR, L's', key_lparam(0x201F0001)},
      {hwnd, WM_SYSKEYUP, 'S', key_lparam(0xE01F0001)},
      {hwnd, WM_SYSKEYUP, VK_MENU, key_lparam(0xC0380001)},
      {hwnd, WM_SYSKEYDOWN, VK_F10, key_lparam(0x00440001)},
      {hwnd, WM_SYSKEYUP, VK_F10, key_lparam(0xC0440001)},
  };
  EXPECT_EQ(key_events(), expected);

  // Ctrl and Alt together are AltGr: on a French layout AltGr with 8 types a backslash.
  LoadKeyboardLayoutW(L"0000040C", KLF_ACTIVATE);
  MessageLog::entries().clear();
  send({scan_down(0x1D), scan_down(0x38), scan_down(0x09), scan_up(0x09), scan_up(0x38), scan_up(0x1D)});
  pump();
  expected = {
      {hwnd, WM_KEYDOWN, VK_CONTROL, key_lparam(0x001D0001)},
      {hwnd, WM_KEYDOWN, VK_MENU, key_lparam(0x20380001)},
      {hwnd, WM_KEYDOWN, '8', key_lparam(0x20090001)},
      {hwnd, WM_CHAR, L'\\', key_lparam(0x20090001)},
      {hwnd, WM_KEYUP, '8', key_lparam(0xE0090001)},
      {hwnd, WM_KEYUP, VK_MENU, key_lparam(0xC0380001)},
      {hwnd, WM_KEYUP, VK_CONTROL, key_lparam(0xC01D0001)},
  };
  EXPECT_EQ(key_events(), expected);
}

TEST_F(KeyboardTest, AKeyPressedAndNeverReleasedStaysDown) {
  focused_window(L"00000409");
  ASSERT_EQ(GetKeyState(VK_NUMLOCK), 0);
  send({scan_down(0x45)});
  EXPECT_NE(GetAsyncKeyState(VK_NUMLOCK) & 0x8000, 0);
  pump();
  EXPECT_EQ(GetKeyState(VK_NUMLOCK), static_cast<SHORT>(0xFF81));

  // Pressed again it repeats: no new toggle, the previous-state bit set.
  send({scan_down(0x45)});
  pump();
  EXPECT_EQ(std::get<3>(key_events().back()), key_lparam(0x41450001));
  EXPECT_EQ(GetKeyState(VK_NUMLOCK), static_cast<SHORT>(0xFF81));

  send({scan_up(0x45)});
  pump();
  EXPECT_EQ(GetAsyncKeyState(VK_NUMLOCK), 0);
  EXPECT_EQ(GetKeyState(VK_NUMLOCK), 1);
  send({scan_down(0x45), scan_up(0x45)});
  pump();
  EXPECT_EQ(GetKeyState(VK_NUMLOCK), 0);

  // The left and right forms of a modifier keep their own state.
  send({{VK_LSHIFT, 0, 0, 0, 0}, {0, 0x36, KEYEVENTF_SCANCODE, 0, 0}, {VK_LSHIFT, 0, KEYEVENTF_KEYUP, 0, 0}});
  EXPECT_EQ(GetAsyncKeyState(VK_LSHIFT), 0);
  EXPECT_NE(GetAsyncKeyState(VK_RSHIFT), 0);
  EXPECT_NE(GetAsyncKeyState(VK_SHIFT), 0);
}

TEST_F(KeyboardTest, GetKeyStateFollowsTheMessagesTheThreadHasTaken) {
  focused_window(L"00000409");
  send({scan_down(0x2A), scan_down(0x1E), scan_up(0x1E), scan_up(0x2A)});
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);

  std::vector<SHORT> shift_seen;
  std::vector<wchar_t> typed;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_CHAR) typed.push_back(static_cast<wchar_t>(msg.wParam));
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) shift_seen.push_back(GetKeyState(VK_SHIFT));
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  const SHORT down = static_cast<SHORT>(0xFF81);
  const SHORT up = 1;  // released, its toggle bit left by one press
  EXPECT_EQ(shift_seen, (std::vector<SHORT>{down, down, down, up}));
  EXPECT_EQ(typed, std::vector<wchar_t>{L'A'});
  BYTE keys[256];
  ASSERT_TRUE(GetKeyboardState(keys));
  EXPECT_EQ(keys[VK_SHIFT] & 0x80, 0);
  EXPECT_EQ(keys[VK_LSHIFT], 0x01);
}

TEST_F(KeyboardTest, WithoutAFocusKeysGoToTheActiveWindowAsSystemKeys) {
  send({scan_down(0x1E)});
  ASSERT_EQ(machine.input_log().size(), 1u);
  EXPECT_EQ(machine.input_log()[0].target, nullptr);  // nothing in front: the key is lost
  send({scan_up(0x1E)});

  // A window that handles its activation itself keeps the focus nowhere.
  MessageLog::handler() = [](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    result = 0;
    return message == WM_ACTIVATE;
  };
  HWND hwnd = create_logged_window(L"Logged", L"Active", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_EQ(GetActiveWindow(), hwnd);
  ASSERT_EQ(GetFocus(), nullptr);
  send({scan_down(0x1E), scan_up(0x1E)});
  pump();
  std::vector<Event> expected = {{hwnd, WM_SYSKEYDOWN, 'A', key_lparam(0x001E0001)},
                                 {hwnd, WM_SYSCHAR, L'a', key_lparam(0x001E0001)},
                                 {hwnd, WM_SYSKEYUP, 'A', key_lparam(0xC01E0001)}};
  EXPECT_EQ(key_events(), expected);
}

TEST_F(KeyboardTest, VirtualKeyRecordsTakeTheirScanCodesFromTheLayout) {
  HWND hwnd = focused_window(L"00000409");
  send({{VK_F11, 0, 0, 0, 0},
        {VK_RIGHT, 0, KEYEVENTF_EXTENDEDKEY, 0, 0},
        {VK_LSHIFT, 0, 0, 0, 0},
        {VK_LSHIFT, 0, KEYEVENTF_KEYUP, 0, 0},
        {'A', 0x99, 0, 0, 0}});
  pump();
  std::vector<Event> expected = {
      {hwnd, WM_KEYDOWN, VK_F11, key_lparam(0x00570001)},
      {hwnd, WM_KEYDOWN, VK_RIGHT, key_lparam(0x014D0001)},
      {hwnd, WM_KEYDOWN, VK_SHIFT, key_lparam(0x002A0001)},
      {hwnd, WM_KEYUP, VK_SHIFT, key_lparam(0xC02A0001)},
      {hwnd, WM_KEYDOWN, 'A', key_lparam(0x00990001)},
      {hwnd, WM_CHAR, L'a', key_lparam(0x00990001)},
  };
  EXPECT_EQ(key_events(), expected);
}

TEST_F(KeyboardTest, DeadKeysAndCapsLockTypeAsTheLayoutSays) {
  focused_window(L"0000040C");
  auto press = [](WORD scan) { send({scan_down(scan), scan_up(scan)}); };
  press(0x1A);  // the circumflex, a dead key
  press(0x12);  // e
  press(0x1A);
  press(0x39);  // a space types the accent itself
  press(0x1A);
  press(0x2D);  // x does not combine: both come
  press(0x3A);  // CapsLock: upper-case letters, and digits on the top row
  press(0x10);
  press(0x02);
  pump();
  std::vector<std::pair<UINT, wchar_t>> characters;
  for (const auto& [window, message, wParam, lParam] : key_events())
    if (message == WM_CHAR || message == WM_DEADCHAR)
      characters.emplace_back(message, static_cast<wchar_t>(wParam));
  std::vector<std::pair<UINT, wchar_t>> expected = {
      {WM_DEADCHAR, L'^'}, {WM_CHAR, L'ê'}, {WM_DEADCHAR, L'^'}, {WM_CHAR, L'^'}, {WM_DEADCHAR, L'^'},
      {WM_CHAR, L'^'},     {WM_CHAR, L'x'}, {WM_CHAR, L'A'},     {WM_CHAR, L'1'},
  };
  EXPECT_EQ(characters, expected);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
}

TEST_F(KeyboardTest, KeysFromOutsideTheDesktopComeThroughItsInbox) {
  HWND hwnd = focused_window(L"00000409");
  std::thread view([this] {
    machine.inject_key_from_outside({0, 0x1C, KEYEVENTF_SCANCODE, 0, 0});
    machine.inject_key_from_outside({0, 0x1C, KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP, 0, 0});
  });
  view.join();
  machine.run_until_idle();
  pump();
  std::vector<Event> expected = {{hwnd, WM_KEYDOWN, VK_RETURN, key_lparam(0x001C0001)},
                                 {hwnd, WM_CHAR, L'\r', key_lparam(0x001C0001)},
                                 {hwnd, WM_KEYUP, VK_RETURN, key_lparam(0xC01C0001)}};
  EXPECT_EQ(key_events(), expected);
  ASSERT_EQ(machine.input_log().size(), 2u);
  EXPECT_EQ(machine.input_log()[0].from_thread, 0u);
}

TEST_F(KeyboardTest, SendInputTakesKeyboardRecordsUntilOneItCannot) {
  focused_window(L"00000409");
  INPUT inputs[3]{};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki = scan_down(0x1E);
  inputs[1].type = INPUT_KEYBOARD;
  inputs[1].ki = {0, L'é', KEYEVENTF_UNICODE, 0, 0};
  inputs[2].type = INPUT_KEYBOARD;
  inputs[2].ki = scan_up(0x1E);
  EXPECT_EQ(SendInput(3, inputs, sizeof(INPUT)), 1u);
  EXPECT_EQ(SendInput(1, inputs + 2, sizeof(INPUT) - 8), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(machine.input_log().size(), 1u);
}

}  // namespace

namespace {

using InputSourceTest = KeyboardTest;

// A program tells keys typed or injected from key messages posted or sent to it.
TEST_F(InputSourceTest, KeyMessagesSayWhetherTheyCameFromTheKeyboardAndFromWhom) {
  HWND hwnd = focused_window(L"00000409");
  std::vector<std::tuple<UINT, WPARAM, DWORD, DWORD>> seen;
  MessageLog::handler() = [&](HWND, UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    INPUT_MESSAGE_SOURCE source{};
    if (message == WM_KEYDOWN && GetCurrentInputMessageSource(&source))
      seen.emplace_back(message, wParam, source.deviceType, source.originId);
    return false;
  };
  send({scan_down(0x1E), scan_up(0x1E)});
  pump();
  PostMessageW(hwnd, WM_KEYDOWN, 'B', 0x00300001);
  pump();
  SendMessageW(hwnd, WM_KEYDOWN, 'C', 0x002E0001);
  std::thread view([this] { machine.inject_key_from_outside({0, 0x20, KEYEVENTF_SCANCODE, 0, 0}); });
  view.join();
  machine.run_until_idle();
  pump();
  const std::vector<std::tuple<UINT, WPARAM, DWORD, DWORD>> expected = {
      {WM_KEYDOWN, 'A', IMDT_KEYBOARD, IMO_INJECTED},
      {WM_KEYDOWN, 'B', IMDT_UNAVAILABLE, IMO_UNAVAILABLE},
      {WM_KEYDOWN, 'C', IMDT_UNAVAILABLE, IMO_UNAVAILABLE},
      {WM_KEYDOWN, 'D', IMDT_KEYBOARD, IMO_HARDWARE},
  };
  EXPECT_EQ(seen, expected);
}

}  // namespace
