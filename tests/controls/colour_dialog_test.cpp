// The platform's colour dialog, answered by clicks and typing as a presenter would.
#include <array>

#include "platform/win/hls_colour.h"
#include "tests/controls/user_input.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class ColourDialogTest : public DesktopTest {
 protected:
  // Opens the dialog in a program of its own; returns the dialog once it waits for the user.
  HWND open(DWORD flags, COLORREF initial = 0) {
    custom.fill(RGB(255, 255, 255));
    custom[3] = RGB(1, 2, 3);
    request = CHOOSECOLORW{
        sizeof(CHOOSECOLORW), nullptr, nullptr, initial, custom.data(), flags, 0, nullptr, nullptr};
    start_program(L"app.exe", [this] {
      answer = ChooseColorW(&request);
      return DWORD{0};
    });
    machine.run_until_idle();
    return FindWindowW(WC_DIALOG, L"Color");
  }

  void type_channel(HWND dialog, int id, const wchar_t* text) {
    SetDlgItemTextW(dialog, id, text);
    machine.run_until_idle();
  }

  bool shows(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

  UINT channel(HWND dialog, int id) { return GetDlgItemInt(dialog, id, nullptr, FALSE); }

  UserInput user{machine};
  std::array<COLORREF, 16> custom{};
  CHOOSECOLORW request{};
  BOOL answer = -1;
};

TEST_F(ColourDialogTest, AClickedBasicColourIsTheAnswer) {
  HWND dialog = open(CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR, RGB(255, 0, 0));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(channel(dialog, COLOR_RED), 255u);
  EXPECT_EQ(channel(dialog, COLOR_GREEN), 0u);
  user.click(GetDlgItem(dialog, kColourBasicFirstId + 19));
  EXPECT_EQ(channel(dialog, COLOR_GREEN), 255u);
  user.click(GetDlgItem(dialog, IDOK));
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(answer, TRUE);
  EXPECT_EQ(request.rgbResult, ColourDialogBasicColour(19));
}

TEST_F(ColourDialogTest, TypedChannelsMakeTheColourAndAddItToTheCustomColours) {
  HWND dialog = open(CC_FULLOPEN);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(channel(dialog, COLOR_RED), 0u);  // without CC_RGBINIT it starts at black
  type_channel(dialog, COLOR_RED, L"12");
  type_channel(dialog, COLOR_GREEN, L"34");
  type_channel(dialog, COLOR_BLUE, L"300");  // read as 255
  user.click(GetDlgItem(dialog, COLOR_ADD));
  // A custom colour clicked becomes the colour and the slot the next one is added to.
  user.click(GetDlgItem(dialog, kColourCustomFirstId + 3));
  EXPECT_EQ(channel(dialog, COLOR_BLUE), 3u);
  type_channel(dialog, COLOR_BLUE, L"9");
  user.click(GetDlgItem(dialog, COLOR_ADD));
  user.click(GetDlgItem(dialog, IDOK));
  EXPECT_EQ(answer, TRUE);
  EXPECT_EQ(request.rgbResult, RGB(1, 2, 9));
  EXPECT_EQ(custom[0], RGB(12, 34, 255));
  EXPECT_EQ(custom[3], RGB(1, 2, 9));
  EXPECT_EQ(custom[1], RGB(255, 255, 255));
}

TEST_F(ColourDialogTest, CancelAndEscapeLeaveTheColourAndTheCustomColours) {
  for (bool escape : {false, true}) {
    HWND dialog = open(CC_FULLOPEN | CC_RGBINIT, RGB(7, 8, 9));
    ASSERT_NE(dialog, nullptr);
    user.click(GetDlgItem(dialog, kColourBasicFirstId));
    user.click(GetDlgItem(dialog, COLOR_ADD));
    if (escape)
      user.key(VK_ESCAPE);
    else
      user.click(GetDlgItem(dialog, IDCANCEL));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(answer, FALSE);
    EXPECT_EQ(request.rgbResult, RGB(7, 8, 9));
    EXPECT_EQ(custom[0], RGB(255, 255, 255));
  }
}

TEST_F(ColourDialogTest, ACompactDialogOpensInFullOnRequestUnlessPrevented) {
  HWND dialog = open(0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(shows(dialog, COLOR_RED));
  RECT compact{};
  GetWindowRect(dialog, &compact);
  user.click(GetDlgItem(dialog, COLOR_MIX));
  EXPECT_TRUE(shows(dialog, COLOR_RED));
  EXPECT_TRUE(shows(dialog, COLOR_CURRENT));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, COLOR_MIX)));
  RECT full{};
  GetWindowRect(dialog, &full);
  EXPECT_GT(full.right - full.left, compact.right - compact.left);
  user.click(GetDlgItem(dialog, IDOK));

  dialog = open(CC_PREVENTFULLOPEN);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, COLOR_MIX)));
  user.click(GetDlgItem(dialog, IDOK));
  EXPECT_EQ(answer, TRUE);
  EXPECT_EQ(request.rgbResult, RGB(0, 0, 0));
}

}  // namespace

namespace {

TEST(HlsColourTest, ColoursConvertBothWays) {
  struct Case {
    COLORREF rgb;
    HlsColour hls;
  };
  const Case cases[] = {
      {RGB(255, 0, 0), {0, 120, 240}},    {RGB(0, 255, 0), {80, 120, 240}},
      {RGB(0, 0, 255), {160, 120, 240}},  {RGB(255, 255, 0), {40, 120, 240}},
      {RGB(255, 255, 255), {0, 240, 0}},  {RGB(0, 0, 0), {0, 0, 0}},
      {RGB(0, 128, 128), {120, 60, 240}},
  };
  for (const Case& c : cases) {
    const HlsColour hls = hls_from_rgb(c.rgb);
    EXPECT_EQ(hls.hue, c.hls.hue) << std::hex << c.rgb;
    EXPECT_EQ(hls.lum, c.hls.lum) << std::hex << c.rgb;
    EXPECT_EQ(hls.sat, c.hls.sat) << std::hex << c.rgb;
    EXPECT_EQ(rgb_from_hls(c.hls), c.rgb) << std::hex << c.rgb;
  }
}

}  // namespace

TEST_F(ColourDialogTest, HueSaturationAndLuminanceFollowTheColourAndLeadIt) {
  HWND dialog = open(CC_FULLOPEN | CC_RGBINIT, RGB(0, 0, 255));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(channel(dialog, COLOR_HUE), 160u);
  EXPECT_EQ(channel(dialog, COLOR_LUM), 120u);
  type_channel(dialog, COLOR_HUE, L"80");  // blue turned to green
  EXPECT_EQ(channel(dialog, COLOR_GREEN), 255u);
  EXPECT_EQ(channel(dialog, COLOR_BLUE), 0u);

  // The luminance bar's top is white and its bottom black, whatever the hue.
  RECT bar{};
  GetWindowRect(GetDlgItem(dialog, COLOR_LUMSCROLL), &bar);
  const LONG middle = (bar.left + bar.right) / 2;
  user.click_at({middle, bar.top});
  EXPECT_EQ(channel(dialog, COLOR_LUM), 240u);
  EXPECT_EQ(channel(dialog, COLOR_RED), 255u);
  user.click_at({middle, bar.bottom - 1});
  EXPECT_EQ(channel(dialog, COLOR_LUM), 0u);
  EXPECT_EQ(channel(dialog, COLOR_GREEN), 0u);

  // The spectrum gives hue across and saturation down, at a luminance that shows colour.
  RECT spectrum{};
  GetWindowRect(GetDlgItem(dialog, COLOR_RAINBOW), &spectrum);
  user.click_at({spectrum.left + (spectrum.right - spectrum.left) / 2, spectrum.top});
  EXPECT_NEAR(static_cast<int>(channel(dialog, COLOR_HUE)), 120, 3);
  EXPECT_EQ(channel(dialog, COLOR_SAT), 240u);
  EXPECT_EQ(channel(dialog, COLOR_LUM), 120u);
  user.click(GetDlgItem(dialog, IDOK));
  EXPECT_EQ(answer, TRUE);
  const HlsColour result = hls_from_rgb(request.rgbResult);
  EXPECT_NEAR(result.hue, 120, 3);
  EXPECT_EQ(result.sat, 240);
}
