// The message box's buttons: which ones a style word asks for, in display order, with the
// string-table ids of their captions in the interface language; its default and cancel buttons.
#pragma once

#include <vector>

#include "platform/win/win_types.h"

// Style bits of the console's own, beside the standard message-box bits.
inline constexpr UINT MB_DONTDISPLAYAGAIN = 0x01000000;  // check box 9015, the answer remembered
inline constexpr UINT MB_DONTASKAGAIN = 0x02000000;      // check box 9016, the answer remembered
inline constexpr UINT MB_YESTOALL = 0x04000000;
inline constexpr UINT MB_NOTOALL = 0x08000000;
inline constexpr UINT MB_DEFCHECKED = 0x10000000;  // the check box starts ticked
inline constexpr UINT MB_RIGHTALIGN = 0x20000000;  // the button row to the right
inline constexpr UINT MB_NOSOUND = 0x40000000;
inline constexpr UINT MB_REMEMBERANSWER = MB_DONTDISPLAYAGAIN | MB_DONTASKAGAIN;
// The console's own types after the standard ones.
inline constexpr UINT MB_CONTINUEABORT = 7;
inline constexpr UINT MB_SKIPSKIPALLCANCEL = 8;
inline constexpr UINT MB_IGNOREIGNOREALLCANCEL = 9;

inline constexpr int IDYESTOALL = 14;
inline constexpr int IDNOTOALL = 15;
inline constexpr int IDSKIP = 16;
inline constexpr int IDSKIPALL = 17;
inline constexpr int IDIGNOREALL = 18;
inline constexpr int IDCHECKBOX = 19;

// Captions step by twenty ids per interface language.
inline constexpr UINT kMessageBoxLanguageStep = 20;
inline constexpr UINT kDontDisplayAgainCaption = 9015;
inline constexpr UINT kDontAskAgainCaption = 9016;

struct MessageBoxButton {
  int id;
  UINT caption;  // string id in the interface language
  bool operator==(const MessageBoxButton&) const = default;
};

std::vector<MessageBoxButton> MessageBoxButtons(UINT style, unsigned language);
// The button that ends the box on Escape and the close box; -1 for none.
int MessageBoxCancelButton(UINT style);
// The default button's id by MB_DEFBUTTONn; -1 when there are no buttons.
int MessageBoxDefaultButton(const std::vector<MessageBoxButton>& buttons, UINT style);
