// The SendInput records of the two injectors, read back from the desktop's log of injected keys.
#include <vector>

#include "src/link/key_injection.h"
#include "tests/platform/desktop_fixture.h"

namespace {

struct Record {
  WORD scan;
  DWORD flags;
  bool operator==(const Record&) const = default;
};

// Scan codes of the US and French layouts alike.
constexpr WORD NumLock = 0x45, Shift = 0x2A, Ctrl = 0x1D, Alt = 0x38, One = 0x02, F11 = 0x57, L = 0x26;
constexpr DWORD Down = KEYEVENTF_SCANCODE, Up = KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP;
constexpr DWORD Extended = KEYEVENTF_EXTENDEDKEY;

struct InjectionCase {
  const char* name;
  void (*inject)();
  std::vector<Record> expected;
};

class KeyInjectionTest : public DesktopTest, public ::testing::WithParamInterface<InjectionCase> {
 protected:
  std::vector<Record> Injected() const {
    std::vector<Record> records;
    for (const desktop::InjectedKey& key : machine.input_log()) {
      EXPECT_EQ(key.event.vk, 0);
      EXPECT_EQ(key.event.time, 0u);
      EXPECT_EQ(key.event.extra, 0u);
      records.push_back({key.event.scan, key.event.flags});
    }
    return records;
  }
};

TEST_P(KeyInjectionTest, SendsTheRecordsInOrder) {
  GetParam().inject();
  EXPECT_EQ(Injected(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyInjectionTest,
    ::testing::Values(
        InjectionCase{"OneNeedingShift",
                      [] {
                        HKL french = LoadKeyboardLayoutW(L"0000040C", KLF_ACTIVATE);
                        SendKeyToPlanetarium(VkKeyScanExW(L'1', french), false);
                      },
                      {{NumLock, Down}, {Shift, Down}, {One, Down}, {One, Up}, {Shift, Up}}},
        InjectionCase{"PlainF11",
                      [] { SendKeyToPlanetarium(VK_F11, false); },
                      {{NumLock, Down}, {F11, Down}, {F11, Up}}},
        InjectionCase{"ExtendedF11",
                      [] { SendKeyToPlanetarium(VK_F11, true); },
                      {{NumLock, Down}, {F11, Down | Extended}, {F11, Up | Extended}}},
        InjectionCase{
            "CtrlAltKeyWord",
            [] { SendKeyToPlanetarium(0x0600 | 'L', false); },
            {{NumLock, Down}, {Ctrl, Down}, {Alt, Down}, {L, Down}, {L, Up}, {Ctrl, Up}, {Alt, Up}}},
        InjectionCase{"HotkeyAltShift",
                      [] { SendHotkeyToPlanetarium('L', HotkeyAltShift); },
                      {{Alt, Down}, {Shift, Down}, {L, Down}, {L, Up}, {Shift, Up}, {Alt, Up}}},
        InjectionCase{"HotkeyIgnoresTheKeyWordsModifiers",
                      [] { SendHotkeyToPlanetarium(0x0600 | 'L', HotkeyShift); },
                      {{Shift, Down}, {L, Down}, {L, Up}, {Shift, Up}}},
        InjectionCase{"HotkeyCtrl",
                      [] { SendHotkeyToPlanetarium('L', HotkeyCtrl); },
                      {{Ctrl, Down}, {L, Down}, {L, Up}, {Ctrl, Up}}},
        InjectionCase{"HotkeyAlt",
                      [] { SendHotkeyToPlanetarium('L', HotkeyAlt); },
                      {{Alt, Down}, {L, Down}, {L, Up}, {Alt, Up}}},
        InjectionCase{"HotkeyUnknownSetPressesTheKeyAlone",
                      [] { SendHotkeyToPlanetarium('L', 7); },
                      {{L, Down}, {L, Up}}}),
    [](const ::testing::TestParamInfo<InjectionCase>& info) { return std::string(info.param.name); });

}  // namespace
