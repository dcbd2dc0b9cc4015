#include <map>
#include <set>
#include <string>
#include <thread>

#include "platform/win/rect_api.h"
#include "platform/win/win_internal.h"
#include "tests/platform/mouse_fixture.h"

namespace {

LPARAM at(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

TEST_F(MouseTest, AClickGoesToTheDeepestChildInItsClientCoordinates) {
  HWND top =
      create_logged_window(L"Pointer", L"top", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 500, 400});
  HWND child = create_logged_window(L"Pointer", L"child", WS_CHILD | WS_VISIBLE, top, 1, {20, 30, 220, 130});
  HWND grandchild =
      create_logged_window(L"Pointer", L"grandchild", WS_CHILD | WS_VISIBLE, child, 2, {5, 5, 55, 35});
  drain();
  click({135, 142});
  auto seen = pointer_messages(drain());
  ASSERT_EQ(ids(seen), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  const std::vector<WPARAM> keys{0, MK_LBUTTON, 0};
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].msg.hwnd, grandchild);
    EXPECT_EQ(seen[i].msg.lParam, at(10, 7));
    EXPECT_EQ(seen[i].msg.wParam, keys[i]);
    EXPECT_EQ(seen[i].msg.pt.x, 135);
    EXPECT_EQ(seen[i].msg.pt.y, 142);
    EXPECT_EQ(seen[i].msg.time, static_cast<DWORD>(machine.clock().now()));
  }
}

// Beneath: "under" covers the screen's corner. On top: "top" with a label over the left part of a
// button, and a panel holding a small child.
struct RoutingCase {
  const char* name;
  std::set<std::wstring> transparent;
  std::set<std::wstring> disabled;
  std::set<std::wstring> hidden;
  POINT point;
  const wchar_t* expected;  // null: no window gets the click
};

const RoutingCase kRoutingCases[] = {
    {"a label takes the click", {}, {}, {}, {120, 120}, L"label"},
    {"a transparent label lets it through to the button beneath", {L"label"}, {}, {}, {120, 120}, L"button"},
    {"a transparent child lets it through to its parent", {L"small"}, {}, {}, {370, 130}, L"panel"},
    {"a transparent top-level window lets it through to the one beneath",
     {L"top"},
     {},
     {},
     {450, 350},
     L"under"},
    {"everything transparent: nobody", {L"top", L"under"}, {}, {}, {450, 350}, nullptr},
    {"a hidden child is passed over", {}, {}, {L"small"}, {370, 130}, L"panel"},
    {"a disabled child is passed over, its parent gets the click", {}, {L"small"}, {}, {370, 130}, L"panel"},
    {"a disabled top-level window gets no click", {}, {L"top"}, {}, {450, 350}, nullptr},
    {"nothing under the point: nobody", {}, {}, {}, {1500, 900}, nullptr},
};

TEST_F(MouseTest, TheClickGoesToTheWindowThatAnswersTheHitTest) {
  for (const RoutingCase& test : kRoutingCases) {
    SCOPED_TRACE(test.name);
    std::map<std::wstring, HWND> windows;
    windows[L"under"] =
        create_logged_window(L"Pointer", L"under", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 600, 500});
    HWND top = windows[L"top"] =
        create_logged_window(L"Pointer", L"top", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 500, 400});
    windows[L"label"] =
        create_logged_window(L"Pointer", L"label", WS_CHILD | WS_VISIBLE, top, 1, {10, 10, 110, 60});
    windows[L"button"] =
        create_logged_window(L"Pointer", L"button", WS_CHILD | WS_VISIBLE, top, 2, {0, 0, 200, 100});
    HWND panel = windows[L"panel"] =
        create_logged_window(L"Pointer", L"panel", WS_CHILD | WS_VISIBLE, top, 3, {250, 10, 350, 110});
    windows[L"small"] =
        create_logged_window(L"Pointer", L"small", WS_CHILD | WS_VISIBLE, panel, 4, {10, 10, 60, 60});
    SetWindowPos(windows[L"label"], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    std::set<HWND> transparent;
    for (const auto& name : test.transparent)
      transparent.insert(windows[name]);
    for (const auto& name : test.disabled)
      EnableWindow(windows[name], FALSE);
    for (const auto& name : test.hidden)
      ShowWindow(windows[name], SW_HIDE);
    MessageLog::handler() = [&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT& result) {
      if (message != WM_NCHITTEST || !transparent.count(hwnd)) return false;
      result = HTTRANSPARENT;
      return true;
    };
    drain();
    MessageLog::entries().clear();

    click(test.point);
    std::vector<HWND> pressed;
    for (const Retrieved& entry : drain())
      if (entry.msg.message == WM_LBUTTONDOWN) pressed.push_back(entry.msg.hwnd);
    if (test.expected == nullptr)
      EXPECT_TRUE(pressed.empty());
    else
      EXPECT_EQ(pressed, (std::vector<HWND>{windows[test.expected]}));
    EXPECT_EQ(WindowFromPoint(test.point), test.expected == nullptr ? nullptr : windows[test.expected]);

    MessageLog::handler() = nullptr;
    DestroyWindow(top);
    DestroyWindow(windows[L"under"]);
  }
}

TEST_F(MouseTest, ADisabledWindowIsToldOnlyAboutTheCursor) {
  HWND hwnd = create_logged_window(L"Pointer", L"off", WS_POPUP | WS_VISIBLE | WS_DISABLED, nullptr, 0,
                                   {100, 100, 300, 300});
  drain();
  MessageLog::entries().clear();
  click({150, 150});
  EXPECT_TRUE(pointer_messages(drain()).empty());
  EXPECT_EQ(MessageLog::messages_of(hwnd), (std::vector<UINT>{WM_SETCURSOR, WM_SETCURSOR, WM_SETCURSOR}));
  EXPECT_EQ(MessageLog::entries().back().lParam, MAKELPARAM(static_cast<WORD>(HTERROR), WM_LBUTTONUP));
}

struct HitCase {
  const char* name;
  POINT point;
  LRESULT expected;
};

// An overlapped window at (100, 100)-(500, 400): a 4-pixel sizing frame and a 22-pixel caption.
const HitCase kHitCases[] = {
    {"client area", {300, 250}, HTCLIENT},
    {"caption", {300, 114}, HTCAPTION},
    {"system menu", {109, 114}, HTSYSMENU},
    {"close button", {491, 114}, HTCLOSE},
    {"maximise button", {469, 114}, HTMAXBUTTON},
    {"minimise button", {447, 114}, HTMINBUTTON},
    {"left edge", {101, 250}, HTLEFT},
    {"right edge", {498, 250}, HTRIGHT},
    {"top edge", {300, 101}, HTTOP},
    {"bottom edge", {300, 398}, HTBOTTOM},
    {"top-left corner", {101, 101}, HTTOPLEFT},
    {"bottom-right corner along the bottom", {480, 398}, HTBOTTOMRIGHT},
    {"bottom-right corner along the side", {498, 385}, HTBOTTOMRIGHT},
    {"outside", {50, 50}, HTNOWHERE},
};

TEST_F(MouseTest, DefWindowProcNamesThePartOfTheFrameUnderAPoint) {
  HWND hwnd = create_logged_window(L"Pointer", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0,
                                   {100, 100, 500, 400});
  for (const HitCase& test : kHitCases) {
    SCOPED_TRACE(test.name);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, at(test.point.x, test.point.y)), test.expected);
  }
  HWND fixed = create_logged_window(L"Pointer", L"fixed", WS_POPUP | WS_DLGFRAME | WS_VISIBLE, nullptr, 0,
                                    {600, 100, 700, 200});
  EXPECT_EQ(SendMessageW(fixed, WM_NCHITTEST, 0, at(601, 150)), HTBORDER);
}

TEST_F(MouseTest, AClickOnTheFrameIsANonClientMessageInScreenCoordinates) {
  HWND hwnd = create_logged_window(L"Pointer", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0,
                                   {100, 100, 500, 400});
  drain();
  MessageLog::entries().clear();
  move({300, 114});
  press(MOUSEEVENTF_LEFTDOWN);
  auto seen = pointer_messages(drain(), hwnd);
  ASSERT_EQ(ids(seen), (std::vector<UINT>{WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN}));
  EXPECT_EQ(seen[1].msg.wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(seen[1].msg.lParam, at(300, 114));
  bool told = false;
  for (const LoggedMessage& entry : MessageLog::entries())
    told = told || (entry.message == WM_SETCURSOR && entry.lParam == MAKELPARAM(HTCAPTION, WM_LBUTTONDOWN));
  EXPECT_TRUE(told);
}

TEST_F(MouseTest, CaptureTakesAllMouseInputUntilItIsReleased) {
  HWND holder =
      create_logged_window(L"Pointer", L"holder", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 300, 300});
  HWND other =
      create_logged_window(L"Pointer", L"other", WS_POPUP | WS_VISIBLE, nullptr, 0, {400, 100, 600, 300});
  drain();
  EXPECT_EQ(SetCapture(holder), nullptr);
  EXPECT_EQ(GetCapture(), holder);
  MessageLog::entries().clear();
  click({450, 150});
  click({50, 60});
  auto seen = pointer_messages(drain());
  ASSERT_EQ(seen.size(), 6u);
  for (const Retrieved& entry : seen)
    EXPECT_EQ(entry.msg.hwnd, holder);
  EXPECT_EQ(seen[1].msg.lParam, at(350, 50));
  EXPECT_EQ(GET_X_LPARAM(seen[4].msg.lParam), -50);
  EXPECT_EQ(GET_Y_LPARAM(seen[4].msg.lParam), -40);
  EXPECT_TRUE(MessageLog::messages_of(other).empty());  // not even WM_SETCURSOR

  EXPECT_EQ(SetCapture(other), holder);
  ASSERT_FALSE(MessageLog::entries().empty());
  EXPECT_EQ(MessageLog::entries().back().hwnd, holder);
  EXPECT_EQ(MessageLog::entries().back().message, WM_CAPTURECHANGED);
  EXPECT_EQ(MessageLog::entries().back().lParam, reinterpret_cast<LPARAM>(other));
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(MessageLog::entries().back().hwnd, other);
  EXPECT_EQ(MessageLog::entries().back().message, WM_CAPTURECHANGED);
  EXPECT_EQ(MessageLog::entries().back().lParam, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  click({150, 150});
  EXPECT_EQ(pointer_ids(holder), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

struct DoubleClickCase {
  const char* name;
  const wchar_t* window_class;
  DWORD down;
  desktop::Tick delay;
  LONG dx;
  bool other_window;
  UINT expected;
};

const DoubleClickCase kDoubleClickCases[] = {
    {"quick second press", L"Clicks", MOUSEEVENTF_LEFTDOWN, 200, 0, false, WM_LBUTTONDBLCLK},
    {"right button", L"Clicks", MOUSEEVENTF_RIGHTDOWN, 200, 0, false, WM_RBUTTONDBLCLK},
    {"middle button", L"Clicks", MOUSEEVENTF_MIDDLEDOWN, 200, 0, false, WM_MBUTTONDBLCLK},
    {"class without CS_DBLCLKS", L"Pointer", MOUSEEVENTF_LEFTDOWN, 200, 0, false, WM_LBUTTONDOWN},
    {"just within the time", L"Clicks", MOUSEEVENTF_LEFTDOWN, 500, 0, false, WM_LBUTTONDBLCLK},
    {"too late", L"Clicks", MOUSEEVENTF_LEFTDOWN, 501, 0, false, WM_LBUTTONDOWN},
    {"just within the box", L"Clicks", MOUSEEVENTF_LEFTDOWN, 100, 2, false, WM_LBUTTONDBLCLK},
    {"too far", L"Clicks", MOUSEEVENTF_LEFTDOWN, 100, 3, false, WM_LBUTTONDOWN},
    {"on another window", L"Clicks", MOUSEEVENTF_LEFTDOWN, 100, 0, true, WM_LBUTTONDOWN},
};

TEST_F(MouseTest, ASecondPressSoonAndCloseIsADoubleClickForClassesThatWantIt) {
  for (const DoubleClickCase& test : kDoubleClickCases) {
    SCOPED_TRACE(test.name);
    HWND first = create_logged_window(test.window_class, L"a", WS_POPUP | WS_VISIBLE, nullptr, 0,
                                      {100, 100, 200, 200});
    HWND second = create_logged_window(test.window_class, L"b", WS_POPUP | WS_VISIBLE, nullptr, 0,
                                       {200, 100, 300, 200});
    const DWORD up = test.down << 1;
    const POINT start{test.other_window ? 199 : 150, 150};
    move(start);
    press(test.down);
    press(up);
    machine.advance(test.delay);
    move({start.x + (test.other_window ? 1 : test.dx), start.y});
    press(test.down);
    press(up);
    auto presses = pointer_messages(drain());
    ASSERT_EQ(presses.size(), 6u);
    EXPECT_EQ(presses[4].msg.message, test.expected);
    EXPECT_EQ(presses[4].msg.hwnd, test.other_window ? second : first);
    DestroyWindow(first);
    DestroyWindow(second);
    machine.advance(1000);
  }
}

TEST_F(MouseTest, AThirdQuickPressStartsOver) {
  create_logged_window(L"Clicks", L"c", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 200, 200});
  for (int i = 0; i < 3; ++i)
    click({150, 150});
  std::vector<UINT> downs;
  for (const Retrieved& entry : pointer_messages(drain()))
    if (entry.msg.message != WM_MOUSEMOVE && entry.msg.message != WM_LBUTTONUP)
      downs.push_back(entry.msg.message);
  EXPECT_EQ(downs, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
}

class LeaveTest : public MouseTest {
 protected:
  LeaveTest() {
    tracked =
        create_logged_window(L"Pointer", L"tracked", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 300, 300});
    inner =
        create_logged_window(L"Pointer", L"inner", WS_CHILD | WS_VISIBLE, tracked, 1, {150, 150, 200, 200});
    // As an image button does: track the leave on the first move over it.
    MessageLog::handler() = [this](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
      if (hwnd == tracked && message == WM_MOUSEMOVE && !hovering) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 1};
        hovering = TrackMouseEvent(&track) != FALSE;
      }
      if (hwnd == tracked && message == WM_MOUSELEAVE) hovering = false;
      return false;
    };
    drain();
  }

  std::size_t leaves() {
    std::size_t count = 0;
    for (const Retrieved& entry : drain())
      count += entry.msg.hwnd == tracked && entry.msg.message == WM_MOUSELEAVE;
    return count;
  }

  HWND tracked = nullptr;
  HWND inner = nullptr;
  bool hovering = false;
};

TEST_F(LeaveTest, TheLeaveComesOnceWhenTheCursorLeaves) {
  move({120, 120});
  EXPECT_EQ(leaves(), 0u);
  EXPECT_TRUE(hovering);
  move({130, 140});
  EXPECT_EQ(leaves(), 0u);
  move({800, 800});
  EXPECT_EQ(leaves(), 1u);
  move({810, 800});
  EXPECT_EQ(leaves(), 0u);
  EXPECT_FALSE(hovering);
}

TEST_F(LeaveTest, MovingOntoAChildIsLeaving) {
  move({120, 120});
  drain();
  move({260, 260});
  EXPECT_EQ(leaves(), 1u);
}

TEST_F(LeaveTest, ACapturedMoveOntoAnotherWindowLeavesWhenTheCaptureIsReleased) {
  create_logged_window(L"Pointer", L"other", WS_POPUP | WS_VISIBLE, nullptr, 0, {400, 100, 600, 300});
  move({120, 120});
  drain();
  SetCapture(tracked);
  move({500, 200});
  EXPECT_EQ(leaves(), 0u);
  ReleaseCapture();
  EXPECT_EQ(leaves(), 1u);
  move({120, 120});
  drain();
  SetCapture(tracked);
  ReleaseCapture();
  EXPECT_EQ(leaves(), 0u);
}

TEST_F(LeaveTest, TrackingWhileTheCursorIsElsewhereLeavesAtOnce) {
  move({800, 800});
  drain();
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, tracked, HOVER_DEFAULT};
  EXPECT_TRUE(TrackMouseEvent(&track));
  EXPECT_EQ(leaves(), 1u);
}

TEST_F(LeaveTest, CancelledTrackingSaysNothing) {
  move({120, 120});
  drain();
  TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
  EXPECT_TRUE(TrackMouseEvent(&query));
  EXPECT_EQ(query.hwndTrack, tracked);
  EXPECT_EQ(query.dwFlags, TME_LEAVE);
  TRACKMOUSEEVENT cancel{sizeof(cancel), TME_LEAVE | TME_CANCEL, tracked, 0};
  EXPECT_TRUE(TrackMouseEvent(&cancel));
  move({800, 800});
  EXPECT_EQ(leaves(), 0u);
  TRACKMOUSEEVENT hover{sizeof(hover), TME_HOVER, tracked, HOVER_DEFAULT};
  EXPECT_FALSE(TrackMouseEvent(&hover));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

TEST_F(MouseTest, WmSetCursorComesBeforeEachMessageAndTheClassCursorIsSet) {
  HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), hand);
  EXPECT_NE(LoadCursorW(nullptr, IDC_ARROW), hand);
  EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
  register_class(L"Handed", 0, hand);
  HWND parent =
      create_logged_window(L"Pointer", L"parent", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 400, 400});
  HWND link = create_logged_window(L"Handed", L"link", WS_CHILD | WS_VISIBLE, parent, 1, {10, 10, 110, 60});
  drain();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  MessageLog::entries().clear();
  move({150, 130});
  drain();
  EXPECT_EQ(GetCursor(), hand);
  EXPECT_EQ(MessageLog::messages_of(link), (std::vector<UINT>{WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE}));
  const LoggedMessage& asked_parent = MessageLog::entries()[2];
  EXPECT_EQ(asked_parent.hwnd, parent);  // DefWindowProc asks the parent first
  EXPECT_EQ(asked_parent.message, WM_SETCURSOR);
  EXPECT_EQ(asked_parent.wParam, reinterpret_cast<WPARAM>(link));
  EXPECT_EQ(asked_parent.lParam, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));

  // A parent that sets the cursor itself keeps the child's class cursor away.
  HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
  MessageLog::handler() = [&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (hwnd != parent || message != WM_SETCURSOR) return false;
    SetCursor(cross);
    result = TRUE;
    return true;
  };
  move({160, 130});
  drain();
  EXPECT_EQ(GetCursor(), cross);
}

TEST_F(MouseTest, SetCursorPosMovesTheCursorWithinItsClipAndTellsTheWindowBelow) {
  HWND hwnd =
      create_logged_window(L"Pointer", L"below", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 300, 300});
  drain();
  EXPECT_TRUE(SetCursorPos(150, 160));
  POINT point{};
  EXPECT_TRUE(GetCursorPos(&point));
  EXPECT_EQ(point.x, 150);
  EXPECT_EQ(point.y, 160);
  auto seen = pointer_messages(drain());
  ASSERT_EQ(ids(seen), (std::vector<UINT>{WM_MOUSEMOVE}));
  EXPECT_EQ(seen[0].msg.hwnd, hwnd);
  EXPECT_EQ(seen[0].msg.lParam, at(50, 60));

  RECT clip{0, 0, 120, 130};
  EXPECT_TRUE(ClipCursor(&clip));
  GetCursorPos(&point);
  EXPECT_EQ(point.x, 119);
  EXPECT_EQ(point.y, 129);
  SetCursorPos(5000, -20);
  GetCursorPos(&point);
  EXPECT_EQ(point.x, 119);
  EXPECT_EQ(point.y, 0);
  RECT current;
  EXPECT_TRUE(GetClipCursor(&current));
  EXPECT_TRUE(EqualRect(&current, &clip));
  EXPECT_TRUE(ClipCursor(nullptr));
  SetCursorPos(5000, 5000);
  GetCursorPos(&point);
  EXPECT_EQ(point.x, 1919);
  EXPECT_EQ(point.y, 1079);
}

TEST_F(MouseTest, TheWheelGoesUnderTheCursorAndUpToAParentThatTakesIt) {
  HWND parent =
      create_logged_window(L"Pointer", L"parent", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 400, 400});
  HWND child =
      create_logged_window(L"Pointer", L"child", WS_CHILD | WS_VISIBLE, parent, 1, {10, 10, 110, 60});
  move({150, 130});
  drain();
  MessageLog::entries().clear();
  desktop::MouseEvent turn;
  turn.wheel = -WHEEL_DELTA;
  inject(turn);
  auto seen = pointer_messages(drain());
  ASSERT_EQ(ids(seen), (std::vector<UINT>{WM_MOUSEWHEEL}));
  EXPECT_EQ(seen[0].msg.hwnd, child);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(seen[0].msg.wParam), -WHEEL_DELTA);
  EXPECT_EQ(seen[0].msg.lParam, at(150, 130));  // screen coordinates
  EXPECT_EQ(MessageLog::messages_of(parent), (std::vector<UINT>{WM_MOUSEWHEEL}));
}

struct ProgramInputCase {
  const char* name;
  MOUSEINPUT input;
  POINT cursor;
  UINT message;
};

const ProgramInputCase kProgramInputCases[] = {
    {"absolute move",
     {32768, 16384, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0},
     {960, 270},
     WM_MOUSEMOVE},
    {"relative move", {-10, 5, 0, MOUSEEVENTF_MOVE, 0, 0}, {950, 275}, WM_MOUSEMOVE},
    {"right press", {0, 0, 0, MOUSEEVENTF_RIGHTDOWN, 0, 0}, {950, 275}, WM_RBUTTONDOWN},
    {"wheel", {0, 0, static_cast<DWORD>(-WHEEL_DELTA), MOUSEEVENTF_WHEEL, 0, 0}, {950, 275}, WM_MOUSEWHEEL},
    {"right release", {0, 0, 0, MOUSEEVENTF_RIGHTUP, 0, 0}, {950, 275}, WM_RBUTTONUP},
};

TEST_F(MouseTest, MouseEventMovesAndPressesAsTheRecordsSay) {
  HWND hwnd =
      create_logged_window(L"Pointer", L"whole", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 1920, 1080});
  drain();
  for (const ProgramInputCase& test : kProgramInputCases) {
    SCOPED_TRACE(test.name);
    const MOUSEINPUT& input = test.input;
    mouse_event(input.dwFlags, static_cast<DWORD>(input.dx), static_cast<DWORD>(input.dy), input.mouseData,
                0);
    POINT point{};
    GetCursorPos(&point);
    EXPECT_EQ(point.x, test.cursor.x);
    EXPECT_EQ(point.y, test.cursor.y);
    EXPECT_EQ(pointer_ids(hwnd), (std::vector<UINT>{test.message}));
  }
}

struct MetricCase {
  int index;
  int expected;
};

const MetricCase kMetricCases[] = {
    {SM_CXDOUBLECLK, 4},     {SM_CYDOUBLECLK, 4},
    {SM_SWAPBUTTON, 0},      {SM_CMOUSEBUTTONS, 3},
    {SM_MOUSEPRESENT, 1},    {SM_MOUSEWHEELPRESENT, 1},
    {SM_MAXIMUMTOUCHES, 10}, {SM_DIGITIZER, NID_INTEGRATED_TOUCH | NID_MULTI_INPUT | NID_READY},
};

TEST_F(MouseTest, SystemMetricsDescribeAMouseAndATouchScreen) {
  for (const MetricCase& test : kMetricCases)
    EXPECT_EQ(GetSystemMetrics(test.index), test.expected) << test.index;
  EXPECT_EQ(GetDoubleClickTime(), 500u);
}

class PeerMouseTest : public MouseTest {
 protected:
  struct Seen {
    UINT message;
    LPARAM lParam;
    DWORD thread;
  };

  // Starts a program with one pumping window; its messages are noted in `peer_seen`.
  HWND start_peer(RECT rect, LRESULT hit = HTCLIENT) {
    HWND made = nullptr;
    start_program(L"peer.exe", [this, &made, rect, hit] {
      register_class(L"Pointer", 0, nullptr);
      MessageLog::handler() = [this, hit](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
        if (message == WM_NCHITTEST || is_pointer_message(message))
          peer_seen.push_back({message, lParam, GetCurrentThreadId()});
        if (message == WM_MOUSEMOVE) peer_extra_info.push_back(GetMessageExtraInfo());
        if (message != WM_NCHITTEST || hit == HTCLIENT) return false;
        result = hit;
        return true;
      };
      made = create_logged_window(L"Pointer", L"peer", WS_POPUP | WS_VISIBLE, nullptr, 0, rect);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
      return DWORD{0};
    });
    machine.run_until_idle();
    return made;
  }

  std::vector<UINT> peer_messages() {
    std::vector<UINT> messages;
    for (const Seen& seen : peer_seen)
      if (seen.message != WM_NCHITTEST) messages.push_back(seen.message);
    return messages;
  }

  std::vector<Seen> peer_seen;
  std::vector<LPARAM> peer_extra_info;
};

TEST_F(PeerMouseTest, InputForAnotherProgramsWindowGoesToItsThread) {
  HWND mine = create_logged_window(L"Pointer", L"mine", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 400, 400});
  HWND peer = start_peer({100, 100, 300, 300});
  DWORD peer_thread = GetWindowThreadProcessId(peer, nullptr);
  click({150, 160});
  EXPECT_TRUE(pointer_messages(drain()).empty());
  machine.run_until_idle();
  EXPECT_EQ(peer_messages(), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  for (const Seen& seen : peer_seen) {
    EXPECT_EQ(seen.thread, peer_thread);
    if (seen.message != WM_NCHITTEST) {
      EXPECT_EQ(seen.lParam, at(50, 60));
    }
  }
  EXPECT_EQ(peer_extra_info, (std::vector<LPARAM>{0}));

  // Back over the harness's own window.
  peer_seen.clear();
  click({350, 350});
  EXPECT_EQ(ids(pointer_messages(drain(), mine)),
            (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  machine.run_until_idle();
  EXPECT_TRUE(peer_messages().empty());
}

TEST_F(PeerMouseTest, TransparencyStaysWithinTheThread) {
  HWND mine = create_logged_window(L"Pointer", L"mine", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 400, 400});
  HWND peer = start_peer({100, 100, 300, 300}, HTTRANSPARENT);
  click({150, 160});
  machine.run_until_idle();
  EXPECT_TRUE(peer_messages().empty());
  EXPECT_TRUE(pointer_messages(drain(), mine).empty());
  // The input is gone, not passed back and forth between the two threads.
  machine.run_until_idle();
  EXPECT_TRUE(desktop::current_thread()->queue.input.empty());
  EXPECT_TRUE(machine.find_thread(GetWindowThreadProcessId(peer, nullptr))->queue.input.empty());
}

TEST_F(PeerMouseTest, ACapturingPeerGetsTheInputAndTheHarnessSeesNoCapture) {
  create_logged_window(L"Pointer", L"mine", WS_POPUP | WS_VISIBLE, nullptr, 0, {400, 400, 600, 600});
  HWND peer = start_peer({100, 100, 300, 300});
  LRESULT ignored = 0;
  win_internal::run_on_owner_thread(
      *machine.find_window(peer), [peer] { return reinterpret_cast<LRESULT>(SetCapture(peer)); }, &ignored);
  EXPECT_EQ(GetCapture(), nullptr);
  click({450, 450});
  EXPECT_TRUE(pointer_messages(drain()).empty());
  machine.run_until_idle();
  ASSERT_EQ(peer_messages(), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(peer_seen.back().lParam, at(350, 350));
}

TEST_F(PeerMouseTest, APeersTrackedWindowHearsTheCursorLeaveForTheHarnessWindow) {
  HWND mine =
      create_logged_window(L"Pointer", L"mine", WS_POPUP | WS_VISIBLE, nullptr, 0, {400, 400, 600, 600});
  HWND peer = start_peer({100, 100, 300, 300});
  move({150, 150});
  machine.run_until_idle();
  LRESULT tracked = FALSE;
  win_internal::run_on_owner_thread(
      *machine.find_window(peer),
      [peer] {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, peer, HOVER_DEFAULT};
        return static_cast<LRESULT>(TrackMouseEvent(&track));
      },
      &tracked);
  EXPECT_TRUE(tracked);
  peer_seen.clear();
  move({450, 450});
  machine.run_until_idle();
  EXPECT_EQ(peer_messages(), (std::vector<UINT>{WM_MOUSELEAVE}));
  EXPECT_EQ(pointer_ids(mine), (std::vector<UINT>{WM_MOUSEMOVE}));
}

TEST_F(MouseTest, InputFromOutsideTheDesktopComesThroughItsInbox) {
  HWND hwnd =
      create_logged_window(L"Pointer", L"view", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 300, 300});
  drain();
  std::thread view([this] {
    desktop::MouseEvent event;
    event.move_to = POINT{120, 130};
    event.buttons = MOUSEEVENTF_LEFTDOWN;
    desktop::post_mouse(machine, event);
  });
  view.join();
  machine.run_until_idle();
  EXPECT_EQ(pointer_ids(hwnd), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN}));
}

}  // namespace

namespace {

using ClickActivationTest = MouseTest;

TEST_F(ClickActivationTest, APressAsksAnInactiveWindowAndActivatesIt) {
  HWND back = create_logged_window(L"Pointer", L"back", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 400, 400});
  HWND front =
      create_logged_window(L"Pointer", L"front", WS_POPUP | WS_VISIBLE, nullptr, 0, {500, 0, 900, 400});
  ASSERT_EQ(GetActiveWindow(), front);
  MessageLog::entries().clear();
  click({100, 100});
  drain();
  EXPECT_EQ(GetActiveWindow(), back);
  std::vector<UINT> seen = MessageLog::messages_of(back);
  auto at = [&](UINT message) { return std::find(seen.begin(), seen.end(), message) - seen.begin(); };
  ASSERT_LT(at(WM_MOUSEACTIVATE), static_cast<long>(seen.size()));
  EXPECT_LT(at(WM_MOUSEACTIVATE), at(WM_ACTIVATE));
  EXPECT_LT(at(WM_ACTIVATE), at(WM_LBUTTONDOWN));
  MessageLog::entries().clear();
  click({100, 100});  // the active window is not asked again
  drain();
  seen = MessageLog::messages_of(back);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_MOUSEACTIVATE), 0);
}

TEST_F(ClickActivationTest, AWindowMayRefuseActivationAndEatTheClick) {
  HWND back = create_logged_window(L"Pointer", L"back", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 400, 400});
  HWND front =
      create_logged_window(L"Pointer", L"front", WS_POPUP | WS_VISIBLE, nullptr, 0, {500, 0, 900, 400});
  MessageLog::handler() = [](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_MOUSEACTIVATE) return false;
    result = MA_NOACTIVATEANDEAT;
    return true;
  };
  MessageLog::entries().clear();
  click({100, 100});
  drain();
  std::vector<UINT> seen = MessageLog::messages_of(back);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_LBUTTONDOWN), 0);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_LBUTTONUP), 1);
  EXPECT_EQ(GetActiveWindow(), front);
}

TEST_F(ClickActivationTest, ShiftAndControlShowInTheButtonFlags) {
  HWND window = create_logged_window(L"Pointer", L"w", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 400, 400});
  INPUT shift{};
  shift.type = INPUT_KEYBOARD;
  shift.ki.wVk = VK_SHIFT;
  ASSERT_EQ(SendInput(1, &shift, sizeof(INPUT)), 1u);
  drain();
  MessageLog::entries().clear();
  click({10, 10});
  drain();
  int presses = 0;
  for (const auto& entry : MessageLog::entries()) {
    if (entry.hwnd != window || entry.message != WM_LBUTTONDOWN) continue;
    ++presses;
    EXPECT_EQ(entry.wParam, MK_LBUTTON | MK_SHIFT);
  }
  EXPECT_EQ(presses, 1);
}

}  // namespace
