// The message box in a program of its own, answered with the real keyboard and mouse.
#include <functional>
#include <string>
#include <vector>

#include "res/console_resources.h"
#include "src/controls/message_box/message_box_dialog.h"
#include "src/settings/settings_key.h"
#include "tests/controls/user_input.h"
#include "tests/platform/desktop_fixture.h"

namespace {

constexpr const wchar_t* kAppName = L"Orvenna-Console";

class MessageBoxTest : public DesktopTest {
 protected:
  // Runs body in app.exe, with the console's resources and its application object, until the
  // program waits; the program's exit code is what body returns.
  void start(std::function<int()> body) {
    process = &machine.create_process(L"app.exe");
    machine.start_thread(*process, [body] {
      SetModuleResources(&console_resources());
      CWinApp app(kAppName);
      app.SetRegistryKey(L"Halcyra Software");
      return static_cast<DWORD>(body());
    });
    machine.run_until_idle();
  }
  void show(const wchar_t* message, UINT style) {
    start([message, style] {
      return static_cast<int>(CMessageBoxDialog(nullptr, message, L"", style, 0).DoModal());
    });
  }
  long result() const {
    return process->object->signalled ? static_cast<long>(process->object->exit_code) : -1;
  }
  static HWND box() { return FindWindowW(WC_DIALOG, kAppName); }

  static void set_language(DWORD index) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExW(key, L"Language", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&index), sizeof(index));
    RegCloseKey(key);
  }
  static std::vector<std::wstring> texts(HWND parent) {
    std::vector<std::wstring> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t text[256] = {};
      GetWindowTextW(child, text, 256);
      found.emplace_back(text);
    }
    return found;
  }
  static HWND child_with_text(HWND parent, const std::wstring& text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      std::wstring found(4096, L'\0');
      found.resize(static_cast<std::size_t>(GetWindowTextW(child, found.data(), 4096)));
      if (text == found) return child;
    }
    return nullptr;
  }
  // The control of the box that has the focus of the box's thread.
  int focused_id() {
    const DWORD thread = GetWindowThreadProcessId(box(), nullptr);
    return GetDlgCtrlID(machine.focus().context_of(thread).focus);
  }

  void key(WORD vk) { UserInput(machine).key(vk); }
  void click(HWND control) { UserInput(machine).click(control); }

  desktop::Process* process = nullptr;
};

TEST_F(MessageBoxTest, TheButtonsSpeakTheInterfaceLanguageAndAnEmptyTitleIsTheApplicationsName) {
  set_language(1);
  show(L"Salvare lo spettacolo?", MB_OKCANCEL);
  HWND shown = box();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(texts(shown), (std::vector<std::wstring>{L"Salvare lo spettacolo?", L"&Ok", L"&Annulla"}));
  EXPECT_EQ(focused_id(), IDOK);
  key(VK_ESCAPE);
  EXPECT_EQ(result(), IDCANCEL);
  EXPECT_EQ(box(), nullptr);
}

TEST_F(MessageBoxTest, AYesNoQuestionStartsOnItsDefaultButtonAndIgnoresEscapeAndTheCloseBox) {
  show(L"Replace the recording?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  HWND shown = box();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(texts(shown), (std::vector<std::wstring>{L"", L"Replace the recording?", L"&Yes", L"&No"}));
  HWND icon = GetWindow(shown, GW_CHILD);
  EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0);
  EXPECT_EQ(focused_id(), IDNO);
  key(VK_ESCAPE);
  PostMessageW(shown, WM_CLOSE, 0, 0);
  machine.run_until_idle();
  ASSERT_EQ(box(), shown);
  EXPECT_EQ(result(), -1);
  key(VK_RETURN);
  EXPECT_EQ(result(), IDNO);
}

TEST_F(MessageBoxTest, EnterChoosesTheFocusedButtonAndTheMouseAnyButton) {
  show(L"Keep the pictures?", MB_YESNOCANCEL);
  key(VK_TAB);
  EXPECT_EQ(focused_id(), IDNO);
  key(VK_RETURN);
  EXPECT_EQ(result(), IDNO);
  show(L"Keep the pictures?", MB_YESNOCANCEL);
  click(GetDlgItem(box(), IDCANCEL));
  EXPECT_EQ(result(), IDCANCEL);
}

TEST_F(MessageBoxTest, ATickedAnswerIsRememberedAndTheBoxIsNotShownAgain) {
  const wchar_t* question = L"The show was recorded by another version. Replay it?";
  const UINT style = MB_YESNO | MB_ICONQUESTION | MB_DONTASKAGAIN;
  show(question, style);
  HWND check = child_with_text(box(), L"Don't ask this &question again.");
  ASSERT_NE(check, nullptr);
  click(check);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  click(GetDlgItem(box(), IDNO));
  EXPECT_EQ(result(), IDNO);

  show(question, style);
  EXPECT_EQ(result(), IDNO);
  // Another text is another question.
  show(L"Another question?", style);
  EXPECT_NE(box(), nullptr);
  key(VK_RETURN);
  EXPECT_EQ(result(), IDYES);
}

TEST_F(MessageBoxTest, AnUntickedAnswerIsNotRemembered) {
  const UINT style = MB_YESNO | MB_DONTASKAGAIN;
  show(L"Replay it?", style);
  key(VK_RETURN);
  EXPECT_EQ(result(), IDYES);
  show(L"Replay it?", style);
  EXPECT_NE(box(), nullptr);
}

TEST_F(MessageBoxTest, ALongMessageWrapsWithinHalfTheScreenAndKeepsItsAmpersands) {
  std::wstring message;
  for (int i = 0; i < 40; ++i)
    message += L"Orvenna & the console ";
  show(message.c_str(), MB_OK | MB_ICONINFORMATION);
  HWND text = child_with_text(box(), message);
  ASSERT_NE(text, nullptr);
  RECT area{};
  GetWindowRect(text, &area);
  EXPECT_LE(area.right - area.left, GetSystemMetrics(SM_CXSCREEN) / 2 + 100);
  EXPECT_GT(area.bottom - area.top, 3 * 13);
  EXPECT_NE(GetWindowLongPtrW(text, GWL_STYLE) & SS_NOPREFIX, 0);
}

// An application whose every message box is the console's.
class ConsoleApp : public CWinApp {
 public:
  ConsoleApp() : CWinApp(kAppName) {}
  int DoMessageBox(LPCWSTR prompt, UINT type, UINT help_id) override {
    return DoConsoleMessageBox(prompt, type, help_id);
  }
};

TEST_F(MessageBoxTest, TheApplicationsMessageBoxesAreTheConsolesOwn) {
  process = &machine.create_process(L"app.exe");
  machine.start_thread(*process, [] {
    SetModuleResources(&console_resources());
    ConsoleApp app;
    return static_cast<DWORD>(AfxMessageBox(L"Orvenna is not running.", MB_OK | MB_ICONEXCLAMATION));
  });
  machine.run_until_idle();
  HWND shown = box();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(texts(shown), (std::vector<std::wstring>{L"", L"Orvenna is not running.", L"&Ok"}));
  key(VK_RETURN);
  EXPECT_EQ(result(), IDOK);
}

}  // namespace
