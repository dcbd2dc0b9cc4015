#include <set>

#include "platform/desktop/keyboard_layouts.h"
#include "tests/platform/desktop_fixture.h"

namespace {

HKL hkl(DWORD value) {
  return reinterpret_cast<HKL>(static_cast<ULONG_PTR>(value));
}

constexpr DWORD kUs = 0x04090409;
constexpr DWORD kItalian = 0x04100410;
constexpr DWORD kFrench = 0x040C040C;
constexpr DWORD kSpanish = 0x0C0A0C0A;
constexpr DWORD kTurkish = 0x041F041F;
constexpr DWORD kGerman = 0x04070407;

using LayoutsTest = DesktopTest;

TEST_F(LayoutsTest, VkKeyScanExFindsTheKeyAndTheModifiersOfACharacter) {
  struct Case {
    DWORD layout;
    wchar_t character;
    SHORT key;
  };
  const Case cases[] = {
      // The keys the console presses: digits, letters in both cases, space, punctuation.
      {kUs, L'1', 0x0031},       {kUs, L'3', 0x0033},      {kUs, L'7', 0x0037},      {kUs, L'k', 0x004B},
      {kUs, L'K', 0x014B},       {kUs, L'J', 0x014A},      {kUs, L' ', 0x0020},      {kUs, L';', 0x00BA},
      {kUs, L'.', 0x00BE},       {kUs, L'\\', 0x00DC},     {kUs, L'*', 0x0138},      {kUs, L'\r', 0x000D},
      {kUs, L'é', -1},           {kUs, 0x01, 0x0241},      {kFrench, L'1', 0x0131},  {kFrench, L'3', 0x0133},
      {kFrench, L'8', 0x0138},   {kFrench, L'0', 0x0130},  {kFrench, L'a', 0x0041},  {kFrench, L'q', 0x0051},
      {kFrench, L'm', 0x004D},   {kFrench, L'W', 0x0157},  {kFrench, L';', 0x00BE},  {kFrench, L'.', 0x01BE},
      {kFrench, L'&', 0x0031},   {kFrench, L'\\', 0x0638}, {kFrench, L'^', 0x00DD},  {kFrench, L' ', 0x0020},
      {kItalian, L'\\', 0x00DC}, {kItalian, L'{', 0x07BA}, {kSpanish, L'ñ', 0x00C0}, {kSpanish, L'º', 0x00DC},
      {kGerman, L'z', 0x005A},   {kGerman, L'@', 0x0651},  {kGerman, L'ß', 0x00DB},  {kTurkish, L'i', 0x00DE},
      {kTurkish, L'ı', 0x0049},  {kTurkish, L'*', 0x00DF}, {kTurkish, L'.', 0x00BE}, {0x12345678, L'a', -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(VkKeyScanExW(c.character, hkl(c.layout)), c.key)
        << "character " << static_cast<int>(c.character) << " in layout " << std::hex << c.layout;
}

TEST_F(LayoutsTest, MapVirtualKeyGivesSetOneScanCodesAndBack) {
  struct Case {
    UINT code;
    UINT map_type;
    UINT result;
  };
  const Case cases[] = {
      {VK_F11, MAPVK_VK_TO_VSC, 0x57},
      {VK_F2, MAPVK_VK_TO_VSC, 0x3C},
      {VK_ESCAPE, MAPVK_VK_TO_VSC, 0x01},
      {VK_NUMLOCK, MAPVK_VK_TO_VSC, 0x45},
      {VK_LSHIFT, MAPVK_VK_TO_VSC, 0x2A},
      {VK_RSHIFT, MAPVK_VK_TO_VSC, 0x36},
      {VK_SHIFT, MAPVK_VK_TO_VSC, 0x2A},
      {VK_CONTROL, MAPVK_VK_TO_VSC, 0x1D},
      {VK_MENU, MAPVK_VK_TO_VSC, 0x38},
      {VK_LEFT, MAPVK_VK_TO_VSC, 0x4B},
      {VK_NUMPAD7, MAPVK_VK_TO_VSC, 0x47},
      {'1', MAPVK_VK_TO_VSC, 0x02},
      {VK_OEM_PERIOD, MAPVK_VK_TO_VSC, 0x34},
      {0x2A, MAPVK_VSC_TO_VK, VK_SHIFT},
      {0x36, MAPVK_VSC_TO_VK_EX, VK_RSHIFT},
      {0xE01D, MAPVK_VSC_TO_VK, VK_CONTROL},
      {0xE01D, MAPVK_VSC_TO_VK_EX, VK_RCONTROL},
      {0xE038, MAPVK_VSC_TO_VK_EX, VK_RMENU},
      {0x47, MAPVK_VSC_TO_VK, VK_HOME},
      {0xE048, MAPVK_VSC_TO_VK, VK_UP},
      {'A', MAPVK_VK_TO_CHAR, 'A'},
      {VK_OEM_1, MAPVK_VK_TO_CHAR, ';'},
      {VK_F11, MAPVK_VK_TO_CHAR, 0},
      {0x100, MAPVK_VK_TO_VSC, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MapVirtualKeyW(c.code, c.map_type), c.result) << std::hex << c.code << " type " << c.map_type;
    EXPECT_EQ(MapVirtualKeyExW(c.code, c.map_type, hkl(kUs)), c.result) << std::hex << c.code;
  }
  EXPECT_EQ(MapVirtualKeyExW('1', MAPVK_VK_TO_CHAR, hkl(kFrench)), static_cast<UINT>(L'&'));
  EXPECT_EQ(MapVirtualKeyExW(VK_OEM_6, MAPVK_VK_TO_CHAR, hkl(kFrench)), 0x8000005Eu);  // a dead circumflex
  EXPECT_EQ(MapVirtualKeyExW(0x10, MAPVK_VSC_TO_VK, hkl(kFrench)), static_cast<UINT>('A'));
  LoadKeyboardLayoutW(L"0000040C", KLF_ACTIVATE);
  EXPECT_EQ(MapVirtualKeyW(VK_OEM_3, MAPVK_VK_TO_CHAR), static_cast<UINT>(L'ù'));
  EXPECT_EQ(MapVirtualKeyA(VK_OEM_3, MAPVK_VK_TO_CHAR), 0xF9u);
}

TEST_F(LayoutsTest, EveryKeyOfEveryLayoutMapsBothWaysAndTypesWhatVkKeyScanSays) {
  for (const desktop::KeyboardLayout& layout : desktop::keyboard_layouts()) {
    const HKL id = hkl(layout.hkl);
    std::set<WORD> scans;
    std::set<BYTE> vks;
    for (UINT prefix : {0x0000u, 0xE000u}) {
      for (UINT code = 0x01; code < 0x80; ++code) {
        const UINT vk = MapVirtualKeyExW(prefix | code, MAPVK_VSC_TO_VK_EX, id);
        if (vk == 0) continue;
        scans.insert(static_cast<WORD>(prefix | code));
        // Number-pad and cursor keys share codes; every key gets its own code's low byte back.
        EXPECT_EQ(MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, id), code)
            << std::hex << "layout " << layout.hkl << " scan " << (prefix | code);
        if (prefix == 0) {
          EXPECT_TRUE(vks.insert(static_cast<BYTE>(vk)).second) << "vk " << vk << " twice";
        }
      }
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter)
      EXPECT_TRUE(vks.contains(static_cast<BYTE>(letter)));
    for (char digit = '0'; digit <= '9'; ++digit)
      EXPECT_TRUE(vks.contains(static_cast<BYTE>(digit)));
    for (BYTE vk : {VK_OEM_1,   VK_OEM_2,     VK_OEM_3,      VK_OEM_4,    VK_OEM_5, VK_OEM_6,   VK_OEM_7,
                    VK_OEM_102, VK_OEM_COMMA, VK_OEM_PERIOD, VK_F1,       VK_F12,   VK_ESCAPE,  VK_TAB,
                    VK_BACK,    VK_LSHIFT,    VK_RSHIFT,     VK_LCONTROL, VK_LMENU, VK_CAPITAL, VK_NUMLOCK,
                    VK_HOME,    VK_PRIOR,     VK_DELETE,     VK_MULTIPLY})
      EXPECT_TRUE(vks.contains(vk)) << std::hex << "layout " << layout.hkl << " vk " << +vk;

    // Whatever VkKeyScanExW answers, that key with those modifiers types the character.
    for (wchar_t character = 0x20; character < 0x180; ++character) {
      const SHORT key = VkKeyScanExW(character, id);
      if (key == -1) continue;
      desktop::KeyModifiers modifiers;
      modifiers.shift = (key & 0x100) != 0;
      modifiers.ctrl = (key & 0x200) != 0;
      modifiers.alt = (key & 0x400) != 0;
      EXPECT_EQ(desktop::typed_character(layout, static_cast<BYTE>(key & 0xFF), modifiers).character,
                character)
          << std::hex << "layout " << layout.hkl << " character " << static_cast<int>(character);
    }
    for (wchar_t letter = L'a'; letter <= L'z'; ++letter)
      EXPECT_NE(VkKeyScanExW(letter, id), -1);
  }
}

TEST_F(LayoutsTest, ThreadsHaveLayoutsOfTheirOwn) {
  EXPECT_EQ(GetKeyboardLayout(0), hkl(kUs));
  EXPECT_EQ(LoadKeyboardLayoutW(L"0000040c", 0), hkl(kFrench));
  EXPECT_EQ(GetKeyboardLayout(0), hkl(kUs));  // loaded, not active
  EXPECT_EQ(ActivateKeyboardLayout(hkl(kFrench), KLF_RESET), hkl(kUs));
  EXPECT_EQ(GetKeyboardLayout(GetCurrentThreadId()), hkl(kFrench));
  EXPECT_EQ(VkKeyScanW(L'1'), 0x0131);
  wchar_t name[KL_NAMELENGTH];
  ASSERT_TRUE(GetKeyboardLayoutNameW(name));
  EXPECT_STREQ(name, L"0000040C");

  // Only a loaded layout can be activated; the next and previous ones go round the list.
  EXPECT_EQ(ActivateKeyboardLayout(hkl(kGerman), 0), nullptr);
  EXPECT_EQ(LoadKeyboardLayoutW(L"00000C0A", KLF_ACTIVATE), hkl(kSpanish));
  EXPECT_EQ(LoadKeyboardLayoutW(L"0000040A", 0), hkl(kSpanish));
  EXPECT_EQ(LoadKeyboardLayoutW(L"12345678", KLF_ACTIVATE), nullptr);
  EXPECT_EQ(GetKeyboardLayoutList(0, nullptr), 3);
  EXPECT_EQ(ActivateKeyboardLayout(HKL_NEXT, 0), hkl(kSpanish));
  EXPECT_EQ(GetKeyboardLayout(0), hkl(kUs));
  EXPECT_EQ(ActivateKeyboardLayout(HKL_PREV, 0), hkl(kUs));
  EXPECT_EQ(GetKeyboardLayout(0), hkl(kSpanish));

  // Another thread keeps the desktop's default.
  HKL other = nullptr;
  DWORD other_id = 0;
  start_program(L"other.exe", [&] {
    other = GetKeyboardLayout(0);
    other_id = GetCurrentThreadId();
    MSG msg;
    GetMessageW(&msg, nullptr, 0, 0);
    return DWORD{0};
  });
  machine.run_until_idle();
  EXPECT_EQ(other, hkl(kUs));
  EXPECT_EQ(GetKeyboardLayout(other_id), hkl(kUs));
  PostThreadMessageW(other_id, WM_QUIT, 0, 0);
  machine.run_until_idle();
  EXPECT_EQ(GetKeyboardLayout(other_id), nullptr);
}

class DesktopSettingsTest : public ::testing::Test {};

TEST_F(DesktopSettingsTest, LayoutsAndLanguagesAreSettingsOfTheDesktop) {
  desktop::DesktopConfig config;
  config.keyboard_layout = kTurkish;
  config.system_language = 0x0409;
  config.user_language = 0x041F;
  config.user_locale = 0x041F;
  desktop::Desktop machine(config);
  machine.attach(L"harness.exe");
  EXPECT_EQ(GetKeyboardLayout(0), hkl(kTurkish));
  EXPECT_EQ(GetSystemDefaultLangID(), 0x0409);
  EXPECT_EQ(GetUserDefaultLangID(), 0x041F);
  EXPECT_EQ(PRIMARYLANGID(GetUserDefaultLangID()), LANG_TURKISH);
  EXPECT_EQ(GetUserDefaultLCID(), 0x041Fu);
  EXPECT_EQ(GetSystemDefaultLCID(), 0x0409u);
  EXPECT_EQ(VkKeyScanW(L'i'), 0x00DE);
  machine.detach();
}

}  // namespace

namespace {

// What a key types with a key state of the caller's, AltGr and dead keys included: the layout
// keys the console posts for one character come out as that character.
TEST_F(LayoutsTest, ToUnicodeExTypesWhatTheLayoutSaysForTheKeyStateGiven) {
  struct Case {
    DWORD layout;
    UINT vk;
    bool shift;
    bool altgr;
    int result;
    wchar_t typed;
  };
  const Case cases[] = {
      {kUs, '1', false, false, 1, L'1'},
      {kFrench, '1', false, false, 1, L'&'},
      {kFrench, '1', true, false, 1, L'1'},
      {kUs, 'L', true, false, 1, L'L'},
      {kUs, VK_OEM_102, false, false, 1, L'\\'},
      {kItalian, VK_OEM_5, false, false, 1, L'\\'},
      {kSpanish, VK_OEM_5, false, true, 1, L'\\'},
      {kFrench, '8', false, true, 1, L'\\'},
      {kTurkish, VK_OEM_8, false, true, 1, L'\\'},
      {kFrench, VK_OEM_PERIOD, true, false, 1, L'.'},
      {kTurkish, VK_OEM_PERIOD, false, false, 1, L'.'},
      {kFrench, VK_OEM_6, false, false, -1, L'^'},
      {kUs, VK_F11, false, false, 0, 0},
  };
  for (const Case& c : cases) {
    BYTE keys[256]{};
    if (c.shift) keys[VK_SHIFT] = 0x80;
    if (c.altgr) keys[VK_CONTROL] = keys[VK_MENU] = 0x80;
    wchar_t typed[4]{};
    EXPECT_EQ(ToUnicodeEx(c.vk, 0, keys, typed, 4, 0, hkl(c.layout)), c.result)
        << std::hex << c.layout << " " << c.vk;
    EXPECT_EQ(typed[0], c.typed) << std::hex << c.layout << " " << c.vk;
    EXPECT_EQ(ToUnicodeEx(c.vk, 0x8000, keys, typed, 4, 0, hkl(c.layout)), 0)
        << "a released key types nothing";
  }
}

}  // namespace
