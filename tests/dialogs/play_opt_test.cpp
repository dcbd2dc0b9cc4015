// The monitoring-window options: the stored values on the sliders and the picker, every kind of
// change saved, and nothing written without a change.
#include "src/dialogs/options/play_opt.h"

#include <functional>

#include "platform/win/win32.h"
#include "src/controls/colour/colour_picker_messages.h"
#include "tests/dialogs/chooser_fixture.h"
#include "tests/settings/registry_values.h"

namespace {

DWORD StoredDword(const std::wstring& name) {
  const StoredValue value = FetchValue(name);
  DWORD number = 0;
  if (value.type == REG_DWORD) std::memcpy(&number, value.bytes.data(), sizeof number);
  return number;
}

class PlayOptTest : public ChooserTest {
 protected:
  void open_dialog() {
    open([this](CWnd* owner) { return CPlayOpt(state, owner).DoModal(); });
  }
  LRESULT position(int id) const { return SendMessageW(user.control(id), TBM_GETPOS, 0, 0); }
  void key_on(int id, WPARAM key) {
    PostMessageW(user.control(id), WM_KEYDOWN, key, 0);
    machine.run_until_idle();
  }

  CConsoleState state;
};

TEST_F(PlayOptTest, TheSlidersShowTheStoredValuesWithinTheirRanges) {
  struct Case {
    const char* what;
    bool stored;
    LRESULT size, refresh, wait;
  };
  const Case cases[] = {{"nothing stored", false, 70, 3, 12}, {"values stored", true, 85, 5, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.stored) {
      StoreValue(L"PlaybackWndSize", DwordValue(85));
      StoreValue(L"PlaybackFreqRefresh", DwordValue(5));
      StoreValue(L"OCStartup", DwordValue(4));
    }
    open_dialog();
    EXPECT_EQ(position(CPlayOpt::SizeSliderId), c.size);
    EXPECT_EQ(position(CPlayOpt::RefreshSliderId), c.refresh);
    EXPECT_EQ(position(CPlayOpt::StartupWaitSliderId), c.wait);
    EXPECT_EQ(SendMessageW(user.control(CPlayOpt::SizeSliderId), TBM_GETRANGEMIN, 0, 0), 50);
    EXPECT_EQ(SendMessageW(user.control(CPlayOpt::SizeSliderId), TBM_GETRANGEMAX, 0, 0), 90);
    EXPECT_EQ(SendMessageW(user.control(CPlayOpt::StartupWaitSliderId), TBM_GETRANGEMAX, 0, 0), 20);
    ASSERT_TRUE(user.click(CPlayOpt::CancelId));
    EXPECT_EQ(result(), CPlayOpt::Closed);
  }
}

TEST_F(PlayOptTest, SaveWithoutAChangeWritesNothing) {
  open_dialog();
  ASSERT_TRUE(user.click(CPlayOpt::SaveId));
  EXPECT_EQ(result(), CPlayOpt::Closed);
  EXPECT_EQ(FetchValue(L"PlaybackWndSize").type, static_cast<DWORD>(REG_NONE));
  EXPECT_EQ(FetchValue(L"PointerColor").type, static_cast<DWORD>(REG_NONE));
}

TEST_F(PlayOptTest, EveryKindOfChangeWritesAllFourValues) {
  struct Case {
    const char* what;
    std::function<void()> change;
    DWORD size, refresh, wait, colour;
  };
  const Case cases[] = {
      {"a step of the size", [this] { key_on(CPlayOpt::SizeSliderId, VK_RIGHT); }, 71, 3, 12, 0x3232FF},
      {"the End key on the refresh rate", [this] { key_on(CPlayOpt::RefreshSliderId, VK_END); }, 70, 5, 12,
       0x3232FF},
      {"the Home key on the start-up wait", [this] { key_on(CPlayOpt::StartupWaitSliderId, VK_HOME); }, 70, 3,
       4, 0x3232FF},
      {"a colour picked",
       [this] {
         SendMessageW(dialog(), kColourChanged, RGB(0, 200, 0), CPlayOpt::PointerPickerId);
         machine.run_until_idle();
       },
       70, 3, 12, RGB(0, 200, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StoreValue(L"PlaybackWndSize", DwordValue(70));
    StoreValue(L"PlaybackFreqRefresh", DwordValue(3));
    StoreValue(L"OCStartup", DwordValue(12));
    StoreValue(L"PointerColor", DwordValue(0x3232FF));
    open_dialog();
    c.change();
    ASSERT_TRUE(user.click(CPlayOpt::SaveId));
    EXPECT_EQ(result(), CPlayOpt::Closed);
    EXPECT_EQ(StoredDword(L"PlaybackWndSize"), c.size);
    EXPECT_EQ(StoredDword(L"PlaybackFreqRefresh"), c.refresh);
    EXPECT_EQ(StoredDword(L"OCStartup"), c.wait);
    EXPECT_EQ(StoredDword(L"PointerColor"), c.colour);
  }
}

}  // namespace
