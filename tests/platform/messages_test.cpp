#include "tests/platform/desktop_fixture.h"

namespace {

class MessagesTest : public DesktopTest {
 protected:
  MessagesTest() { MessageLog::register_class(L"Queue"); }

  std::vector<UINT> drain(HWND filter = nullptr) {
    std::vector<UINT> seen;
    MSG msg;
    while (PeekMessageW(&msg, filter, 0, 0, PM_REMOVE)) {
      seen.push_back(msg.message);
      DispatchMessageW(&msg);
    }
    return seen;
  }
};

TEST_F(MessagesTest, PostedMessagesComeInOrderAndFiltersApply) {
  HWND a = create_logged_window(L"Queue", L"a", WS_POPUP);
  HWND a_child = create_logged_window(L"Queue", L"a1", WS_CHILD, a, 1);
  HWND b = create_logged_window(L"Queue", L"b", WS_POPUP);
  PostMessageW(b, WM_USER + 1, 0, 0);
  PostMessageW(a_child, WM_USER + 2, 0, 0);
  PostMessageW(nullptr, WM_USER + 3, 0, 0);
  PostMessageW(a, WM_APP, 0, 0);

  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, a, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_USER + 2u);  // a window filter takes its children's messages too
  ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 3u);
  EXPECT_EQ(msg.hwnd, nullptr);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, a);
  EXPECT_EQ(drain(), (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
}

TEST_F(MessagesTest, QuitComesAfterPostedMessagesWhateverTheFilter) {
  HWND hwnd = create_logged_window(L"Queue", L"q", WS_POPUP);
  PostQuitMessage(3);
  PostMessageW(hwnd, WM_USER, 0, 0);
  MSG msg;
  EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_FALSE(GetMessageW(&msg, nullptr, WM_USER + 5, WM_USER + 6));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessagesTest, PaintAndTimerComeOnlyWhenNothingElseIsQueued) {
  HWND hwnd = create_logged_window(L"Queue", L"p", WS_POPUP | WS_VISIBLE);
  drain();
  SetTimer(hwnd, 7, 10, nullptr);
  machine.advance(10);
  InvalidateRect(hwnd, nullptr, TRUE);
  PostMessageW(hwnd, WM_USER, 0, 0);
  PostMessageW(hwnd, WM_USER + 1, 0, 0);
  EXPECT_EQ(drain(), (std::vector<UINT>{WM_USER, WM_USER + 1, WM_PAINT, WM_TIMER}));
  RECT update;
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));  // DefWindowProc validated it
}

TEST_F(MessagesTest, MessagesForADestroyedWindowAreDropped) {
  HWND hwnd = create_logged_window(L"Queue", L"gone", WS_POPUP);
  HWND other = create_logged_window(L"Queue", L"stays", WS_POPUP);
  PostMessageW(hwnd, WM_USER, 0, 0);
  PostMessageW(other, WM_USER + 1, 0, 0);
  DestroyWindow(hwnd);
  EXPECT_FALSE(PostMessageW(hwnd, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(drain(), (std::vector<UINT>{WM_USER + 1}));
}

TEST_F(MessagesTest, APostedQueueHasWindowsLimit) {
  HWND hwnd = create_logged_window(L"Queue", L"full", WS_POPUP);
  for (int i = 0; i < 10000; ++i)
    ASSERT_TRUE(PostMessageW(hwnd, WM_USER, 0, 0));
  EXPECT_FALSE(PostMessageW(hwnd, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_QUOTA);
  EXPECT_EQ(drain().size(), 10000u);
}

TEST_F(MessagesTest, PostThreadMessageNeedsALiveThread) {
  EXPECT_FALSE(PostThreadMessageW(0x7777, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_THREAD_ID);
  EXPECT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_USER, 5, 0));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(MessagesTest, CrossThreadSendWaitsAndHandlesWhatIsSentBackMeanwhile) {
  HWND mine = create_logged_window(L"Queue", L"mine", WS_POPUP);
  std::vector<std::string> order;
  MessageLog::handler() = [&](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_USER + 2) return false;
    order.push_back("harness handles the call back");
    EXPECT_TRUE(InSendMessage());
    result = 20;
    return true;
  };
  HWND peer = start_peer(L"Queue", L"peer", [&](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_USER + 1) return false;
    order.push_back("peer handles");
    result = SendMessageW(mine, WM_USER + 2, 0, 0) + 1;
    order.push_back("peer replies");
    return true;
  });
  LRESULT result = SendMessageW(peer, WM_USER + 1, 0, 0);
  order.push_back("harness has the reply");
  EXPECT_EQ(result, 21);
  EXPECT_EQ(order, (std::vector<std::string>{"peer handles", "harness handles the call back", "peer replies",
                                             "harness has the reply"}));
  EXPECT_FALSE(InSendMessage());
}

TEST_F(MessagesTest, SendToAThreadThatEndsReturnsZero) {
  HWND parked = nullptr;
  start_program(L"brief.exe", [&] {
    MessageLog::register_class(L"Queue");
    parked = create_logged_window(L"Queue", L"parked", WS_POPUP);
    Sleep(500);  // never pumps: the message sent meanwhile is left when the thread ends
    return DWORD{0};
  });
  machine.run_until_idle();
  ASSERT_NE(parked, nullptr);
  EXPECT_EQ(SendMessageW(parked, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_FALSE(IsWindow(parked));
  EXPECT_EQ(SendMessageW(parked, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(MessagesTest, SendNotifyMessageDoesNotWait) {
  int handled = 0;
  HWND peer = start_peer(L"Queue", L"peer", [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
    handled += message == WM_USER;
    return false;
  });
  EXPECT_TRUE(SendNotifyMessageW(peer, WM_USER, 0, 0));
  EXPECT_EQ(handled, 0);
  machine.run_until_idle();
  EXPECT_EQ(handled, 1);
}

TEST_F(MessagesTest, SleepLetsAnotherThreadHandleWhatWasPostedToIt) {
  int keys = 0;
  HWND view = start_peer(L"Queue", L"view", [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
    keys += message == WM_KEYDOWN;
    return false;
  });
  int before_sleep = -1;
  int after_sleep = -1;
  start_program(L"console.exe", [&] {
    PostMessageW(view, WM_KEYDOWN, 'A', 0x001E0001);
    before_sleep = keys;
    Sleep(80);
    after_sleep = keys;
    return DWORD{0};
  });
  machine.advance(100);
  EXPECT_EQ(before_sleep, 0);
  EXPECT_EQ(after_sleep, 1);
}

TEST_F(MessagesTest, TranslateMessagePostsTheCharacterOfAKey) {
  HWND hwnd = create_logged_window(L"Queue", L"t", WS_POPUP);
  MSG key{hwnd, WM_KEYDOWN, 'Q', 0x00100001, 0, {}};
  EXPECT_TRUE(TranslateMessage(&key));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_CHAR);
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(L'q'));
  MSG other{hwnd, WM_USER, 0, 0, 0, {}};
  EXPECT_FALSE(TranslateMessage(&other));
}

}  // namespace
