// The rotation-speed dialog: each button opens as "SpeedOptions" and "Speed0" to "Speed3" say,
// every kind of change is saved, and a save without a change writes nothing.
#include "src/dialogs/options/speed_dialog.h"

#include <functional>

#include "platform/win/win32.h"
#include "tests/dialogs/chooser_fixture.h"
#include "tests/settings/registry_values.h"

namespace {

DWORD StoredDword(const std::wstring& name) {
  const StoredValue value = FetchValue(name);
  DWORD number = 0;
  if (value.type == REG_DWORD) std::memcpy(&number, value.bytes.data(), sizeof number);
  return number;
}

class SpeedDialogTest : public ChooserTest {
 protected:
  void open_dialog() {
    open([this](CWnd* owner) { return CSpeedDialog(state, owner).DoModal(); });
  }
  bool checked(int id) const { return SendMessageW(user.control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool enabled(int id) const { return IsWindowEnabled(user.control(id)) != FALSE; }
  LRESULT selection(int id) const { return SendMessageW(user.control(id), CB_GETCURSEL, 0, 0); }
  LRESULT slider(int k) const {
    return SendMessageW(user.control(CSpeedDialog::RateSlider(k)), TBM_GETPOS, 0, 0);
  }
  void save() { ASSERT_TRUE(user.click(CSpeedDialog::SaveId)); }

  CConsoleState state;
};

TEST(SpeedButtonBits, AFiftyYearForwardSiderealDateButtonIsItsSixBitsInItsGroup) {
  SpeedButtonSettings button;
  button.forward = true;
  button.dateStep = 5;
  button.sidereal = true;
  EXPECT_EQ(PackSpeedButton(button, 3), 0b101011u);
  EXPECT_EQ(PackSpeedButton(button, 0), 0b101011u << 18);
  button.rateMode = true;
  button.sidereal = false;
  EXPECT_EQ(PackSpeedButton(button, 1), 0b011011u << 12);
}

TEST_F(SpeedDialogTest, EachButtonOpensAsTheStoredWordSaysIt) {
  struct Case {
    const char* what;
    DWORD options;
    SpeedButtonSettings buttons[4];
  };
  const Case cases[] = {
      {"every bit clear", 0, {{}, {}, {}, {}}},
      {"one of each",
       PackSpeedButton({true, 0, true, false}, 0) | PackSpeedButton({false, 7, false, true}, 1) |
           PackSpeedButton({true, 3, false, false}, 2) | PackSpeedButton({false, 0, true, true}, 3),
       {{true, 0, true, false}, {false, 7, false, true}, {true, 3, false, false}, {false, 0, true, true}}},
  };
  StoreValue(L"Speed0", DwordValue(4));
  StoreValue(L"Speed3", DwordValue(12));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StoreValue(L"SpeedOptions", DwordValue(c.options));
    open_dialog();
    for (int k = 0; k < 4; ++k) {
      SCOPED_TRACE(k);
      const SpeedButtonSettings& want = c.buttons[k];
      EXPECT_EQ(checked(CSpeedDialog::RateRadio(k)), want.rateMode);
      EXPECT_EQ(checked(CSpeedDialog::DateRadio(k)), !want.rateMode);
      EXPECT_EQ(enabled(CSpeedDialog::RateSlider(k)), want.rateMode);
      EXPECT_EQ(enabled(CSpeedDialog::StepCombo(k)), !want.rateMode);
      EXPECT_EQ(enabled(CSpeedDialog::SiderealCheck(k)), !want.rateMode);
      EXPECT_EQ(checked(CSpeedDialog::ForwardRadio(k)), want.forward);
      EXPECT_EQ(checked(CSpeedDialog::BackwardRadio(k)), !want.forward);
      EXPECT_EQ(checked(CSpeedDialog::SiderealCheck(k)), want.sidereal);
      EXPECT_EQ(selection(CSpeedDialog::StepCombo(k)), want.dateStep);
    }
    EXPECT_EQ(slider(0), 4);
    EXPECT_EQ(slider(1), 1);
    EXPECT_EQ(slider(3), 12);
    user.key("ESCAPE");
    EXPECT_EQ(result(), CSpeedDialog::Cancelled);
  }
}

TEST_F(SpeedDialogTest, SaveWithoutAChangeEndsWithOneAndWritesNothing) {
  open_dialog();
  save();
  EXPECT_EQ(result(), CSpeedDialog::Saved);
  EXPECT_EQ(FetchValue(L"SpeedOptions").type, static_cast<DWORD>(REG_NONE));
  EXPECT_EQ(FetchValue(L"Speed0").type, static_cast<DWORD>(REG_NONE));
}

TEST_F(SpeedDialogTest, AButtonSetToFiftyYearsForwardAndSiderealIsSavedSo) {
  StoreValue(L"SpeedOptions", DwordValue(0));
  StoreValue(L"Speed2", DwordValue(7));
  open_dialog();
  ASSERT_TRUE(user.choose(CSpeedDialog::StepCombo(1), 5));
  ASSERT_TRUE(user.click(CSpeedDialog::ForwardRadio(1)));
  ASSERT_TRUE(user.click(CSpeedDialog::SiderealCheck(1)));
  save();
  EXPECT_EQ(result(), CSpeedDialog::Saved);
  EXPECT_EQ(StoredDword(L"SpeedOptions"), 0b101011u << 12);
  EXPECT_EQ(StoredDword(L"Speed2"), 7u);
  EXPECT_EQ(StoredDword(L"Speed0"), 1u);
}

// Each change of a kind of control is enough for Save to write.
TEST_F(SpeedDialogTest, EveryKindOfChangeIsSaved) {
  struct Case {
    const char* what;
    std::function<void()> change;
    DWORD options;
    DWORD speed0;
  };
  const DWORD rateButton0 = PackSpeedButton({false, 0, true, false}, 0);
  const auto slider0 = [this] { return user.control(CSpeedDialog::RateSlider(0)); };
  const Case cases[] = {
      {"the Home key on a slider",
       [&] {
         PostMessageW(slider0(), WM_KEYDOWN, VK_HOME, 0);
         machine.run_until_idle();
       },
       rateButton0, 1},
      {"the End key on a slider",
       [&] {
         PostMessageW(slider0(), WM_KEYDOWN, VK_END, 0);
         machine.run_until_idle();
       },
       rateButton0, 12},
      {"a click on a slider's thumb",
       [&] {
         RECT thumb{};
         SendMessageW(slider0(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
         MapWindowPoints(slider0(), dialog(), reinterpret_cast<POINT*>(&thumb), 2);
         ASSERT_TRUE(user.click_at({(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2}));
       },
       rateButton0, 5},
      {"a step chosen", [this] { ASSERT_TRUE(user.choose(CSpeedDialog::StepCombo(3), 2)); },
       PackSpeedButton({false, 2, false, false}, 3), 5},
      {"the sidereal check", [this] { ASSERT_TRUE(user.click(CSpeedDialog::SiderealCheck(2))); },
       PackSpeedButton({false, 0, false, true}, 2), 5},
      {"the direction", [this] { ASSERT_TRUE(user.click(CSpeedDialog::ForwardRadio(0))); },
       PackSpeedButton({true, 0, false, false}, 0), 5},
      {"the mode", [this] { ASSERT_TRUE(user.click(CSpeedDialog::RateRadio(1))); },
       PackSpeedButton({false, 0, true, false}, 1), 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const bool startsInRateMode = c.options == rateButton0;
    StoreValue(L"SpeedOptions", DwordValue(startsInRateMode ? rateButton0 : 0));
    StoreValue(L"Speed0", DwordValue(5));
    open_dialog();
    c.change();
    save();
    EXPECT_EQ(result(), CSpeedDialog::Saved);
    EXPECT_EQ(StoredDword(L"SpeedOptions"), c.options);
    EXPECT_EQ(StoredDword(L"Speed0"), c.speed0);
  }
}

TEST_F(SpeedDialogTest, ItSpeaksTheInterfaceLanguage) {
  state.language = 1;
  open_dialog();
  EXPECT_EQ(user.window_text(dialog()), L"Imposta le velocità di rotazione della cupola");
  EXPECT_EQ(user.text_of(CSpeedDialog::SaveId), L"Salva le velocità di rotazione");
  EXPECT_EQ(user.text_of(1972), L"Pulsante di velocità #2");
  EXPECT_EQ(SendMessageW(user.control(CSpeedDialog::StepCombo(0)), CB_GETCOUNT, 0, 0), 8);
}

}  // namespace
