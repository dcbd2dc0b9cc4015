#include "platform/desktop/keyboard_layouts.h"

#include <array>
#include <cwctype>

#include "platform/win/virtual_keys.h"

namespace desktop {

namespace {

constexpr KeyDefinition key(WORD scan, BYTE vk, wchar_t plain, wchar_t shifted, wchar_t altgr = 0,
                            wchar_t shift_altgr = 0, BYTE flags = 0) {
  return {scan, vk, plain, shifted, altgr, shift_altgr, flags, 0};
}

constexpr KeyDefinition letter(WORD scan, char upper, wchar_t altgr = 0) {
  return {scan,
          static_cast<BYTE>(upper),
          static_cast<wchar_t>(upper - 'A' + 'a'),
          static_cast<wchar_t>(upper),
          altgr,
          0,
          kCapsLock,
          0};
}

constexpr KeyDefinition plain_key(WORD scan, BYTE vk, BYTE flags = 0) {
  return {scan, vk, 0, 0, 0, 0, flags, 0};
}

constexpr KeyDefinition number_pad(WORD scan, BYTE vk, BYTE numlock_vk, wchar_t character) {
  return {scan, vk, character, character, 0, 0, 0, numlock_vk};
}

// Keys every layout shares. Those that type characters are searched before the layout's own keys.
constexpr KeyDefinition kTypingKeys[] = {
    key(0x01, VK_ESCAPE, 0x1B, 0x1B),   key(0x0E, VK_BACK, L'\b', L'\b'), key(0x0F, VK_TAB, L'\t', L'\t'),
    key(0x1C, VK_RETURN, L'\r', L'\r'), key(0x39, VK_SPACE, L' ', L' '),
};

constexpr KeyDefinition kNumberPad[] = {
    number_pad(0x47, VK_HOME, VK_NUMPAD7, L'7'),  number_pad(0x48, VK_UP, VK_NUMPAD8, L'8'),
    number_pad(0x49, VK_PRIOR, VK_NUMPAD9, L'9'), number_pad(0x4B, VK_LEFT, VK_NUMPAD4, L'4'),
    number_pad(0x4C, VK_CLEAR, VK_NUMPAD5, L'5'), number_pad(0x4D, VK_RIGHT, VK_NUMPAD6, L'6'),
    number_pad(0x4F, VK_END, VK_NUMPAD1, L'1'),   number_pad(0x50, VK_DOWN, VK_NUMPAD2, L'2'),
    number_pad(0x51, VK_NEXT, VK_NUMPAD3, L'3'),  number_pad(0x52, VK_INSERT, VK_NUMPAD0, L'0'),
    number_pad(0x53, VK_DELETE, VK_DECIMAL, 0),   key(0x37, VK_MULTIPLY, L'*', L'*'),
    key(0x4A, VK_SUBTRACT, L'-', L'-'),           key(0x4E, VK_ADD, L'+', L'+'),
    key(0xE035, VK_DIVIDE, L'/', L'/'),           key(0xE01C, VK_RETURN, L'\r', L'\r'),
};

constexpr KeyDefinition kControlKeys[] = {
    plain_key(0x1D, VK_LCONTROL),   plain_key(0x2A, VK_LSHIFT),
    plain_key(0x36, VK_RSHIFT),     plain_key(0x38, VK_LMENU),
    plain_key(0x3A, VK_CAPITAL),    plain_key(0x3B, VK_F1),
    plain_key(0x3C, VK_F2),         plain_key(0x3D, VK_F3),
    plain_key(0x3E, VK_F4),         plain_key(0x3F, VK_F5),
    plain_key(0x40, VK_F6),         plain_key(0x41, VK_F7),
    plain_key(0x42, VK_F8),         plain_key(0x43, VK_F9),
    plain_key(0x44, VK_F10),        plain_key(0x45, VK_NUMLOCK, kExtendedMessage),
    plain_key(0x46, VK_SCROLL),     plain_key(0x57, VK_F11),
    plain_key(0x58, VK_F12),        plain_key(0xE01D, VK_RCONTROL),
    plain_key(0xE037, VK_SNAPSHOT), plain_key(0xE038, VK_RMENU),
    plain_key(0xE047, VK_HOME),     plain_key(0xE048, VK_UP),
    plain_key(0xE049, VK_PRIOR),    plain_key(0xE04B, VK_LEFT),
    plain_key(0xE04D, VK_RIGHT),    plain_key(0xE04F, VK_END),
    plain_key(0xE050, VK_DOWN),     plain_key(0xE051, VK_NEXT),
    plain_key(0xE052, VK_INSERT),   plain_key(0xE053, VK_DELETE),
    plain_key(0xE05B, VK_LWIN),     plain_key(0xE05C, VK_RWIN),
    plain_key(0xE05D, VK_APPS),
};

constexpr KeyDefinition kUnitedStates[] = {
    key(0x29, VK_OEM_3, L'`', L'~'),
    key(0x02, '1', L'1', L'!'),
    key(0x03, '2', L'2', L'@'),
    key(0x04, '3', L'3', L'#'),
    key(0x05, '4', L'4', L'$'),
    key(0x06, '5', L'5', L'%'),
    key(0x07, '6', L'6', L'^'),
    key(0x08, '7', L'7', L'&'),
    key(0x09, '8', L'8', L'*'),
    key(0x0A, '9', L'9', L'('),
    key(0x0B, '0', L'0', L')'),
    key(0x0C, VK_OEM_MINUS, L'-', L'_'),
    key(0x0D, VK_OEM_PLUS, L'=', L'+'),
    letter(0x10, 'Q'),
    letter(0x11, 'W'),
    letter(0x12, 'E'),
    letter(0x13, 'R'),
    letter(0x14, 'T'),
    letter(0x15, 'Y'),
    letter(0x16, 'U'),
    letter(0x17, 'I'),
    letter(0x18, 'O'),
    letter(0x19, 'P'),
    key(0x1A, VK_OEM_4, L'[', L'{'),
    key(0x1B, VK_OEM_6, L']', L'}'),
    letter(0x1E, 'A'),
    letter(0x1F, 'S'),
    letter(0x20, 'D'),
    letter(0x21, 'F'),
    letter(0x22, 'G'),
    letter(0x23, 'H'),
    letter(0x24, 'J'),
    letter(0x25, 'K'),
    letter(0x26, 'L'),
    key(0x27, VK_OEM_1, L';', L':'),
    key(0x28, VK_OEM_7, L'\'', L'"'),
    key(0x2B, VK_OEM_5, L'\\', L'|'),
    letter(0x2C, 'Z'),
    letter(0x2D, 'X'),
    letter(0x2E, 'C'),
    letter(0x2F, 'V'),
    letter(0x30, 'B'),
    letter(0x31, 'N'),
    letter(0x32, 'M'),
    key(0x33, VK_OEM_COMMA, L',', L'<'),
    key(0x34, VK_OEM_PERIOD, L'.', L'>'),
    key(0x35, VK_OEM_2, L'/', L'?'),
    key(0x56, VK_OEM_102, L'\\', L'|'),
};

// AZERTY: the digits need Shift (or CapsLock), the letters A, Z, Q, W and M move.
constexpr KeyDefinition kFrench[] = {
    key(0x29, VK_OEM_7, L'²', 0),
    key(0x02, '1', L'&', L'1', 0, 0, kCapsLock),
    key(0x03, '2', L'é', L'2', L'~', 0, kCapsLock | kDeadAltGr),
    key(0x04, '3', L'"', L'3', L'#', 0, kCapsLock),
    key(0x05, '4', L'\'', L'4', L'{', 0, kCapsLock),
    key(0x06, '5', L'(', L'5', L'[', 0, kCapsLock),
    key(0x07, '6', L'-', L'6', L'|', 0, kCapsLock),
    key(0x08, '7', L'è', L'7', L'`', 0, kCapsLock | kDeadAltGr),
    key(0x09, '8', L'_', L'8', L'\\', 0, kCapsLock),
    key(0x0A, '9', L'ç', L'9', L'^', 0, kCapsLock),
    key(0x0B, '0', L'à', L'0', L'@', 0, kCapsLock),
    key(0x0C, VK_OEM_4, L')', L'°', L']'),
    key(0x0D, VK_OEM_PLUS, L'=', L'+', L'}'),
    letter(0x10, 'A'),
    letter(0x11, 'Z'),
    letter(0x12, 'E', L'€'),
    letter(0x13, 'R'),
    letter(0x14, 'T'),
    letter(0x15, 'Y'),
    letter(0x16, 'U'),
    letter(0x17, 'I'),
    letter(0x18, 'O'),
    letter(0x19, 'P'),
    key(0x1A, VK_OEM_6, L'^', L'¨', 0, 0, kDeadPlain | kDeadShifted),
    key(0x1B, VK_OEM_1, L'$', L'£', L'¤'),
    letter(0x1E, 'Q'),
    letter(0x1F, 'S'),
    letter(0x20, 'D'),
    letter(0x21, 'F'),
    letter(0x22, 'G'),
    letter(0x23, 'H'),
    letter(0x24, 'J'),
    letter(0x25, 'K'),
    letter(0x26, 'L'),
    letter(0x27, 'M'),
    key(0x28, VK_OEM_3, L'ù', L'%'),
    key(0x2B, VK_OEM_5, L'*', L'µ'),
    letter(0x2C, 'W'),
    letter(0x2D, 'X'),
    letter(0x2E, 'C'),
    letter(0x2F, 'V'),
    letter(0x30, 'B'),
    letter(0x31, 'N'),
    key(0x32, VK_OEM_COMMA, L',', L'?'),
    key(0x33, VK_OEM_PERIOD, L';', L'.'),
    key(0x34, VK_OEM_2, L':', L'/'),
    key(0x35, VK_OEM_8, L'!', L'§'),
    key(0x56, VK_OEM_102, L'<', L'>'),
};

constexpr KeyDefinition kItalian[] = {
    key(0x29, VK_OEM_5, L'\\', L'|'),
    key(0x02, '1', L'1', L'!'),
    key(0x03, '2', L'2', L'"'),
    key(0x04, '3', L'3', L'£'),
    key(0x05, '4', L'4', L'$'),
    key(0x06, '5', L'5', L'%'),
    key(0x07, '6', L'6', L'&'),
    key(0x08, '7', L'7', L'/'),
    key(0x09, '8', L'8', L'('),
    key(0x0A, '9', L'9', L')'),
    key(0x0B, '0', L'0', L'='),
    key(0x0C, VK_OEM_4, L'\'', L'?'),
    key(0x0D, VK_OEM_6, L'ì', L'^'),
    letter(0x10, 'Q'),
    letter(0x11, 'W'),
    letter(0x12, 'E', L'€'),
    letter(0x13, 'R'),
    letter(0x14, 'T'),
    letter(0x15, 'Y'),
    letter(0x16, 'U'),
    letter(0x17, 'I'),
    letter(0x18, 'O'),
    letter(0x19, 'P'),
    key(0x1A, VK_OEM_1, L'è', L'é', L'[', L'{'),
    key(0x1B, VK_OEM_PLUS, L'+', L'*', L']', L'}'),
    letter(0x1E, 'A'),
    letter(0x1F, 'S'),
    letter(0x20, 'D'),
    letter(0x21, 'F'),
    letter(0x22, 'G'),
    letter(0x23, 'H'),
    letter(0x24, 'J'),
    letter(0x25, 'K'),
    letter(0x26, 'L'),
    key(0x27, VK_OEM_3, L'ò', L'ç', L'@'),
    key(0x28, VK_OEM_7, L'à', L'°', L'#'),
    key(0x2B, VK_OEM_2, L'ù', L'§'),
    letter(0x2C, 'Z'),
    letter(0x2D, 'X'),
    letter(0x2E, 'C'),
    letter(0x2F, 'V'),
    letter(0x30, 'B'),
    letter(0x31, 'N'),
    letter(0x32, 'M'),
    key(0x33, VK_OEM_COMMA, L',', L';'),
    key(0x34, VK_OEM_PERIOD, L'.', L':'),
    key(0x35, VK_OEM_MINUS, L'-', L'_'),
    key(0x56, VK_OEM_102, L'<', L'>'),
};

constexpr KeyDefinition kSpanish[] = {
    key(0x29, VK_OEM_5, L'º', L'ª', L'\\'),
    key(0x02, '1', L'1', L'!', L'|'),
    key(0x03, '2', L'2', L'"', L'@'),
    key(0x04, '3', L'3', L'·', L'#'),
    key(0x05, '4', L'4', L'$', L'~', 0, kDeadAltGr),
    key(0x06, '5', L'5', L'%'),
    key(0x07, '6', L'6', L'&', L'¬'),
    key(0x08, '7', L'7', L'/'),
    key(0x09, '8', L'8', L'('),
    key(0x0A, '9', L'9', L')'),
    key(0x0B, '0', L'0', L'='),
    key(0x0C, VK_OEM_4, L'\'', L'?'),
    key(0x0D, VK_OEM_6, L'¡', L'¿'),
    letter(0x10, 'Q'),
    letter(0x11, 'W'),
    letter(0x12, 'E', L'€'),
    letter(0x13, 'R'),
    letter(0x14, 'T'),
    letter(0x15, 'Y'),
    letter(0x16, 'U'),
    letter(0x17, 'I'),
    letter(0x18, 'O'),
    letter(0x19, 'P'),
    key(0x1A, VK_OEM_1, L'`', L'^', L'[', 0, kDeadPlain | kDeadShifted),
    key(0x1B, VK_OEM_PLUS, L'+', L'*', L']'),
    letter(0x1E, 'A'),
    letter(0x1F, 'S'),
    letter(0x20, 'D'),
    letter(0x21, 'F'),
    letter(0x22, 'G'),
    letter(0x23, 'H'),
    letter(0x24, 'J'),
    letter(0x25, 'K'),
    letter(0x26, 'L'),
    key(0x27, VK_OEM_3, L'ñ', L'Ñ', 0, 0, kCapsLock),
    key(0x28, VK_OEM_7, L'´', L'¨', L'{', 0, kDeadPlain | kDeadShifted),
    key(0x2B, VK_OEM_2, L'ç', L'Ç', L'}', 0, kCapsLock),
    letter(0x2C, 'Z'),
    letter(0x2D, 'X'),
    letter(0x2E, 'C'),
    letter(0x2F, 'V'),
    letter(0x30, 'B'),
    letter(0x31, 'N'),
    letter(0x32, 'M'),
    key(0x33, VK_OEM_COMMA, L',', L';'),
    key(0x34, VK_OEM_PERIOD, L'.', L':'),
    key(0x35, VK_OEM_MINUS, L'-', L'_'),
    key(0x56, VK_OEM_102, L'<', L'>'),
};

// Turkish Q: the US I key types the dotless ı, the key right of ş the dotted i.
constexpr KeyDefinition kTurkishQ[] = {
    key(0x29, VK_OEM_3, L'"', L'é'),
    key(0x02, '1', L'1', L'!', L'>'),
    key(0x03, '2', L'2', L'\'', L'£'),
    key(0x04, '3', L'3', L'^', L'#', 0, kDeadShifted),
    key(0x05, '4', L'4', L'+', L'$'),
    key(0x06, '5', L'5', L'%', L'½'),
    key(0x07, '6', L'6', L'&'),
    key(0x08, '7', L'7', L'/', L'{'),
    key(0x09, '8', L'8', L'(', L'['),
    key(0x0A, '9', L'9', L')', L']'),
    key(0x0B, '0', L'0', L'=', L'}'),
    key(0x0C, VK_OEM_8, L'*', L'?', L'\\'),
    key(0x0D, VK_OEM_MINUS, L'-', L'_', L'|'),
    letter(0x10, 'Q', L'@'),
    letter(0x11, 'W'),
    letter(0x12, 'E', L'€'),
    letter(0x13, 'R'),
    letter(0x14, 'T'),
    letter(0x15, 'Y'),
    letter(0x16, 'U'),
    key(0x17, 'I', L'ı', L'I', 0, 0, kCapsLock),
    letter(0x18, 'O'),
    letter(0x19, 'P'),
    key(0x1A, VK_OEM_4, L'ğ', L'Ğ', L'¨', 0, kCapsLock | kDeadAltGr),
    key(0x1B, VK_OEM_6, L'ü', L'Ü', L'~', 0, kCapsLock | kDeadAltGr),
    letter(0x1E, 'A', L'æ'),
    letter(0x1F, 'S', L'ß'),
    letter(0x20, 'D'),
    letter(0x21, 'F'),
    letter(0x22, 'G'),
    letter(0x23, 'H'),
    letter(0x24, 'J'),
    letter(0x25, 'K'),
    letter(0x26, 'L'),
    key(0x27, VK_OEM_1, L'ş', L'Ş', L'´', 0, kCapsLock | kDeadAltGr),
    key(0x28, VK_OEM_7, L'i', L'İ', 0, 0, kCapsLock),
    key(0x2B, VK_OEM_COMMA, L',', L';', L'`', 0, kDeadAltGr),
    letter(0x2C, 'Z'),
    letter(0x2D, 'X'),
    letter(0x2E, 'C'),
    letter(0x2F, 'V'),
    letter(0x30, 'B'),
    letter(0x31, 'N'),
    letter(0x32, 'M'),
    key(0x33, VK_OEM_2, L'ö', L'Ö', 0, 0, kCapsLock),
    key(0x34, VK_OEM_5, L'ç', L'Ç', 0, 0, kCapsLock),
    key(0x35, VK_OEM_PERIOD, L'.', L':'),
    key(0x56, VK_OEM_102, L'<', L'>', L'|'),
};

// QWERTZ, with the umlauts on the US punctuation keys.
constexpr KeyDefinition kGerman[] = {
    key(0x29, VK_OEM_5, L'^', L'°', 0, 0, kDeadPlain),
    key(0x02, '1', L'1', L'!'),
    key(0x03, '2', L'2', L'"', L'²'),
    key(0x04, '3', L'3', L'§', L'³'),
    key(0x05, '4', L'4', L'$'),
    key(0x06, '5', L'5', L'%'),
    key(0x07, '6', L'6', L'&'),
    key(0x08, '7', L'7', L'/', L'{'),
    key(0x09, '8', L'8', L'(', L'['),
    key(0x0A, '9', L'9', L')', L']'),
    key(0x0B, '0', L'0', L'=', L'}'),
    key(0x0C, VK_OEM_4, L'ß', L'?', L'\\'),
    key(0x0D, VK_OEM_6, L'´', L'`', 0, 0, kDeadPlain | kDeadShifted),
    letter(0x10, 'Q', L'@'),
    letter(0x11, 'W'),
    letter(0x12, 'E', L'€'),
    letter(0x13, 'R'),
    letter(0x14, 'T'),
    letter(0x15, 'Z'),
    letter(0x16, 'U'),
    letter(0x17, 'I'),
    letter(0x18, 'O'),
    letter(0x19, 'P'),
    key(0x1A, VK_OEM_1, L'ü', L'Ü', 0, 0, kCapsLock),
    key(0x1B, VK_OEM_PLUS, L'+', L'*', L'~'),
    letter(0x1E, 'A'),
    letter(0x1F, 'S'),
    letter(0x20, 'D'),
    letter(0x21, 'F'),
    letter(0x22, 'G'),
    letter(0x23, 'H'),
    letter(0x24, 'J'),
    letter(0x25, 'K'),
    letter(0x26, 'L'),
    key(0x27, VK_OEM_3, L'ö', L'Ö', 0, 0, kCapsLock),
    key(0x28, VK_OEM_7, L'ä', L'Ä', 0, 0, kCapsLock),
    key(0x2B, VK_OEM_2, L'#', L'\''),
    letter(0x2C, 'Y'),
    letter(0x2D, 'X'),
    letter(0x2E, 'C'),
    letter(0x2F, 'V'),
    letter(0x30, 'B'),
    letter(0x31, 'N'),
    letter(0x32, 'M', L'µ'),
    key(0x33, VK_OEM_COMMA, L',', L';'),
    key(0x34, VK_OEM_PERIOD, L'.', L':'),
    key(0x35, VK_OEM_MINUS, L'-', L'_'),
    key(0x56, VK_OEM_102, L'<', L'>', L'|'),
};

constexpr KeyboardLayout kLayouts[] = {
    {0x04090409, 0x00000409, kUnitedStates, L'.'}, {0x04100410, 0x00000410, kItalian, L'.'},
    {0x040C040C, 0x0000040C, kFrench, L'.'},       {0x0C0A0C0A, 0x0000040A, kSpanish, L'.'},
    {0x041F041F, 0x0000041F, kTurkishQ, L','},     {0x04070407, 0x00000407, kGerman, L','},
};

struct DeadKeyCombinations {
  wchar_t dead;
  const wchar_t* bases;
  const wchar_t* results;
};

constexpr DeadKeyCombinations kCombinations[] = {
    {L'^', L"aeiouAEIOU", L"âêîôûÂÊÎÔÛ"}, {L'¨', L"aeiouyAEIOU", L"äëïöüÿÄËÏÖÜ"},
    {L'`', L"aeiouAEIOU", L"àèìòùÀÈÌÒÙ"}, {L'´', L"aeiouyAEIOUY", L"áéíóúýÁÉÍÓÚÝ"},
    {L'~', L"anoANO", L"ãñõÃÑÕ"},
};

// The three tables in the order VkKeyScanExW searches them.
template <typename Visit>
const KeyDefinition* find_key(const KeyboardLayout& layout, Visit visit) {
  for (auto table :
       {std::span<const KeyDefinition>(kTypingKeys), layout.keys, std::span<const KeyDefinition>(kNumberPad),
        std::span<const KeyDefinition>(kControlKeys)})
    for (const KeyDefinition& definition : table)
      if (visit(definition)) return &definition;
  return nullptr;
}

// The key whose characters a virtual key types: number-pad keys type only in their NumLock form.
const KeyDefinition* typing_key(const KeyboardLayout& layout, BYTE vk) {
  return find_key(layout, [&](const KeyDefinition& definition) {
    if (definition.numlock_vk != 0) return definition.numlock_vk == vk;
    return definition.vk == vk && definition.plain != 0;
  });
}

wchar_t character_of(const KeyboardLayout& layout, const KeyDefinition& definition, wchar_t character) {
  return definition.vk == VK_DELETE && definition.numlock_vk == VK_DECIMAL ? layout.decimal : character;
}

// Ctrl with a letter types its control code; the bracket and backslash positions type ESC, GS and FS.
wchar_t control_character(const KeyDefinition& definition) {
  if (definition.vk >= 'A' && definition.vk <= 'Z') return static_cast<wchar_t>(definition.vk - 'A' + 1);
  switch (definition.vk) {
    case VK_RETURN:
      return L'\n';
    case VK_BACK:
      return 0x7F;
    case VK_SPACE:
      return L' ';
    case VK_ESCAPE:
      return 0x1B;
    default:
      break;
  }
  switch (definition.scan) {
    case 0x1A:
      return 0x1B;
    case 0x1B:
      return 0x1D;
    case 0x2B:
    case 0x56:
      return 0x1C;
    default:
      return 0;
  }
}

struct Column {
  BYTE shift_state;
  wchar_t KeyDefinition::*character;  // null for the Ctrl column, whose characters are computed
  BYTE dead_flag;
};

// In the order VkKeyScanExW tries them for each key.
constexpr Column kColumns[] = {
    {0, &KeyDefinition::plain, kDeadPlain},
    {kNeedsShift, &KeyDefinition::shifted, kDeadShifted},
    {kNeedsCtrl, nullptr, 0},
    {kNeedsCtrl | kNeedsAlt, &KeyDefinition::altgr, kDeadAltGr},
    {kNeedsShift | kNeedsCtrl | kNeedsAlt, &KeyDefinition::shift_altgr, kDeadShiftAltGr},
};

TypedCharacter in_column(const KeyboardLayout& layout, const KeyDefinition& definition,
                         const Column& column) {
  if (column.character == nullptr) return {control_character(definition), false};
  return {character_of(layout, definition, definition.*column.character),
          (definition.flags & column.dead_flag) != 0};
}

}  // namespace

std::span<const KeyboardLayout> keyboard_layouts() {
  return kLayouts;
}

const KeyboardLayout* find_layout(DWORD hkl) {
  for (const KeyboardLayout& layout : kLayouts)
    if (layout.hkl == hkl) return &layout;
  return nullptr;
}

const KeyboardLayout* find_layout_by_name(std::wstring_view klid) {
  if (klid.size() != 8) return nullptr;
  DWORD value = 0;
  for (wchar_t digit : klid) {
    if (!std::iswxdigit(static_cast<wint_t>(digit))) return nullptr;
    const auto lower = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(digit)));
    value = value * 16 + static_cast<DWORD>(lower <= L'9' ? lower - L'0' : lower - L'a' + 10);
  }
  // A layout answers to its own name and to the name of its language.
  for (const KeyboardLayout& layout : kLayouts)
    if (layout.klid == value || (layout.hkl & 0xFFFF) == value) return &layout;
  return nullptr;
}

BYTE generic_vk(BYTE vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
      return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
      return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
      return VK_MENU;
    default:
      return vk;
  }
}

BYTE specific_vk(BYTE vk, WORD scan) {
  const bool extended = (scan & 0xFF00) == 0xE000;
  switch (vk) {
    case VK_SHIFT:
      return (scan & 0xFF) == 0x36 ? VK_RSHIFT : VK_LSHIFT;
    case VK_CONTROL:
      return extended ? VK_RCONTROL : VK_LCONTROL;
    case VK_MENU:
      return extended ? VK_RMENU : VK_LMENU;
    default:
      return vk;
  }
}

BYTE vk_of_scan(const KeyboardLayout& layout, WORD scan, bool numlock_on, bool shift_down) {
  const KeyDefinition* definition =
      find_key(layout, [&](const KeyDefinition& candidate) { return candidate.scan == scan; });
  if (definition == nullptr) return 0;
  if (definition->numlock_vk != 0 && numlock_on && !shift_down) return definition->numlock_vk;
  return definition->vk;
}

WORD scan_of_vk(const KeyboardLayout& layout, BYTE vk) {
  auto names = [&](const KeyDefinition& candidate) {
    return candidate.vk == vk || generic_vk(candidate.vk) == vk || candidate.numlock_vk == vk;
  };
  for (bool extended : {false, true}) {
    const KeyDefinition* definition = find_key(layout, [&](const KeyDefinition& candidate) {
      return ((candidate.scan & 0xFF00) != 0) == extended && names(candidate);
    });
    if (definition != nullptr) return definition->scan;
  }
  return 0;
}

bool sends_extended_bit(const KeyboardLayout& layout, WORD scan) {
  if ((scan & 0xFF00) == 0xE000) return true;
  const KeyDefinition* definition =
      find_key(layout, [&](const KeyDefinition& candidate) { return candidate.scan == scan; });
  return definition != nullptr && (definition->flags & kExtendedMessage) != 0;
}

TypedCharacter typed_character(const KeyboardLayout& layout, BYTE vk, const KeyModifiers& modifiers) {
  const KeyDefinition* definition = typing_key(layout, vk);
  if (definition == nullptr) return {};
  if (modifiers.ctrl && modifiers.alt)
    return in_column(layout, *definition, kColumns[modifiers.shift ? 4 : 3]);
  if (modifiers.ctrl) return in_column(layout, *definition, kColumns[2]);
  const bool shifted = modifiers.shift != (modifiers.caps_lock && (definition->flags & kCapsLock) != 0);
  return in_column(layout, *definition, kColumns[shifted ? 1 : 0]);
}

UINT unshifted_character(const KeyboardLayout& layout, BYTE vk) {
  if (vk >= 'A' && vk <= 'Z') return vk;
  const KeyDefinition* definition = typing_key(layout, vk);
  if (definition == nullptr) return 0;
  const UINT dead = (definition->flags & kDeadPlain) ? 0x80000000u : 0;
  return dead | character_of(layout, *definition, definition->plain);
}

SHORT key_for_character(const KeyboardLayout& layout, wchar_t character) {
  if (character == 0) return -1;
  SHORT found = -1;
  // Every key's plain, shifted and Ctrl characters come before any AltGr one.
  for (bool altgr : {false, true})
    if (find_key(layout, [&](const KeyDefinition& definition) {
          const BYTE vk = definition.numlock_vk != 0 ? definition.numlock_vk : definition.vk;
          for (const Column& column : kColumns)
            if (((column.shift_state & kNeedsAlt) != 0) == altgr &&
                in_column(layout, definition, column).character == character) {
              found = static_cast<SHORT>((column.shift_state << 8) | vk);
              return true;
            }
          return false;
        }) != nullptr)
      break;
  return found;
}

std::optional<wchar_t> compose(wchar_t dead, wchar_t base) {
  for (const DeadKeyCombinations& combination : kCombinations) {
    if (combination.dead != dead) continue;
    for (std::size_t i = 0; combination.bases[i] != 0; ++i)
      if (combination.bases[i] == base) return combination.results[i];
  }
  return std::nullopt;
}

}  // namespace desktop
