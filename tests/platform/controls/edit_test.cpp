#include "tests/platform/controls/controls_fixture.h"

namespace {

class EditTest : public ControlsTest {
 protected:
  HWND edit(DWORD style = ES_AUTOHSCROLL, const wchar_t* text = L"", RECT rect = {20, 20, 220, 44}) {
    HWND made = make(WC_EDITW, text, WS_BORDER | style, rect);
    return made;
  }

  static std::pair<DWORD, DWORD> selection(HWND hwnd) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
};

TEST_F(EditTest, TypingChangesTheTextAndTellsTheParentEachTime) {
  HWND field = edit();
  SetFocus(field);
  forget_messages();
  type(L"Rome");
  EXPECT_EQ(window_text(field), L"Rome");
  const std::vector<WORD> each{EN_UPDATE, EN_CHANGE};
  std::vector<WORD> expected;
  for (int i = 0; i < 4; ++i)
    expected.insert(expected.end(), each.begin(), each.end());
  EXPECT_EQ(notifications(field), expected);
  key(VK_BACK);
  EXPECT_EQ(window_text(field), L"Rom");
  EXPECT_EQ(selection(field), (std::pair<DWORD, DWORD>{3, 3}));
}

TEST_F(EditTest, SettingTheTextFromCodeAlsoTellsTheParent) {
  HWND field = edit();
  forget_messages();
  SetWindowTextW(field, L"180");
  EXPECT_EQ(notifications(field), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  wchar_t buffer[8]{};
  EXPECT_EQ(GetWindowTextW(field, buffer, 8), 3);
  EXPECT_STREQ(buffer, L"180");
}

TEST_F(EditTest, TheLimitStopsTypingButNotCode) {
  HWND field = edit();
  SendMessageW(field, EM_LIMITTEXT, 3, 0);
  EXPECT_EQ(SendMessageW(field, EM_GETLIMITTEXT, 0, 0), 3);
  SetFocus(field);
  type(L"1234");
  EXPECT_EQ(window_text(field), L"123");
  EXPECT_EQ(notifications(field).back(), EN_MAXTEXT);
  SetWindowTextW(field, L"99999");
  EXPECT_EQ(window_text(field), L"99999");
}

TEST_F(EditTest, StylesDecideWhatTypingDoes) {
  struct Case {
    const char* name;
    DWORD style;
    const wchar_t* typed;
    const wchar_t* text;
  };
  const Case cases[] = {
      {"digits only", ES_NUMBER, L"1a2-3", L"123"},
      {"read-only", ES_READONLY, L"abc", L""},
      {"upper case", ES_UPPERCASE, L"abc", L"ABC"},
      {"single line ignores Enter", 0, L"a\rb", L"ab"},
      {"multi-line breaks lines at Enter", ES_MULTILINE, L"a\rb", L"a\r\nb"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    HWND field = edit(test.style, L"", {20, 20, 220, 80});
    SetFocus(field);
    for (const wchar_t* c = test.typed; *c != L'\0'; ++c) {
      if (*c == L'\r') {
        key(VK_RETURN);
      } else {
        type(std::wstring(1, *c));
      }
    }
    EXPECT_EQ(window_text(field), test.text);
    DestroyWindow(field);
  }
}

TEST_F(EditTest, SelectionsSetFromCode) {
  struct Case {
    int start;
    int end;
    std::pair<DWORD, DWORD> selected;
  };
  const Case cases[] = {
      {0, -1, {0, 6}},                  // the whole text
      {2, 4, {2, 4}},  {4, 2, {2, 4}},  // reversed
      {3, 99, {3, 6}},                  // past the end
      {-1, 0, {6, 6}},                  // none: the caret stays where the last selection ended
  };
  HWND field = edit(ES_AUTOHSCROLL, L"Saturn");
  for (const Case& test : cases) {
    SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(test.start), test.end);
    EXPECT_EQ(selection(field), test.selected) << test.start << ", " << test.end;
  }
}

TEST_F(EditTest, ReplacingTheSelectionTellsTheParent) {
  HWND field = edit(ES_AUTOHSCROLL, L"Saturn");
  SendMessageW(field, EM_SETSEL, 0, 3);
  forget_messages();
  SendMessageW(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"Nep"));
  EXPECT_EQ(window_text(field), L"Nepurn");
  EXPECT_EQ(selection(field), (std::pair<DWORD, DWORD>{3, 3}));
  EXPECT_EQ(notifications(field), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  EXPECT_TRUE(SendMessageW(field, EM_GETMODIFY, 0, 0));
}

TEST_F(EditTest, FocusComingAndGoingIsReported) {
  HWND first = edit();
  HWND second = edit(ES_AUTOHSCROLL, L"", {20, 60, 220, 84});
  SetFocus(first);
  forget_messages();
  click_centre(second);
  EXPECT_EQ(notifications(first), std::vector<WORD>{EN_KILLFOCUS});
  EXPECT_EQ(notifications(second), std::vector<WORD>{EN_SETFOCUS});
}

TEST_F(EditTest, AClickPutsTheCaretAtTheNearestCharacter) {
  HWND field = edit(ES_AUTOHSCROLL, L"Jupiter");
  click(field, {195, 12});
  EXPECT_EQ(selection(field), (std::pair<DWORD, DWORD>{7, 7}));
  click(field, {0, 12});
  EXPECT_EQ(selection(field), (std::pair<DWORD, DWORD>{0, 0}));
  type(L"X");
  EXPECT_EQ(window_text(field), L"XJupiter");
}

TEST_F(EditTest, TheFormattingRectangleLiesInsideTheClientArea) {
  HWND field = edit(ES_MULTILINE, L"", {20, 20, 220, 120});
  RECT client{};
  GetClientRect(field, &client);
  RECT format{};
  SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  EXPECT_GT(format.right - format.left, 0);
  EXPECT_GE(format.left, client.left);
  EXPECT_LE(format.right, client.right);
  EXPECT_LE(format.bottom, client.bottom);
}

TEST_F(EditTest, MultiLineTextWrapsAtTheFieldsWidth) {
  HWND field = edit(ES_MULTILINE, L"", {20, 20, 120, 200});
  SetWindowTextW(field, L"one two three four five six seven eight");
  EXPECT_GT(SendMessageW(field, EM_GETLINECOUNT, 0, 0), 1);
  HWND wide = edit(ES_MULTILINE | ES_AUTOHSCROLL, L"", {20, 220, 120, 300});
  SetWindowTextW(wide, L"one two three four five six seven eight\r\nnine");
  EXPECT_EQ(SendMessageW(wide, EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(wide, EM_LINEINDEX, 1, 0), 41);
}

TEST_F(EditTest, TheCaretBlinksWhileTheFieldHasTheFocus) {
  HWND field = edit();
  const auto unfocused = pixels(field);
  SetFocus(field);
  const auto lit = pixels(field);
  EXPECT_NE(lit, unfocused);
  wait(530);
  EXPECT_EQ(pixels(field), unfocused);
  wait(530);
  EXPECT_EQ(pixels(field), lit);
}

}  // namespace
