// Dialogs from templates: modal loops, ending, keyboard, nested dialogs, data exchange.
#include <functional>
#include <string>

#include "tests/afx/afx_fixture.h"

namespace {

constexpr UINT kClick = 0x00F5;

class SampleDlg : public CDialog {
 public:
  explicit SampleDlg(CWnd* parent = nullptr, UINT template_id = 100) : CDialog(template_id, parent) {}

  std::function<void(SampleDlg&)> on_init;
  std::function<void(SampleDlg&)> on_create;
  std::function<void(SampleDlg&)> on_timer;
  std::function<BOOL(SampleDlg&, MSG*)> pre_translate;
  int count = 0;
  int value = 42;
  std::wstring name = L"Vega";
  CWnd edit;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (on_init) on_init(*this);
    return TRUE;
  }
  BOOL PreTranslateMessage(MSG* msg) override {
    if (pre_translate && pre_translate(*this, msg)) return TRUE;
    return CDialog::PreTranslateMessage(msg);
  }
  int OnCreate(LPCREATESTRUCTW create) {
    if (on_create) on_create(*this);
    return CDialog::OnCreate(create);
  }
  void OnTimer(UINT_PTR) {
    ++count;
    if (on_timer) on_timer(*this);
  }
  void OnNumber(UINT id) { EndDialog(static_cast<int>(id)); }

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    if (m_nIDTemplate != 100) return;
    DDX_Control(dx, 1002, edit);
    DDX_Text(dx, 1002, value);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SampleDlg, CDialog)
ON_WM_CREATE()
ON_WM_TIMER()
ON_COMMAND_RANGE(1010, 1012, &SampleDlg::OnNumber)
END_MESSAGE_MAP()

class DialogTest : public AfxTest {
 protected:
  // Runs a sample dialog modally in app.exe; returns once the program waits.
  void run_sample(std::function<void(SampleDlg&)> prepare = {}) {
    start_app([prepare] {
      CWinApp app(L"Sample app");
      SampleDlg dialog;
      if (prepare) prepare(dialog);
      return static_cast<int>(dialog.DoModal());
    });
  }
  void click(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), kClick, 0, 0);
    machine.run_until_idle();
  }
};

TEST_F(DialogTest, ASampleDialogFromItsTemplateOpensWithItsControlsInDialogUnits) {
  run_sample();
  HWND dialog = find_dialog(L"Sample");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(child_texts(dialog),
            (std::vector<std::wstring>{L"Name:", L"42", L"One", L"Two", L"Three", L"OK", L"Cancel"}));
  RECT units{0, 0, 4, 8};
  MapDialogRect(dialog, &units);
  EXPECT_GT(units.right, 4);
  EXPECT_GT(units.bottom, 8);
  RECT edit{};
  GetWindowRect(GetDlgItem(dialog, 1002), &edit);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&edit), 2);
  EXPECT_EQ(edit.left, MulDiv(50, units.right, 4));
  EXPECT_EQ(edit.right - edit.left, MulDiv(100, units.right, 4));
  EXPECT_EQ(edit.bottom - edit.top, MulDiv(12, units.bottom, 8));
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, MulDiv(160, units.right, 4));
  click(dialog, IDOK);
  EXPECT_EQ(exit_code(), IDOK);
}

struct EndCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  int target_id;  // 0: the dialog itself
  long result;
};

TEST_F(DialogTest, EscapeTheCloseBoxAndEnterEndTheDialogAsTheKeyboardUserExpects) {
  const EndCase cases[] = {
      {"escape", WM_KEYDOWN, VK_ESCAPE, 1002, IDCANCEL},
      {"close box", WM_SYSCOMMAND, SC_CLOSE, 0, IDCANCEL},
      {"close", WM_CLOSE, 0, 0, IDCANCEL},
      {"enter in the edit", WM_KEYDOWN, VK_RETURN, 1002, IDOK},
      {"enter on a button", WM_KEYDOWN, VK_RETURN, 1012, 1012},
  };
  for (const EndCase& end : cases) {
    run_sample([&end](SampleDlg& dialog) {
      dialog.on_init = [&end](SampleDlg& self) {
        self.GetDlgItem(end.target_id ? end.target_id : IDOK)->SetFocus();
      };
    });
    HWND dialog = find_dialog(L"Sample");
    ASSERT_NE(dialog, nullptr) << end.name;
    PostMessageW(end.target_id ? GetDlgItem(dialog, end.target_id) : dialog, end.message, end.wParam, 0);
    machine.run_until_idle();
    EXPECT_EQ(exit_code(), end.result) << end.name;
  }
}

TEST_F(DialogTest, EnterGivesTheDefaultButtonThatTheDialogSet) {
  run_sample([](SampleDlg& dialog) { dialog.on_init = [](SampleDlg& self) { self.SetDefID(1011); }; });
  HWND dialog = find_dialog(L"Sample");
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(1011, DC_HASDEFID));
  PostMessageW(GetDlgItem(dialog, 1002), WM_KEYDOWN, VK_RETURN, 0);
  machine.run_until_idle();
  EXPECT_EQ(exit_code(), 1011);
}

TEST_F(DialogTest, TabMovesTheFocusAlongTheTabStopsAndArrowsWithinTheGroup) {
  std::vector<int> focus;
  run_sample([&focus](SampleDlg& dialog) {
    dialog.pre_translate = [&focus](SampleDlg& self, MSG* msg) {
      if (msg->message == WM_USER) focus.push_back(::GetDlgCtrlID(::GetFocus()));
      if (msg->message == WM_USER + 1) self.EndDialog(0);
      return FALSE;
    };
  });
  HWND dialog = find_dialog(L"Sample");
  const std::pair<WPARAM, int> keys[] = {
      {VK_TAB, 0}, {VK_TAB, 0}, {VK_RIGHT, 0}, {VK_RIGHT, 0}, {VK_DOWN, 0}};
  for (auto [key, unused] : keys) {
    PostMessageW(dialog, WM_KEYDOWN, key, 0);
    PostMessageW(dialog, WM_USER, 0, 0);
    machine.run_until_idle();
  }
  PostMessageW(dialog, WM_USER + 1, 0, 0);
  machine.run_until_idle();
  // The edit has the focus first; the three numbered buttons form one group.
  EXPECT_EQ(focus, (std::vector<int>{1010, 1011, 1012, 1010, 1011}));
}

TEST_F(DialogTest, EndDialogInsideOnInitDialogEndsBeforeTheDialogIsShownAndTheFirstResultStands) {
  bool shown = true;
  run_sample([&shown](SampleDlg& dialog) {
    dialog.on_init = [&shown](SampleDlg& self) {
      self.EndDialog(5);
      self.EndDialog(7);
      shown = self.IsWindowVisible();
    };
  });
  EXPECT_EQ(exit_code(), 5);
  EXPECT_FALSE(shown);
  EXPECT_EQ(find_dialog(L"Sample"), nullptr);
}

TEST_F(DialogTest, EndDialogWhileTheWindowIsBeingCreatedEndsTheDialog) {
  run_sample([](SampleDlg& dialog) { dialog.on_create = [](SampleDlg& self) { self.EndDialog(9); }; });
  EXPECT_EQ(exit_code(), 9);
}

TEST_F(DialogTest, ANestedDialogDisablesItsOwnerWhoseTimerStillFires) {
  int outer_ticks_while_inner = -1;
  bool owner_enabled_inside = true;
  start_app([&] {
    CWinApp app(L"Nested");
    SampleDlg outer;
    app.m_pMainWnd = &outer;
    outer.on_init = [](SampleDlg& self) { self.SetTimer(104, 100); };
    outer.on_timer = [&](SampleDlg& self) {
      if (self.count != 1) return;
      SampleDlg inner(nullptr, 101);
      inner.on_init = [&](SampleDlg& dialog) {
        owner_enabled_inside = ::IsWindowEnabled(::GetWindow(dialog.m_hWnd, GW_OWNER));
        dialog.SetTimer(1, 1000);
      };
      inner.on_timer = [](SampleDlg& dialog) { dialog.EndDialog(IDOK); };
      int start = self.count;
      inner.DoModal();
      outer_ticks_while_inner = self.count - start;
      self.EndDialog(self.IsWindowEnabled() ? 3 : 4);
    };
    return static_cast<int>(outer.DoModal());
  });
  machine.advance(2000);
  EXPECT_FALSE(owner_enabled_inside);
  EXPECT_GE(outer_ticks_while_inner, 9);
  EXPECT_EQ(exit_code(), 3);
}

// A topmost main dialog opens a modal one while another program's window is there: the modal
// dialog shows above its owner, and when it ends the owner, not the other program, is active.
TEST_F(DialogTest, AModalDialogOfATopmostOwnerShowsAboveItAndGivesTheActivationBack) {
  MessageLog::register_class(L"Peer");
  HWND other_program = start_peer(L"Peer", L"peer");
  ShowWindow(other_program, SW_SHOW);
  machine.run_until_idle();
  bool above_owner = false;
  HWND active_after = nullptr;
  HWND outer_window = nullptr;
  start_app([&] {
    CWinApp app(L"Topmost owner");
    SampleDlg outer;
    app.m_pMainWnd = &outer;
    outer.on_init = [](SampleDlg& self) {
      ::SetWindowPos(self.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      self.SetTimer(104, 100);
    };
    outer.on_timer = [&](SampleDlg& self) {
      if (self.count != 1) return;
      outer_window = self.m_hWnd;
      SampleDlg inner(&self, 101);
      inner.on_init = [](SampleDlg& dialog) { dialog.SetTimer(1, 1000); };
      inner.on_timer = [&](SampleDlg& dialog) {
        above_owner = ::GetTopWindow(nullptr) == dialog.m_hWnd;
        dialog.EndDialog(IDOK);
      };
      inner.DoModal();
      active_after = ::GetActiveWindow();
      self.EndDialog(IDOK);
    };
    return static_cast<int>(outer.DoModal());
  });
  machine.advance(2000);
  EXPECT_TRUE(above_owner);
  EXPECT_EQ(active_after, outer_window);
  EXPECT_EQ(exit_code(), IDOK);
}

TEST_F(DialogTest, TheOwnersPreTranslateMessageSeesTheMouseMessagesOfAModalChild) {
  std::vector<HWND> seen_by_owner;
  HWND inner_ok = nullptr;
  start_app([&] {
    CWinApp app(L"Owner app");
    SampleDlg outer;
    app.m_pMainWnd = &outer;
    outer.on_init = [](SampleDlg& self) { self.PostMessage(WM_USER + 5); };
    outer.pre_translate = [&](SampleDlg& self, MSG* msg) {
      if (msg->message == WM_LBUTTONDOWN) seen_by_owner.push_back(msg->hwnd);
      if (msg->message != WM_USER + 5) return FALSE;
      SampleDlg inner(&self, 101);
      inner.on_init = [&](SampleDlg& dialog) { inner_ok = ::GetDlgItem(dialog.m_hWnd, IDOK); };
      self.EndDialog(static_cast<int>(inner.DoModal()));
      return TRUE;
    };
    return static_cast<int>(outer.DoModal());
  });
  ASSERT_NE(inner_ok, nullptr);
  PostMessageW(inner_ok, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  PostMessageW(inner_ok, WM_LBUTTONUP, 0, 0);
  machine.run_until_idle();
  EXPECT_EQ(seen_by_owner, std::vector<HWND>{inner_ok});
  EXPECT_EQ(exit_code(), IDOK);
}

TEST_F(DialogTest, DataExchangeFillsTheControlsAndRefusesTextThatIsNotANumber) {
  int value = 0;
  HWND bound = nullptr;
  start_app([&] {
    CWinApp app(L"Exchange");
    SampleDlg dialog;
    int result = static_cast<int>(dialog.DoModal());
    value = dialog.value;
    bound = dialog.edit.m_hWnd;
    return result;
  });
  HWND dialog = find_dialog(L"Sample");
  HWND edit = GetDlgItem(dialog, 1002);
  SetWindowTextW(edit, L"twelve");
  click(dialog, IDOK);
  HWND refusal = find_dialog(L"Exchange");
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(child_texts(refusal).front(), L"Please enter an integer.");
  click(refusal, IDOK);
  EXPECT_EQ(exit_code(), -1);
  SetWindowTextW(edit, L" 12 ");
  click(dialog, IDOK);
  EXPECT_EQ(exit_code(), IDOK);
  EXPECT_EQ(value, 12);
  EXPECT_EQ(bound, nullptr);  // the bound wrapper let go of the window with the dialog
}

TEST_F(DialogTest, AModelessDialogIsCreatedHiddenAndGoesWithDestroyWindow) {
  SetModuleResources(&kSampleResources);
  SampleDlg dialog;
  ASSERT_TRUE(dialog.Create(100));
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_EQ(dialog.GetDlgItemText(1002), L"42");
  EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
  EXPECT_TRUE(dialog.DestroyWindow());
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, DoModalWithoutItsTemplateFails) {
  start_app([] {
    CWinApp app(L"Missing");
    CDialog dialog(999);
    return static_cast<int>(dialog.DoModal());
  });
  EXPECT_EQ(exit_code(), static_cast<long>(static_cast<DWORD>(-1)));
}

}  // namespace

namespace {

class ViewerDlg : public CDialog {
 public:
  explicit ViewerDlg(bool& gone) : CDialog(101), gone_(gone) {}
  ~ViewerDlg() override { gone_ = true; }

 protected:
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }

 private:
  bool& gone_;
};

using ModelessTest = AfxTest;

TEST_F(ModelessTest, AModelessDialogOnTheHeapDeletesItselfWhenItsWindowGoes) {
  bool gone = false;
  HWND viewer = nullptr;
  start_app([&] {
    CWinApp app(L"Viewer");
    auto* dialog = new ViewerDlg(gone);
    if (!dialog->Create(101)) return 1;
    dialog->ShowWindow(SW_SHOW);
    viewer = dialog->m_hWnd;
    MSG msg;
    while (!gone && GetMessageW(&msg, nullptr, 0, 0) > 0)
      if (!AfxPreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    return 0;
  });
  ASSERT_NE(viewer, nullptr);
  EXPECT_FALSE(gone);
  PostMessageW(GetDlgItem(viewer, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
  machine.run_until_idle();
  EXPECT_TRUE(gone);
  EXPECT_FALSE(IsWindow(viewer));
  EXPECT_EQ(exit_code(), 0);
}

}  // namespace
