// The Win32 dialog manager under the framework: dialog procedures, results and item helpers.
#include "tests/afx/afx_fixture.h"

namespace {

constexpr DialogItemTemplate kItems[] = {
    {L"Static", 10, L"", 0, 0, 40, 8, WS_VISIBLE, 0},
    {L"Button", IDOK, L"OK", 0, 20, 40, 14, WS_VISIBLE | WS_TABSTOP, 0},
};
constexpr DialogTemplate kPlain{WS_POPUP | WS_CAPTION, 0, 0, 0, 80, 40, L"Plain", nullptr, 0, kItems, 2};

INT_PTR CALLBACK plain_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      return TRUE;
    case WM_APP:
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 77);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) EndDialog(dialog, GetWindowLongPtrW(dialog, DWLP_USER));
      return TRUE;
    default:
      return FALSE;
  }
}

using DialogManagerTest = AfxTest;

TEST_F(DialogManagerTest, TheDialogProceduresAnswerIsItsMessageResultAndEndDialogGivesTheBoxsResult) {
  start_app([] {
    return static_cast<int>(DialogBoxIndirectParamW(nullptr, &kPlain, nullptr, plain_procedure, 31));
  });
  HWND dialog = find_dialog(L"Plain");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(dialog, WM_APP, 0, 0), 77);
  EXPECT_EQ(SendMessageW(dialog, WM_GETFONT, 0, 0), 0);   // the system font
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), 0);  // no default push button
  PostMessageW(GetDlgItem(dialog, IDOK), 0x00F5, 0, 0);
  machine.run_until_idle();
  EXPECT_EQ(exit_code(), 31);
}

constexpr DialogItemTemplate kLabelOnly[] = {{L"Static", 10, L"Map", 0, 0, 40, 8, WS_VISIBLE, 0}};
constexpr DialogTemplate kNoFocusableControl{
    WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 80, 40, L"Map", nullptr, 0, kLabelOnly, 1};

INT_PTR CALLBACK cancel_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 9);
  return message == WM_COMMAND;
}

TEST_F(DialogManagerTest, ADialogWithNoControlThatTakesTheFocusTakesItAndItsKeysItself) {
  start_app([] {
    return static_cast<int>(
        DialogBoxIndirectParamW(nullptr, &kNoFocusableControl, nullptr, cancel_procedure, 0));
  });
  HWND dialog = find_dialog(L"Map");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(machine.focus().context_of(GetWindowThreadProcessId(dialog, nullptr)).focus, dialog);
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_ESCAPE;
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
  machine.run_until_idle();
  EXPECT_EQ(exit_code(), 9);
}

TEST_F(DialogManagerTest, ItemNumbersReadBackOnlyWhenTheWholeTextIsANumberInRange) {
  HWND dialog = CreateDialogIndirectParamW(nullptr, &kPlain, nullptr, plain_procedure, 0);
  ASSERT_NE(dialog, nullptr);
  struct Case {
    const wchar_t* text;
    BOOL is_signed;
    BOOL translated;
    UINT value;
  };
  const Case cases[] = {
      {L"42", FALSE, TRUE, 42},
      {L"  -7 ", TRUE, TRUE, static_cast<UINT>(-7)},
      {L"-7", FALSE, FALSE, 0},
      {L"12abc", TRUE, FALSE, 0},
      {L"", TRUE, FALSE, 0},
      {L"4294967295", FALSE, TRUE, 4294967295u},
      {L"4294967296", FALSE, FALSE, 0},
      {L"2147483648", TRUE, FALSE, 0},
  };
  for (const Case& item : cases) {
    SetDlgItemTextW(dialog, 10, item.text);
    BOOL translated = -1;
    EXPECT_EQ(GetDlgItemInt(dialog, 10, &translated, item.is_signed), item.value) << item.text;
    EXPECT_EQ(translated, item.translated) << item.text;
  }
  EXPECT_TRUE(SetDlgItemInt(dialog, 10, static_cast<UINT>(-5), TRUE));
  wchar_t text[16];
  EXPECT_EQ(GetDlgItemTextW(dialog, 10, text, 16), 2u);
  EXPECT_STREQ(text, L"-5");
  EXPECT_EQ(GetDlgItemTextW(dialog, 99, text, 16), 0u);
  EXPECT_STREQ(text, L"");
  EXPECT_EQ(SendDlgItemMessageW(dialog, 99, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_CONTROL_ID_NOT_FOUND);
  DestroyWindow(dialog);
}

TEST_F(DialogManagerTest, ADialogWhoseControlCannotBeMadeIsNotMadeUnlessToldSo) {
  constexpr DialogItemTemplate kMissing[] = {{L"NoSuchClass", 5, L"", 0, 0, 10, 10, WS_VISIBLE, 0}};
  DialogTemplate strict{WS_POPUP, 0, 0, 0, 40, 40, L"Strict", nullptr, 0, kMissing, 1};
  EXPECT_EQ(CreateDialogIndirectParamW(nullptr, &strict, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(find_dialog(L"Strict"), nullptr);
  strict.style |= DS_NOFAILCREATE;
  HWND tolerant = CreateDialogIndirectParamW(nullptr, &strict, nullptr, nullptr, 0);
  ASSERT_NE(tolerant, nullptr);
  EXPECT_EQ(GetDlgItem(tolerant, 5), nullptr);
  DestroyWindow(tolerant);
}

TEST_F(DialogManagerTest, ACentredDialogSitsInTheMiddleOfTheWorkArea) {
  DialogTemplate centred = kPlain;
  centred.style |= DS_CENTER;
  HWND dialog = CreateDialogIndirectParamW(nullptr, &centred, nullptr, nullptr, 0);
  ASSERT_NE(dialog, nullptr);
  RECT rect{};
  GetWindowRect(dialog, &rect);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(std::abs((rect.left + rect.right) - (work.left + work.right)), 1);
  EXPECT_LE(std::abs((rect.top + rect.bottom) - (work.top + work.bottom)), 1);
  DestroyWindow(dialog);
}

desktop::DesktopConfig two_monitors() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 1920, 1080}},
                     desktop::MonitorConfig{{1920, 0, 3200, 1024}}};
  config.start_shell = true;
  return config;
}

class CentredDialogTest : public DesktopTest {
 protected:
  CentredDialogTest() : DesktopTest(two_monitors()) { MessageLog::register_class(L"Owner"); }
};

// Centred on its owner, a dialog larger than the owner or beside a monitor's edge stays whole on
// the owner's monitor, clear of the taskbar.
TEST_F(CentredDialogTest, ACentredDialogStaysWholeOnItsOwnersMonitor) {
  struct Case {
    const char* what;
    RECT owner;
    RECT work;
    bool centredOnOwner;
  };
  const Case cases[] = {
      {"an owner in the middle", {660, 340, 1260, 740}, {0, 0, 1920, 1040}, true},
      {"a small owner in the bottom right corner", {1800, 960, 1900, 1030}, {0, 0, 1920, 1040}, false},
      {"an owner at the secondary monitor's right edge", {3100, 10, 3190, 60}, {1920, 0, 3200, 1024}, false},
      {"an owner on the left of the secondary monitor", {1930, 500, 1990, 560}, {1920, 0, 3200, 1024}, false},
  };
  DialogTemplate centred = kPlain;
  centred.style |= DS_CENTER;
  centred.cx = 300;
  centred.cy = 200;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HWND owner = CreateWindowExW(0, L"Owner", L"owner", WS_POPUP | WS_VISIBLE, c.owner.left, c.owner.top,
                                 c.owner.right - c.owner.left, c.owner.bottom - c.owner.top, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    HWND dialog = CreateDialogIndirectParamW(nullptr, &centred, owner, nullptr, 0);
    ASSERT_NE(dialog, nullptr);
    RECT rect{};
    GetWindowRect(dialog, &rect);
    EXPECT_GE(rect.left, c.work.left);
    EXPECT_GE(rect.top, c.work.top);
    EXPECT_LE(rect.right, c.work.right);
    EXPECT_LE(rect.bottom, c.work.bottom);
    if (c.centredOnOwner) {
      EXPECT_LE(std::abs((rect.left + rect.right) - (c.owner.left + c.owner.right)), 1);
      EXPECT_LE(std::abs((rect.top + rect.bottom) - (c.owner.top + c.owner.bottom)), 1);
    }
    DestroyWindow(dialog);
    DestroyWindow(owner);
  }
}

}  // namespace
