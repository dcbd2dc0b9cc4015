// The application object: one per program, its profile in the registry, message boxes and threads.
#include <string>

#include "tests/afx/afx_fixture.h"

namespace {

class NamedApp : public CWinApp {
 public:
  explicit NamedApp(LPCWSTR name) : CWinApp(name) {}
};

using AppTest = AfxTest;

struct BoxCase {
  UINT type;
  std::vector<std::wstring> buttons;
  int clicked;
};

TEST_F(AppTest, DefaultMessageBoxShowsTheTextAndButtonsTitledWithTheAppNameAndAnswersTheClick) {
  const BoxCase cases[] = {
      {MB_OK, {L"OK"}, IDOK},
      {MB_OKCANCEL, {L"OK", L"Cancel"}, IDCANCEL},
      {MB_YESNO | MB_ICONQUESTION, {L"&Yes", L"&No"}, IDNO},
      {MB_YESNOCANCEL, {L"&Yes", L"&No", L"Cancel"}, IDYES},
  };
  for (const BoxCase& box : cases) {
    start_app([&box] {
      NamedApp app(L"Planets");
      return AfxMessageBox(L"Show the planets?", box.type);
    });
    HWND shown = find_dialog(L"Planets");
    ASSERT_NE(shown, nullptr) << box.type;
    std::vector<std::wstring> expected{L"Show the planets?"};
    expected.insert(expected.end(), box.buttons.begin(), box.buttons.end());
    EXPECT_EQ(child_texts(shown), expected);
    EXPECT_TRUE(IsWindowVisible(shown));
    PostMessageW(GetDlgItem(shown, box.clicked), 0x00F5 /* BM_CLICK */, 0, 0);
    machine.run_until_idle();
    EXPECT_EQ(exit_code(), box.clicked) << box.type;
    EXPECT_EQ(find_dialog(L"Planets"), nullptr);
  }
}

struct CloseCase {
  UINT type;
  UINT message;
  WPARAM wParam;
  long answer;  // -1: the box stays
};

TEST_F(AppTest, EscapeAndTheCloseBoxAnswerCancelOrOkAndDoNothingInAYesNoBox) {
  const CloseCase cases[] = {
      {MB_OKCANCEL, WM_KEYDOWN, VK_ESCAPE, IDCANCEL}, {MB_OKCANCEL, WM_SYSCOMMAND, SC_CLOSE, IDCANCEL},
      {MB_OK, WM_KEYDOWN, VK_ESCAPE, IDOK},           {MB_YESNO, WM_KEYDOWN, VK_ESCAPE, -1},
      {MB_YESNO, WM_SYSCOMMAND, SC_CLOSE, -1},        {MB_YESNO | MB_DEFBUTTON2, WM_KEYDOWN, VK_RETURN, IDNO},
  };
  for (const CloseCase& box : cases) {
    start_app([&box] {
      NamedApp app(L"Box");
      return AfxMessageBox(L"Text", box.type);
    });
    HWND shown = find_dialog(L"Box");
    ASSERT_NE(shown, nullptr);
    HWND target = box.message == WM_KEYDOWN ? GetWindow(shown, GW_CHILD) : shown;
    PostMessageW(target, box.message, box.wParam, 0);
    machine.run_until_idle();
    EXPECT_EQ(exit_code(), box.answer) << box.type << " " << box.wParam;
    if (box.answer == -1) {
      EXPECT_NE(find_dialog(L"Box"), nullptr);
      PostMessageW(GetDlgItem(shown, IDYES), 0x00F5, 0, 0);
      machine.run_until_idle();
    }
  }
}

class RoutingApp : public CWinApp {
 public:
  int DoMessageBox(LPCWSTR prompt, UINT type, UINT help_id) override {
    shown += std::wstring(prompt) + L"|" + std::to_wstring(type) + L"|" + std::to_wstring(help_id) + L";";
    return IDYES;
  }
  std::wstring shown;
};

TEST_F(AppTest, EveryMessageBoxPassesThroughTheApplicationsDoMessageBox) {
  std::wstring shown;
  start_app([&shown] {
    RoutingApp app;
    int answers = AfxMessageBox(L"Direct", MB_YESNO, 7) + AfxMessageBox(3001, MB_OK);
    shown = app.shown;
    return answers;
  });
  EXPECT_EQ(exit_code(), 2 * IDYES);
  EXPECT_EQ(shown, L"Direct|4|7;TERRA|0|3001;");
}

TEST_F(AppTest, AMessageBoxIsOwnedByTheActiveWindowWhichIsDisabledUntilItIsAnswered) {
  HWND main = nullptr;
  start_app([&main] {
    NamedApp app(L"Owner");
    CWnd window;
    window.CreateEx(0, nullptr, L"Main", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr);
    app.m_pMainWnd = &window;
    main = window.m_hWnd;
    return AfxMessageBox(L"Owned?", MB_OK);
  });
  HWND shown = find_dialog(L"Owner");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(GetWindow(shown, GW_OWNER), main);
  EXPECT_FALSE(IsWindowEnabled(main));
  PostMessageW(GetDlgItem(shown, IDOK), 0x00F5, 0, 0);
  machine.run_until_idle();
  EXPECT_EQ(exit_code(), IDOK);
}

TEST_F(AppTest, ProfileValuesLiveUnderTheRegistryKeyAndTheApplicationName) {
  std::wstring read_back;
  start_app([&read_back] {
    NamedApp app(L"Console");
    UINT before = app.GetProfileIntW(L"MessageBoxes", L"1234", static_cast<UINT>(-1));
    app.SetRegistryKey(L"Halcyra Software");
    app.WriteProfileIntW(L"MessageBoxes", L"1234", 6);
    app.WriteProfileStringW(L"Recent", L"File", L"C:\\shows\\one.ocsf");
    read_back =
        app.GetProfileStringW(L"Recent", L"File") + L"|" + app.GetProfileStringW(L"Recent", L"None", L"none");
    return static_cast<int>(before + 1 + app.GetProfileIntW(L"MessageBoxes", L"1234", -1) * 10 +
                            app.GetProfileIntW(L"MessageBoxes", L"missing", 3) * 100);
  });
  EXPECT_EQ(exit_code(), 360);
  EXPECT_EQ(read_back, L"C:\\shows\\one.ocsf|none");
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Halcyra Software\\Console\\MessageBoxes", 0,
                          KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD value = 0;
  DWORD size = sizeof(value);
  EXPECT_EQ(RegQueryValueExW(key, L"1234", nullptr, nullptr, reinterpret_cast<LPBYTE>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 6u);
  RegCloseKey(key);
}

TEST_F(AppTest, EachStartOfAProgramHasItsOwnApplicationObject) {
  std::vector<std::wstring> names;
  for (const wchar_t* name : {L"First", L"Second"}) {
    start_app([&names, name] {
      bool fresh = AfxGetApp() == nullptr && std::wstring(AfxGetAppName()).empty();
      NamedApp app(name);
      names.push_back(std::wstring(AfxGetAppName()) + (fresh ? L"" : L" (stale)"));
      return 0;
    });
  }
  EXPECT_EQ(names, (std::vector<std::wstring>{L"First", L"Second"}));
}

class FailingApp : public CWinApp {
 public:
  BOOL InitInstance() override { return FALSE; }
  int ExitInstance() override { return 42; }
};

TEST_F(AppTest, AfxWinMainEndsWithExitInstanceWhenInitInstanceFails) {
  start_app([] {
    FailingApp app;
    return AfxWinMain(L"");
  });
  EXPECT_EQ(exit_code(), 42);
}

struct ThreadRecord {
  DWORD thread_id = 0;
  CWinApp* app = nullptr;
  int parameter = 0;
};

UINT record_thread(LPVOID parameter) {
  auto* record = static_cast<ThreadRecord*>(parameter);
  record->thread_id = GetCurrentThreadId();
  record->app = AfxGetApp();
  record->parameter = 5;
  return 0;
}

TEST_F(AppTest, AfxBeginThreadRunsTheFunctionOnADesktopThreadOfTheSameProgram) {
  ThreadRecord record;
  DWORD main_thread = 0;
  CWinApp* main_app = nullptr;
  start_app([&] {
    NamedApp app(L"Threads");
    main_thread = GetCurrentThreadId();
    main_app = &app;
    CWinThread* thread = AfxBeginThread(record_thread, &record);
    if (thread == nullptr) return 1;
    Sleep(10);
    return 0;
  });
  machine.advance(100);
  EXPECT_EQ(exit_code(), 0);
  EXPECT_NE(record.thread_id, 0u);
  EXPECT_NE(record.thread_id, main_thread);
  EXPECT_EQ(record.app, main_app);
  EXPECT_EQ(record.parameter, 5);
}

TEST_F(AppTest, StartUpCallsSucceed) {
  start_app([] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), 0xFF};
    AfxEnableControlContainer();
    const bool module = AfxGetInstanceHandle() == GetModuleHandleW(nullptr) &&
                        AfxGetResourceHandle() == AfxGetInstanceHandle();
    return InitCommonControlsEx(&init) && AfxOleInit() && module ? 0 : 1;
  });
  EXPECT_EQ(exit_code(), 0);
}

}  // namespace
