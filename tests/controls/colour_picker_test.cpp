// The colour button and the colour picker in a dialog, clicked and typed at as a presenter would.
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "platform/driver/scenario.h"
#include "src/controls/colour/clr_button.h"
#include "src/controls/colour/colour_picker_messages.h"
#include "src/controls/colour/xcolor_picker_xp.h"
#include "src/controls/colour/xcolor_popup_xp.h"
#include "tests/controls/dialog_program.h"

namespace {

constexpr int kPickerId = 100;
constexpr int kButtonId = 101;
constexpr DialogItemTemplate kItems[] = {
    {L"ComboBox", kPickerId, L"", 10, 10, 60, 100,
     WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 0},
    {L"Button", kButtonId, L"Sky", 10, 40, 80, 24, WS_VISIBLE | BS_OWNERDRAW, 0},
    {L"Button", IDOK, L"OK", 100, 10, 40, 14, WS_VISIBLE | WS_TABSTOP, 0},
};
constexpr DialogTemplate kPickerDialog{WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT,
                                       0,
                                       20,
                                       20,
                                       160,
                                       120,
                                       L"Colours",
                                       L"MS Sans Serif",
                                       8,
                                       kItems,
                                       3};

using Notification = std::pair<UINT, COLORREF>;

class PickerDlg : public CDialog {
 public:
  PickerDlg() : CDialog(&kPickerDialog) {}
  CXColorPickerXP picker;
  CClrButton button;
  std::vector<Notification> seen;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    picker.SubclassDlgItem(kPickerId, this);
    button.SubclassDlgItem(kButtonId, this);
    return TRUE;
  }
  // The colour button opens the colour dialog at its face colour, as the options dialogs do.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) != kButtonId || HIWORD(wParam) != BN_CLICKED)
      return CDialog::OnCommand(wParam, lParam);
    std::array<COLORREF, 16> custom{};
    CHOOSECOLORW request{sizeof(CHOOSECOLORW),
                         m_hWnd,
                         nullptr,
                         button.face_colour,
                         custom.data(),
                         CC_FULLOPEN | CC_RGBINIT,
                         0,
                         nullptr,
                         nullptr};
    if (ChooseColorW(&request)) button.SetColor(request.rgbResult);
    return TRUE;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= kColourChanged && message <= kColourChoiceCancelled)
      seen.emplace_back(message, static_cast<COLORREF>(wParam));
    return CDialog::WindowProc(message, wParam, lParam);
  }
};

class ColourPickerTest : public DialogProgramTest<PickerDlg> {
 protected:
  HWND picker() const { return dialog->picker.GetSafeHwnd(); }
  static HWND popup() { return FindWindowW(L"XColorPopupXP", nullptr); }

  // The centre of a pop-up cell on the screen.
  static POINT cell_on_screen(int row, int column) {
    RECT rect{};
    GetWindowRect(popup(), &rect);
    const int margin = GetSystemMetrics(SM_CXEDGE);
    return {rect.left + margin + column * 18 + 9, rect.top + margin + row * 18 + 9};
  }

  void open_by_press() {
    user.move_to(UserInput::centre_of(picker()));
    user.press_left();
    user.release_left();
  }

  static COLORREF pixel(HWND hwnd, int x, int y) { return UserInput::pixel_of(hwnd, x, y); }
};

TEST_F(ColourPickerTest, TheTableHoldsItsNamedSystemPlaceholderAndCustomEntries) {
  struct Case {
    int entry;
    const wchar_t* name;
    COLORREF colour;
    int system_colour;
  };
  const Case cases[] = {
      {0, L"Light Maroon", RGB(128, 0, 64), -1},
      {2, L"Red", RGB(255, 0, 0), -1},
      {23, L"Medium Spring Green", RGB(0, 255, 64), -1},
      {40, L"Cornflower Blue", RGB(100, 149, 237), -1},
      {50, L"Gray 40%", RGB(152, 152, 152), -1},
      {55, L"White", RGB(255, 255, 255), -1},
      {56, L"Window", RGB(0, 0, 0), COLOR_WINDOW},
      {71, L"Desktop", RGB(0, 0, 0), COLOR_DESKTOP},
      {72, L"1", RGB(192, 192, 192), -1},
      {87, L"16", RGB(192, 192, 192), -1},
      {88, L"Custom color 1", RGB(255, 255, 255), -1},
      {103, L"Custom color 16", RGB(255, 255, 255), -1},
  };
  for (const Case& c : cases) {
    const ColourTableEntry& entry = kColourTable[static_cast<std::size_t>(c.entry)];
    EXPECT_STREQ(entry.name, c.name) << c.entry;
    EXPECT_EQ(entry.colour, c.colour) << c.entry;
    EXPECT_EQ(entry.system_colour, c.system_colour) << c.entry;
  }
  EXPECT_EQ(kColourTableRows, 13);
}

TEST_F(ColourPickerTest, ArrowKeysWrapAndStepOverTheSeparator) {
  using Cell = CXColorPopupXP::Cell;
  struct Case {
    Cell from;
    UINT key;
    Cell to;
  };
  const Case cases[] = {
      {{0, 0}, VK_LEFT, {0, 7}},   {{3, 7}, VK_RIGHT, {3, 0}},  {{}, VK_LEFT, {12, 7}},
      {{}, VK_RIGHT, {0, 0}},      {{0, 4}, VK_UP, {12, 4}},    {{12, 4}, VK_DOWN, {0, 4}},
      {{10, 3}, VK_UP, {8, 3}},    {{8, 3}, VK_DOWN, {10, 3}},  {{11, 2}, VK_UP, {10, 2}},
      {{10, 2}, VK_DOWN, {11, 2}}, {{5, 5}, VK_RETURN, {5, 5}},
  };
  for (const Case& c : cases) {
    const Cell to = CXColorPopupXP::NextCell(c.from, c.key);
    EXPECT_EQ(to.row, c.to.row) << c.from.row << "," << c.from.column << " key " << c.key;
    EXPECT_EQ(to.column, c.to.column) << c.from.row << "," << c.from.column << " key " << c.key;
  }
}

TEST_F(ColourPickerTest, AClickedCellIsTheNewColour) {
  ASSERT_NE(dialog, nullptr);
  open_by_press();
  ASSERT_NE(popup(), nullptr);  // the release of the opening press did not close it
  RECT field{};
  RECT grid{};
  GetWindowRect(picker(), &field);
  GetWindowRect(popup(), &grid);
  EXPECT_EQ(grid.left, field.left);
  EXPECT_EQ(grid.top, field.bottom);
  user.click_at(cell_on_screen(2, 2));
  EXPECT_EQ(popup(), nullptr);
  EXPECT_EQ(dialog->picker.m_Color, RGB(0, 128, 0));
  EXPECT_EQ(dialog->picker.m_nSelectedRow, 2);
  EXPECT_EQ(dialog->picker.m_nSelectedCol, 2);
  const std::vector<Notification> expected{{kColourPopupOpened, RGB(255, 0, 0)},
                                           {kColourPopupClosed, RGB(0, 128, 0)},
                                           {kColourChoiceConfirmed, RGB(0, 128, 0)},
                                           {kColourChanged, RGB(0, 128, 0)}};
  EXPECT_EQ(dialog->seen, expected);
  EXPECT_EQ(pixel(picker(), 6, 6), RGB(0, 128, 0));
}

TEST_F(ColourPickerTest, AReleaseOutsideCancelsAndTheSameColourConfirmsWithoutAChange) {
  dialog->picker.m_bTrackSelection = 1;
  open_by_press();
  user.move_to(cell_on_screen(4, 5));
  EXPECT_EQ(dialog->picker.m_Color, RGB(0, 0, 255));  // tracked while open
  user.click_at({5, 5});
  EXPECT_EQ(popup(), nullptr);
  EXPECT_EQ(dialog->picker.m_Color, RGB(255, 0, 0));
  const std::vector<Notification> cancelled{{kColourPopupOpened, RGB(255, 0, 0)},
                                            {kColourPopupClosed, RGB(255, 0, 0)},
                                            {kColourChoiceCancelled, RGB(255, 0, 0)}};
  EXPECT_EQ(dialog->seen, cancelled);

  dialog->seen.clear();
  dialog->picker.m_bTrackSelection = 0;
  open_by_press();
  user.click_at(cell_on_screen(0, 2));
  const std::vector<Notification> same{{kColourPopupOpened, RGB(255, 0, 0)},
                                       {kColourPopupClosed, RGB(255, 0, 0)},
                                       {kColourChoiceConfirmed, RGB(255, 0, 0)}};
  EXPECT_EQ(dialog->seen, same);
}

TEST_F(ColourPickerTest, TheKeyboardOpensThePopupAndChoosesInIt) {
  SetFocus(picker());
  machine.run_until_idle();
  user.key(VK_F4);
  machine.advance(20);
  ASSERT_NE(popup(), nullptr);
  user.key(VK_RIGHT);  // from the chosen red to deep pink
  user.key(VK_RETURN);
  EXPECT_EQ(popup(), nullptr);
  EXPECT_EQ(dialog->picker.m_Color, RGB(255, 0, 128));
  ASSERT_FALSE(dialog->seen.empty());
  EXPECT_EQ(dialog->seen.back(), Notification(kColourChanged, RGB(255, 0, 128)));
}

TEST_F(ColourPickerTest, AltUpClosesThePopupAsACancel) {
  SetFocus(picker());
  machine.run_until_idle();
  user.key(VK_F4);
  machine.advance(20);
  ASSERT_NE(popup(), nullptr);
  INPUT keys[4]{};
  const WORD sequence[4][2] = {
      {VK_MENU, 0}, {VK_UP, 0}, {VK_UP, KEYEVENTF_KEYUP}, {VK_MENU, KEYEVENTF_KEYUP}};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i][0];
    keys[i].ki.dwFlags = sequence[i][1];
  }
  SendInput(4, keys, sizeof(INPUT));
  machine.advance(20);
  EXPECT_EQ(popup(), nullptr);
  EXPECT_EQ(dialog->seen.back(), Notification(kColourChoiceCancelled, RGB(255, 0, 0)));
}

TEST_F(ColourPickerTest, ACellShowsItsNameInATip) {
  open_by_press();
  user.move_to(cell_on_screen(5, 0));
  machine.advance(2000);
  HWND tip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(IsWindowVisible(tip));
  // A tip for each colour cell and one for the Custom button.
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 72 + 16 + 1);
  wchar_t text[64] = {};
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = popup();
  tool.uId = 40;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"Cornflower Blue");
}

TEST_F(ColourPickerTest, TheCustomButtonStartsTheColourDialogAtTheColourAndItsAnswerIsTheChoice) {
  dialog->picker.m_Color = RGB(1, 2, 3);  // in no cell
  open_by_press();
  user.click_at(cell_on_screen(10, 4));
  HWND colours = FindWindowW(WC_DIALOG, L"Color");
  ASSERT_NE(colours, nullptr);
  EXPECT_EQ(GetDlgItemInt(colours, COLOR_BLUE, nullptr, FALSE), 3u);
  user.click(GetDlgItem(colours, IDCANCEL));
  EXPECT_NE(popup(), nullptr);  // still open after Cancel

  user.click_at(cell_on_screen(10, 4));
  colours = FindWindowW(WC_DIALOG, L"Color");
  ASSERT_NE(colours, nullptr);
  SetDlgItemTextW(colours, COLOR_GREEN, L"200");
  machine.run_until_idle();
  user.click(GetDlgItem(colours, COLOR_ADD));
  user.click(GetDlgItem(colours, IDOK));
  EXPECT_EQ(popup(), nullptr);
  EXPECT_EQ(dialog->picker.m_Color, RGB(1, 200, 3));
  EXPECT_EQ(dialog->picker.m_CustomColors[0], RGB(1, 200, 3));
  EXPECT_EQ(dialog->seen.back(), Notification(kColourChanged, RGB(1, 200, 3)));
}

TEST_F(ColourPickerTest, ADisabledPickerShowsSilverUntilEnabled) {
  dialog->picker.m_Color = RGB(0, 0, 255);
  EnableWindow(picker(), FALSE);
  machine.run_until_idle();
  EXPECT_EQ(dialog->picker.m_Color, RGB(192, 192, 192));
  // The field itself is drawn in the inactive caption's text colour while disabled.
  EXPECT_EQ(pixel(picker(), 6, 6), GetSysColor(COLOR_INACTIVECAPTIONTEXT));
  EnableWindow(picker(), TRUE);
  machine.run_until_idle();
  EXPECT_EQ(dialog->picker.m_Color, RGB(0, 0, 255));
  EXPECT_EQ(pixel(picker(), 6, 6), RGB(0, 0, 255));
}

TEST_F(ColourPickerTest, TheColourButtonDrawsWhiteTextOnItsFaceAndSinksWhenPressed) {
  HWND button = dialog->button.GetSafeHwnd();
  dialog->button.SetColor(RGB(0, 0, 128));
  machine.run_until_idle();
  RECT client{};
  GetClientRect(button, &client);
  EXPECT_EQ(pixel(button, 3, 3), RGB(0, 0, 128));
  EXPECT_EQ(pixel(button, 0, 0), dialog->button.highlight);
  EXPECT_EQ(pixel(button, client.right - 1, client.bottom - 1), dialog->button.dark_shadow);
  bool white = false;
  for (int x = 0; x < client.right && !white; ++x)
    white = pixel(button, x, client.bottom / 2) == RGB(255, 255, 255);
  EXPECT_TRUE(white);
  SendMessageW(button, BM_SETSTATE, TRUE, 0);
  machine.run_until_idle();
  EXPECT_EQ(pixel(button, 0, 0), dialog->button.dark_shadow);
  EXPECT_EQ(pixel(button, 1, 1), dialog->button.shadow);
}

}  // namespace

namespace {

TEST_F(ColourPickerTest, TheDialogEndingWhileThePopupIsOpenClosesIt) {
  open_by_press();
  ASSERT_NE(popup(), nullptr);
  HWND shown = dialog->GetSafeHwnd();
  PostMessageW(shown, WM_COMMAND, IDOK, 0);
  machine.run_until_idle();
  EXPECT_EQ(dialog, nullptr);  // DoModal returned and the dialog object is gone
  EXPECT_FALSE(IsWindow(shown));
  EXPECT_EQ(popup(), nullptr);
}

}  // namespace

namespace {

TEST_F(ColourPickerTest, TheDesktopUserAnswersTheColourDialogOfTheCustomButton) {
  driver::DesktopUser presenter(machine);
  presenter.answer_next_colour_dialog(RGB(10, 20, 30));
  open_by_press();
  user.click_at(cell_on_screen(10, 0));
  ASSERT_TRUE(presenter.wait(0));
  EXPECT_EQ(FindWindowW(WC_DIALOG, L"Color"), nullptr);
  EXPECT_EQ(presenter.pending_answers(), 0u);
  EXPECT_EQ(dialog->picker.m_Color, RGB(10, 20, 30));
}

TEST_F(ColourPickerTest, AScenarioAnswersTheColourDialogOfAColourButton) {
  driver::DesktopUser presenter(machine);
  const driver::ScenarioResult result =
      driver::ScenarioRunner(presenter).run("answer RGB(10,20,30)\nclick 101\n");
  ASSERT_TRUE(result.ok) << result.line << ": " << result.reason;
  EXPECT_EQ(dialog->button.face_colour, RGB(10, 20, 30));
  for (const char* bad : {"answer RGB(10,20)\n", "answer RGB(10,20,256)\n", "answer RGB(1,2,3,4)\n"})
    EXPECT_FALSE(driver::ScenarioRunner(presenter).run(bad).ok) << bad;
}

}  // namespace
