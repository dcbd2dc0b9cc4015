// The buttons that act while they are held, the arrow keys and pen presses, driven by the desktop's
// user on the console with the stand-in Orvenna beside it; what Orvenna's view received is checked.
#include <algorithm>

#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

using Pointer = driver::DesktopUser::Pointer;

constexpr int ZoomInId = 1842;
constexpr int ZoomOutId = 1843;
constexpr int TimeForwardId = 1097;
constexpr int TimeBackwardId = 1096;

struct Key {
  UINT message;
  WPARAM key;
  LPARAM lParam;
  bool operator==(const Key&) const = default;
};

void PrintTo(const Key& key, std::ostream* out) {
  *out << std::hex << "{" << key.message << ", " << key.key << ", " << key.lParam << "}";
}

class HeldButtonsTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    ConsoleToFront();
    Mark();
  }

  void ConsoleToFront() {
    Run([](TestConsoleDlg& dlg) { ::SetForegroundWindow(dlg.m_hWnd); });
  }
  void Mark() { mark = probe->messages().size(); }

  // The keys that Orvenna's view got since the mark, posted or injected.
  std::vector<Key> KeysSinceMark() const {
    std::vector<Key> keys;
    const std::vector<orvenna::ReceivedMessage> messages = probe->messages();
    for (std::size_t i = mark; i < messages.size(); ++i) {
      const orvenna::ReceivedMessage& m = messages[i];
      if (m.window == probe->windows().render && (m.message == WM_KEYDOWN || m.message == WM_KEYUP))
        keys.push_back({m.message, m.wParam, m.lParam});
    }
    return keys;
  }
  long CountSinceMark(UINT message, WPARAM key) const {
    const std::vector<Key> keys = KeysSinceMark();
    return std::count_if(keys.begin(), keys.end(),
                         [&](const Key& k) { return k.message == message && k.key == key; });
  }
  void Press(int id, Pointer with = Pointer::Mouse) { ASSERT_TRUE(user.press(id, with)) << id; }
  void Release(int id, Pointer with = Pointer::Mouse) { ASSERT_TRUE(user.release(id, with)) << id; }
  double FieldOfView() const { return probe->state()->fov; }

  driver::DesktopUser user{machine};
  std::size_t mark = 0;
};

struct ZoomCase {
  int button;
  Key keyDown;
  Key keyUp;
  const wchar_t* startStep;
  const wchar_t* endStep;
  bool narrows;
};

const ZoomCase ZoomCases[] = {
    {ZoomInId,
     {WM_KEYDOWN, VK_PRIOR, 0x41490001},
     {WM_KEYUP, VK_PRIOR, static_cast<LPARAM>(0xC1490001)},
     L"zoomIn_Start|",
     L"zoomIn_End|",
     true},
    {ZoomOutId,
     {WM_KEYDOWN, VK_NEXT, 0x41510001},
     {WM_KEYUP, VK_NEXT, static_cast<LPARAM>(0xC1510001)},
     L"zoomOut_Start|",
     L"zoomOut_End|",
     false},
};

TEST_F(HeldButtonsTest, AHeldZoomButtonZoomsUntilItsReleaseAndIsRecorded) {
  for (const ZoomCase& c : ZoomCases) {
    SCOPED_TRACE(c.button);
    Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
    ConsoleToFront();
    Mark();
    const double before = FieldOfView();
    Press(c.button);
    const Key shiftDown{WM_KEYDOWN, VK_SHIFT, 0x002A0001};
    EXPECT_EQ(KeysSinceMark(), (std::vector<Key>{shiftDown, c.keyDown}));
    Wait(1000);
    const double held = FieldOfView();
    EXPECT_EQ(held < before, c.narrows) << before << " " << held;
    Release(c.button);
    const Key shiftUp{WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC02A0001)};
    EXPECT_EQ(KeysSinceMark(), (std::vector<Key>{shiftDown, c.keyDown, c.keyUp, shiftUp}));
    const double released = FieldOfView();
    Wait(1000);
    EXPECT_EQ(FieldOfView(), released);
    const std::wstring& commands = dialog->recordedShow.commandList;
    const std::size_t start = commands.find(c.startStep);
    ASSERT_NE(start, std::wstring::npos) << testing::PrintToString(commands);
    EXPECT_NE(commands.find(c.endStep, start), std::wstring::npos);
    Run([](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.recordedShow = {};
    });
    EXPECT_FALSE(dialog->zoomHeld);
  }
}

}  // namespace
