// The message box's buttons by style word and language, its default and cancel buttons, and the
// name an answer is remembered under.
#include <gtest/gtest.h>

#include <vector>

#include "src/controls/message_box/message_box_dialog.h"

namespace {

using Buttons = std::vector<MessageBoxButton>;

TEST(MessageBoxButtonsTest, EachTypeHasItsButtonsInOrderWithCaptionsOfTheLanguage) {
  struct TypeCase {
    UINT style;
    unsigned language;
    Buttons buttons;
    int cancel;
  };
  const TypeCase cases[] = {
      {MB_OK, 0, {{IDOK, 9001}}, IDOK},
      {MB_OKCANCEL, 1, {{IDOK, 9021}, {IDCANCEL, 9022}}, IDCANCEL},
      {MB_ABORTRETRYIGNORE, 0, {{IDABORT, 9003}, {IDRETRY, 9004}, {IDIGNORE, 9005}}, -1},
      {MB_YESNOCANCEL, 2, {{IDYES, 9047}, {IDNO, 9049}, {IDCANCEL, 9042}}, IDCANCEL},
      {MB_YESNOCANCEL | MB_YESTOALL | MB_NOTOALL,
       1,
       {{IDYES, 9027}, {IDYESTOALL, 9028}, {IDNO, 9029}, {IDNOTOALL, 9030}, {IDCANCEL, 9022}},
       IDCANCEL},
      {MB_YESNO, 5, {{IDYES, 9107}, {IDNO, 9109}}, -1},
      {MB_YESNO | MB_NOTOALL, 0, {{IDYES, 9007}, {IDNO, 9009}, {IDNOTOALL, 9010}}, -1},
      {MB_RETRYCANCEL, 0, {{IDRETRY, 9004}, {IDCANCEL, 9002}}, IDCANCEL},
      {MB_CANCELTRYCONTINUE, 0, {{IDCANCEL, 9002}, {IDTRYAGAIN, 9004}, {IDCONTINUE, 9011}}, IDCANCEL},
      {MB_CONTINUEABORT, 0, {{IDCONTINUE, 9011}, {IDABORT, 9003}}, -1},
      {MB_SKIPSKIPALLCANCEL, 0, {{IDSKIP, 9012}, {IDSKIPALL, 9013}, {IDCANCEL, 9002}}, IDCANCEL},
      {MB_IGNOREIGNOREALLCANCEL, 3, {{IDIGNORE, 9065}, {IDIGNOREALL, 9066}, {IDCANCEL, 9062}}, IDCANCEL},
      {MB_OK | MB_HELP, 4, {{IDOK, 9081}, {IDHELP, 9094}}, IDOK},
      {0xC, 0, {{IDOK, 9001}}, IDOK},  // a type the table does not list
      {0xF | MB_YESTOALL, 0, {{IDOK, 9001}}, IDOK},
  };
  for (const TypeCase& c : cases) {
    EXPECT_EQ(MessageBoxButtons(c.style, c.language), c.buttons) << std::hex << c.style;
    EXPECT_EQ(MessageBoxCancelButton(c.style), c.cancel) << std::hex << c.style;
  }
}

TEST(MessageBoxButtonsTest, TheDefaultButtonIsTheOneNamedWhenThereAreThatMany) {
  const Buttons three = MessageBoxButtons(MB_YESNOCANCEL, 0);
  const Buttons two = MessageBoxButtons(MB_YESNO, 0);
  struct DefaultCase {
    const Buttons& buttons;
    UINT style;
    int id;
  };
  const DefaultCase cases[] = {
      {three, MB_DEFBUTTON1, IDYES}, {three, MB_DEFBUTTON2, IDNO}, {three, MB_DEFBUTTON3, IDCANCEL},
      {two, MB_DEFBUTTON3, IDYES},   {two, 0x600, IDYES},          {two, MB_DEFBUTTON2, IDNO},
  };
  for (const DefaultCase& c : cases)
    EXPECT_EQ(MessageBoxDefaultButton(c.buttons, c.style), c.id) << std::hex << c.style;
  EXPECT_EQ(MessageBoxDefaultButton({}, 0), -1);
}

TEST(MessageBoxButtonsTest, AnAnswerIsRememberedUnderTheHelpIdOrANameMadeFromTheText) {
  struct NameCase {
    const wchar_t* message;
    UINT help_id;
    const wchar_t* name;
  };
  const std::wstring long_text(70000, L'z');
  const NameCase cases[] = {
      {L"ab", 0, L"98"},    // 0 * 'a' + 1 * 'b'
      {L"abc", 0, L"296"},  // 98 + 2 * 'c'
      {L"", 0, L"0"},
      {L"ab", 3980, L"3980"},
      {long_text.c_str(), 0, L"-1751980720"},  // wraps as 32-bit arithmetic does
  };
  for (const NameCase& c : cases)
    EXPECT_EQ(CMessageBoxDialog(nullptr, c.message, L"", MB_DONTASKAGAIN, c.help_id).GetProfileValueName(),
              c.name);
}

}  // namespace
