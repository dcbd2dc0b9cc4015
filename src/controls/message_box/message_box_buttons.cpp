#include "src/controls/message_box/message_box_buttons.h"

#include <array>

#include "platform/win/dialog_api.h"

namespace {

// Which of the "to all" style bits lets a button in; 0 for the buttons that always are.
struct ButtonEntry {
  int id;
  UINT caption_base;
  UINT needs;
};

struct TypeEntry {
  UINT type;
  std::array<ButtonEntry, 5> buttons;
  int count;
  int cancel;
};

constexpr ButtonEntry kOk{IDOK, 9001, 0};
constexpr ButtonEntry kCancel{IDCANCEL, 9002, 0};
constexpr ButtonEntry kAbort{IDABORT, 9003, 0};
constexpr ButtonEntry kRetry{IDRETRY, 9004, 0};
constexpr ButtonEntry kIgnore{IDIGNORE, 9005, 0};
constexpr ButtonEntry kIgnoreAll{IDIGNOREALL, 9006, 0};
constexpr ButtonEntry kYes{IDYES, 9007, 0};
constexpr ButtonEntry kYesToAll{IDYESTOALL, 9008, MB_YESTOALL};
constexpr ButtonEntry kNo{IDNO, 9009, 0};
constexpr ButtonEntry kNoToAll{IDNOTOALL, 9010, MB_NOTOALL};
constexpr ButtonEntry kContinue{IDCONTINUE, 9011, 0};
constexpr ButtonEntry kSkip{IDSKIP, 9012, 0};
constexpr ButtonEntry kSkipAll{IDSKIPALL, 9013, 0};
constexpr ButtonEntry kTryAgain{IDTRYAGAIN, 9004, 0};
constexpr ButtonEntry kHelp{IDHELP, 9014, 0};

constexpr std::array<TypeEntry, 10> kTypes{{
    {MB_OK, {kOk}, 1, IDOK},
    {MB_OKCANCEL, {kOk, kCancel}, 2, IDCANCEL},
    {MB_ABORTRETRYIGNORE, {kAbort, kRetry, kIgnore}, 3, -1},
    {MB_YESNOCANCEL, {kYes, kYesToAll, kNo, kNoToAll, kCancel}, 5, IDCANCEL},
    {MB_YESNO, {kYes, kYesToAll, kNo, kNoToAll}, 4, -1},
    {MB_RETRYCANCEL, {kRetry, kCancel}, 2, IDCANCEL},
    {MB_CANCELTRYCONTINUE, {kCancel, kTryAgain, kContinue}, 3, IDCANCEL},
    {MB_CONTINUEABORT, {kContinue, kAbort}, 2, -1},
    {MB_SKIPSKIPALLCANCEL, {kSkip, kSkipAll, kCancel}, 3, IDCANCEL},
    {MB_IGNOREIGNOREALLCANCEL, {kIgnore, kIgnoreAll, kCancel}, 3, IDCANCEL},
}};

// A type the table does not list is a plain OK box.
const TypeEntry& type_of(UINT style) {
  const UINT type = style & MB_TYPEMASK;
  return type < kTypes.size() ? kTypes[type] : kTypes[MB_OK];
}

}  // namespace

std::vector<MessageBoxButton> MessageBoxButtons(UINT style, unsigned language) {
  const UINT offset = kMessageBoxLanguageStep * language;
  const TypeEntry& type = type_of(style);
  std::vector<MessageBoxButton> buttons;
  for (int i = 0; i < type.count; ++i) {
    const ButtonEntry& entry = type.buttons[static_cast<std::size_t>(i)];
    if (entry.needs == 0 || (style & entry.needs) != 0)
      buttons.push_back({entry.id, entry.caption_base + offset});
  }
  if (style & MB_HELP) buttons.push_back({kHelp.id, kHelp.caption_base + offset});
  return buttons;
}

int MessageBoxCancelButton(UINT style) {
  return type_of(style).cancel;
}

int MessageBoxDefaultButton(const std::vector<MessageBoxButton>& buttons, UINT style) {
  if (buttons.empty()) return -1;
  // MB_DEFBUTTON2 (0x100) to 0x500 choose the second to the sixth button.
  const UINT choice = (style & MB_DEFMASK) >> 8;
  if (choice >= 1 && choice <= 5 && choice < buttons.size()) return buttons[choice].id;
  return buttons.front().id;
}
