// Keys held for a later release: their presses and releases by input, and the desktop's key state
// in between and afterwards.
#include <vector>

#include "platform/win/virtual_keys.h"
#include "src/link/held_keys.h"
#include "tests/platform/desktop_fixture.h"

namespace {

constexpr UINT_PTR ZoomOutRelease = 187;
constexpr UINT_PTR EquatorRelease = 186;
constexpr WORD Shift = 0x2A, Ctrl = 0x1D, Alt = 0x38;
constexpr DWORD Pressed = KEYEVENTF_SCANCODE, Released = KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP;

struct Record {
  WORD scan;
  DWORD flags;
  bool operator==(const Record&) const = default;
};

class HeldKeysTest : public DesktopTest {
 protected:
  std::vector<Record> Injected() const {
    std::vector<Record> records;
    for (const desktop::InjectedKey& key : machine.input_log())
      records.push_back({key.event.scan, key.event.flags});
    return records;
  }
  bool IsDown(BYTE key) { return (machine.keyboard().async_state(key) & 0x80) != 0; }

  HeldKeys keys;
};

TEST_F(HeldKeysTest, EachReleaseLetsGoOfItsOwnKeysInTheOrderOfTheirPresses) {
  keys.Press(ZoomOutRelease, VK_CONTROL);
  keys.Press(ZoomOutRelease, VK_MENU);
  keys.Press(EquatorRelease, VK_LSHIFT);
  EXPECT_TRUE(IsDown(VK_CONTROL) && IsDown(VK_MENU) && IsDown(VK_SHIFT));
  EXPECT_TRUE(keys.Holds(ZoomOutRelease));

  keys.Release(ZoomOutRelease);
  EXPECT_FALSE(keys.Holds(ZoomOutRelease));
  EXPECT_FALSE(IsDown(VK_CONTROL));
  EXPECT_FALSE(IsDown(VK_MENU));
  EXPECT_TRUE(IsDown(VK_SHIFT)) << "the other release's key stays until its own release";
  keys.Release(EquatorRelease);
  EXPECT_FALSE(IsDown(VK_SHIFT));
  EXPECT_EQ(Injected(), (std::vector<Record>{{Ctrl, Pressed},
                                             {Alt, Pressed},
                                             {Shift, Pressed},
                                             {Ctrl, Released},
                                             {Alt, Released},
                                             {Shift, Released}}));
}

TEST_F(HeldKeysTest, AKeyPressedAgainBeforeItsReleaseIsReleasedOnce) {
  keys.Press(EquatorRelease, VK_LSHIFT);
  keys.Press(EquatorRelease, VK_LSHIFT);
  keys.Release(EquatorRelease);
  keys.Release(EquatorRelease);
  EXPECT_EQ(Injected(), (std::vector<Record>{{Shift, Pressed}, {Shift, Pressed}, {Shift, Released}}));
  EXPECT_FALSE(IsDown(VK_SHIFT));
}

}  // namespace
