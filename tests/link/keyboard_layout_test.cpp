// Orvenna's keyboard layout, taken over by the console so that its characters become Orvenna's keys.
#include <algorithm>

#include "platform/win/win32.h"
#include "tests/link/link_fixture.h"

namespace {

constexpr ULONG_PTR French = 0x040C040C;
constexpr ULONG_PTR UsEnglish = 0x04090409;

ULONG_PTR Id(HKL layout) {
  return reinterpret_cast<ULONG_PTR>(layout);
}

LinkMachine FrenchOrvenna() {
  LinkMachine setup;
  setup.program.keyboard_layout = L"0000040C";
  return setup;
}

class FrenchOrvennaTest : public LinkTest {
 protected:
  FrenchOrvennaTest() : LinkTest(FrenchOrvenna()) { link->ConsoleLayout = TwoMonitorLayout; }
};

TEST_F(FrenchOrvennaTest, WithoutOrvennaTheWarningAndTheUsLayout) {
  ActivateKeyboardLayout(LoadKeyboardLayoutW(L"00000410", 0), 0);
  EXPECT_EQ(Id(link->SyncKeyboardLayout()), UsEnglish);
  EXPECT_EQ(Id(GetKeyboardLayout(0)), UsEnglish);
  ASSERT_EQ(link->messages.size(), 1u);
  EXPECT_EQ(link->messages[0].kind, ConsoleMessage::Kind::Warning);
  EXPECT_EQ(link->messages[0].text,
            L"Orvenna is not running. Please start Orvenna using the related button.");
}

TEST_F(FrenchOrvennaTest, TheConsoleTakesOverOrvennasLayoutAndItsRunKeyNeedsShift) {
  StartPlanetariumByHand();
  EXPECT_EQ(Id(link->SyncKeyboardLayout()), French);
  EXPECT_EQ(Id(GetKeyboardLayout(0)), French);
  EXPECT_TRUE(link->messages.empty());

  link->planetariumPlaced = true;
  const std::size_t keysBefore = machine.input_log().size();
  link->RunScript(L"core.setTimeRate(0);\r", L"MilkyWay.ovs", false, 4500);
  ASSERT_EQ(probe->scripts().size(), 1u);
  EXPECT_EQ(probe->state()->time_rate(), 0);
  const auto& log = machine.input_log();
  const bool shiftPressed = std::any_of(
      log.begin() + static_cast<std::ptrdiff_t>(keysBefore), log.end(), [](const desktop::InjectedKey& key) {
        return key.event.scan == 0x2A && !(key.event.flags & KEYEVENTF_KEYUP);
      });
  EXPECT_TRUE(shiftPressed);
}

}  // namespace
