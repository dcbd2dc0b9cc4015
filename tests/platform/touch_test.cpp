#include <optional>

#include "tests/platform/mouse_fixture.h"

namespace {

using desktop::kPenExtraInfo;
using desktop::kTouchExtraInfo;

class TouchTest : public MouseTest {
 protected:
  TouchTest() {
    main = create_logged_window(L"Pointer", L"main", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 500, 400});
    button = create_logged_window(L"Pointer", L"button", WS_CHILD | WS_VISIBLE, main, 1, {20, 20, 120, 70});
    drain();
  }

  // As the console does at start-up: the property's name is held as an atom while it is set.
  static void set_pen_service_property(HWND hwnd, DWORD value) {
    ATOM atom = GlobalAddAtomW(MICROSOFT_TABLETPENSERVICE_PROPERTY);
    SetPropW(hwnd, MICROSOFT_TABLETPENSERVICE_PROPERTY,
             reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)));
    GlobalDeleteAtom(atom);
  }

  void press_from(ULONG_PTR extra_info, bool from_program, DWORD buttons) {
    desktop::MouseEvent event;
    event.buttons = buttons;
    event.extra_info = extra_info;
    event.from_program = from_program;
    inject(event);
  }

  HWND main = nullptr;
  HWND button = nullptr;
};

struct SignatureCase {
  const char* name;
  ULONG_PTR extra_info;
  bool from_program;
  bool pen_or_touch;
  bool touch;
};

const SignatureCase kSignatureCases[] = {
    {"mouse", 0, false, false, false},
    {"finger", kTouchExtraInfo, false, true, true},
    {"pen", kPenExtraInfo, false, true, false},
    {"a program's input with the touch signature", kTouchExtraInfo, true, true, true},
};

TEST_F(TouchTest, EveryMouseMessageOfATapCarriesItsDevicesSignature) {
  for (const SignatureCase& test : kSignatureCases) {
    SCOPED_TRACE(test.name);
    desktop::MouseEvent event;
    event.move_to = POINT{150, 140};
    event.extra_info = test.extra_info;
    event.from_program = test.from_program;
    inject(event);
    press_from(test.extra_info, test.from_program, MOUSEEVENTF_LEFTDOWN);
    press_from(test.extra_info, test.from_program, MOUSEEVENTF_LEFTUP);
    auto seen = pointer_messages(drain(), button);
    ASSERT_EQ(ids(seen), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    for (const Retrieved& entry : seen) {
      EXPECT_EQ(IsPenEvent(static_cast<ULONG_PTR>(entry.extra_info)), test.pen_or_touch);
      EXPECT_EQ((entry.extra_info & kTouchExtraInfoBit) != 0, test.touch);
    }
  }
}

TEST_F(TouchTest, TheExtraInformationStaysUntilTheNextInputMessage) {
  click({150, 140}, kTouchExtraInfo);
  drain();
  PostMessageW(main, WM_USER, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(GetMessageExtraInfo(), static_cast<LPARAM>(kTouchExtraInfo));
  click({150, 140});
  drain();
  EXPECT_EQ(GetMessageExtraInfo(), 0);
  EXPECT_EQ(SetMessageExtraInfo(7), 0);
  EXPECT_EQ(GetMessageExtraInfo(), 7);
}

struct HoldCase {
  const char* name;
  std::optional<DWORD> property;  // on the main window; the press lands on its button
  ULONG_PTR extra_info;
  bool from_program;
  desktop::Tick held;
  std::vector<UINT> at_press;
  std::vector<UINT> at_lift;
};

const HoldCase kHoldCases[] = {
    {"a finger's press waits for its lift",
     std::nullopt,
     kTouchExtraInfo,
     false,
     100,
     {WM_MOUSEMOVE},
     {WM_LBUTTONDOWN, WM_LBUTTONUP}},
    {"a finger held long is a right click",
     std::nullopt,
     kTouchExtraInfo,
     false,
     1200,
     {WM_MOUSEMOVE},
     {WM_RBUTTONDOWN, WM_RBUTTONUP}},
    {"a pen held long is a right click",
     std::nullopt,
     kPenExtraInfo,
     false,
     1200,
     {WM_MOUSEMOVE},
     {WM_RBUTTONDOWN, WM_RBUTTONUP}},
    {"press-and-hold turned off: the press comes at once",
     0x00010019,
     kTouchExtraInfo,
     false,
     1200,
     {WM_MOUSEMOVE, WM_LBUTTONDOWN},
     {WM_LBUTTONUP}},
    {"only flicks turned off",
     TABLET_DISABLE_FLICKS,
     kTouchExtraInfo,
     false,
     100,
     {WM_MOUSEMOVE},
     {WM_LBUTTONDOWN, WM_LBUTTONUP}},
    {"a program's input is never held",
     std::nullopt,
     kTouchExtraInfo,
     true,
     1200,
     {WM_MOUSEMOVE, WM_LBUTTONDOWN},
     {WM_LBUTTONUP}},
    {"a mouse press is never held",
     std::nullopt,
     0,
     false,
     1200,
     {WM_MOUSEMOVE, WM_LBUTTONDOWN},
     {WM_LBUTTONUP}},
};

TEST_F(TouchTest, PressAndHoldHoldsBackPenAndTouchPressesUnlessTheWindowTurnedItOff) {
  for (const HoldCase& test : kHoldCases) {
    SCOPED_TRACE(test.name);
    if (test.property)
      set_pen_service_property(main, *test.property);
    else
      RemovePropW(main, MICROSOFT_TABLETPENSERVICE_PROPERTY);
    desktop::MouseEvent event;
    event.move_to = POINT{150, 140};
    event.extra_info = test.extra_info;
    event.from_program = test.from_program;
    inject(event);
    press_from(test.extra_info, test.from_program, MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(pointer_ids(button), test.at_press);
    machine.advance(test.held);
    press_from(test.extra_info, test.from_program, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(pointer_ids(button), test.at_lift);
    machine.advance(1000);
  }
}

TEST_F(TouchTest, AHeldFingerThatSlidesAwayPressesWhereItWentDown) {
  move({150, 140}, kTouchExtraInfo);
  press(MOUSEEVENTF_LEFTDOWN, kTouchExtraInfo);
  drain();
  move({160, 140}, kTouchExtraInfo);
  auto seen = pointer_messages(drain(), button);
  ASSERT_EQ(ids(seen), (std::vector<UINT>{WM_LBUTTONDOWN, WM_MOUSEMOVE}));
  EXPECT_EQ(seen[0].msg.lParam, MAKELPARAM(30, 20));
  EXPECT_EQ(seen[1].msg.wParam, MK_LBUTTON);
  press(MOUSEEVENTF_LEFTUP, kTouchExtraInfo);
  EXPECT_EQ(pointer_ids(button), (std::vector<UINT>{WM_LBUTTONUP}));
}

TEST_F(TouchTest, ATouchRegisteredWindowGetsWmTouchBesidesTheMouseMessages) {
  ASSERT_TRUE(RegisterTouchWindow(main, TWF_WANTPALM));
  ULONG flags = 0;
  EXPECT_TRUE(IsTouchWindow(main, &flags));
  EXPECT_EQ(flags, TWF_WANTPALM);
  EXPECT_FALSE(IsTouchWindow(button, &flags));
  std::vector<TOUCHINPUT> records;
  std::vector<HTOUCHINPUT> handles;
  MessageLog::handler() = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    if (message != WM_TOUCH) return false;
    EXPECT_EQ(LOWORD(wParam), 1);
    TOUCHINPUT input{};
    auto handle = reinterpret_cast<HTOUCHINPUT>(lParam);
    EXPECT_TRUE(GetTouchInputInfo(handle, 1, &input, sizeof(input)));
    records.push_back(input);
    handles.push_back(handle);
    return false;  // DefWindowProc closes the handle
  };
  move({300, 250}, kTouchExtraInfo);
  press(MOUSEEVENTF_LEFTDOWN, kTouchExtraInfo);
  move({310, 255}, kTouchExtraInfo);
  move({900, 900}, kTouchExtraInfo);  // the contact stays with the window it went down on
  press(MOUSEEVENTF_LEFTUP, kTouchExtraInfo);
  auto seen = drain();
  std::vector<UINT> touches;
  for (const Retrieved& entry : seen)
    if (entry.msg.message == WM_TOUCH) {
      touches.push_back(entry.msg.message);
      EXPECT_EQ(entry.msg.hwnd, main);
      EXPECT_EQ(entry.extra_info, static_cast<LPARAM>(kTouchExtraInfo));
    }
  EXPECT_EQ(touches.size(), 4u);
  ASSERT_EQ(records.size(), 4u);
  const DWORD kinds[] = {TOUCHEVENTF_DOWN | TOUCHEVENTF_INRANGE, TOUCHEVENTF_MOVE | TOUCHEVENTF_INRANGE,
                         TOUCHEVENTF_MOVE | TOUCHEVENTF_INRANGE, TOUCHEVENTF_UP};
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].dwFlags, kinds[i] | TOUCHEVENTF_PRIMARY);
    EXPECT_EQ(records[i].dwID, records[0].dwID);
    EXPECT_EQ(records[i].dwExtraInfo, kTouchExtraInfo);
  }
  EXPECT_EQ(records[0].x, 30000);
  EXPECT_EQ(TOUCH_COORD_TO_PIXEL(records[1].y), 255);
  TOUCHINPUT after{};
  EXPECT_FALSE(GetTouchInputInfo(handles[0], 1, &after, sizeof(after)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  bool pressed = false;
  for (const Retrieved& entry : pointer_messages(seen, main))
    pressed = pressed || (entry.msg.message == WM_LBUTTONDOWN && IsPenEvent(entry.extra_info));
  EXPECT_TRUE(pressed);

  EXPECT_TRUE(UnregisterTouchWindow(main));
  click({300, 250}, kTouchExtraInfo);
  drain();
  EXPECT_EQ(records.size(), 4u);
}

TEST_F(TouchTest, WmTouchGoesToTheWindowUnderTheFingerWhatEverItsHitTestSays) {
  set_pen_service_property(main, TABLET_DISABLE_PRESSANDHOLD);
  ASSERT_TRUE(RegisterTouchWindow(button, 0));
  MessageLog::handler() = [&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (hwnd != button || message != WM_NCHITTEST) return false;
    result = HTTRANSPARENT;
    return true;
  };
  click({150, 140}, kTouchExtraInfo);
  auto seen = drain();
  EXPECT_EQ(ids(pointer_messages(seen, button)), (std::vector<UINT>{WM_TOUCH, WM_TOUCH}));
  EXPECT_EQ(ids(pointer_messages(seen, main)),
            (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(TouchTest, TouchRecordsBelongToTheirProcess) {
  set_pen_service_property(main, TABLET_DISABLE_PRESSANDHOLD);
  ASSERT_TRUE(RegisterTouchWindow(main, 0));
  move({300, 250}, kTouchExtraInfo);
  press(MOUSEEVENTF_LEFTDOWN, kTouchExtraInfo);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, main, WM_TOUCH, WM_TOUCH, PM_REMOVE));
  auto handle = reinterpret_cast<HTOUCHINPUT>(msg.lParam);
  BOOL elsewhere = TRUE;
  DWORD error = 0;
  start_program(L"other.exe", [&] {
    TOUCHINPUT input{};
    elsewhere = GetTouchInputInfo(handle, 1, &input, sizeof(input));
    error = GetLastError();
    return DWORD{0};
  });
  machine.run_until_idle();
  EXPECT_FALSE(elsewhere);
  EXPECT_EQ(error, ERROR_INVALID_HANDLE);
  TOUCHINPUT input{};
  EXPECT_FALSE(GetTouchInputInfo(handle, 1, &input, sizeof(input) - 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_TRUE(GetTouchInputInfo(handle, 1, &input, sizeof(input)));
  EXPECT_TRUE(CloseTouchInputHandle(handle));
  EXPECT_FALSE(CloseTouchInputHandle(handle));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(TouchTest, OnlyTheWindowsThreadRegistersItForTouch) {
  EXPECT_FALSE(RegisterTouchWindow(main, 0x100));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  BOOL registered = TRUE;
  DWORD error = 0;
  start_program(L"other.exe", [&] {
    registered = RegisterTouchWindow(main, TWF_WANTPALM);
    error = GetLastError();
    return DWORD{0};
  });
  machine.run_until_idle();
  EXPECT_FALSE(registered);
  EXPECT_EQ(error, ERROR_ACCESS_DENIED);
  EXPECT_FALSE(IsTouchWindow(main, nullptr));
}

}  // namespace
