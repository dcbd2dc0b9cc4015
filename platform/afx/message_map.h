// Message maps: a class's table of the messages, commands and notifications it handles, searched
// from the most derived class's entries to its bases'; the first matching entry wins.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_WM_TIMER()
//     ON_BN_CLICKED(1000, &CMyDlg::OnLines)
//     ON_COMMAND_RANGE(1106, 1109, &CMyDlg::OnSpeedButton)
//   END_MESSAGE_MAP()
//
// Each entry carries an adapter that unpacks the message for the handler's signature.
#pragma once

#include "platform/afx/object.h"
#include "platform/win/win_types.h"

class CCmdTarget;

// What an entry's adapter receives: the message, and for command and notification ranges the id.
struct AfxMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  UINT id;
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // the window message, WM_COMMAND, WM_NOTIFY or a reflected message
  UINT nCode;     // the notification code of commands and notifications
  UINT nID;       // the first control id
  UINT nLastID;   // the last control id of a range
  void (*pfn)(CCmdTarget* target, const AfxMessage& message, LRESULT& result);
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Reflected messages: a control handles its own notification that its parent received.
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;
// ON_WM_CTLCOLOR's entry stands for all seven WM_CTLCOLOR* messages.
inline constexpr UINT WM_CTLCOLOR = 0x0019;
inline constexpr UINT CTLCOLOR_MSGBOX = 0;
inline constexpr UINT CTLCOLOR_EDIT = 1;
inline constexpr UINT CTLCOLOR_LISTBOX = 2;
inline constexpr UINT CTLCOLOR_BTN = 3;
inline constexpr UINT CTLCOLOR_DLG = 4;
inline constexpr UINT CTLCOLOR_SCROLLBAR = 5;
inline constexpr UINT CTLCOLOR_STATIC = 6;

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)        \
  const AFX_MSGMAP* theClass::GetMessageMap() const { \
    return GetThisMessageMap();                       \
  }                                                   \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
    using ThisClass [[maybe_unused]] = theClass;      \
    using TheBaseClass = baseClass;                   \
    static const AFX_MSGMAP_ENTRY message_entries[] = {
#define END_MESSAGE_MAP()                                                                    \
  { 0, 0, 0, 0, nullptr }                                                                    \
  }                                                                                          \
  ;                                                                                          \
  static const AFX_MSGMAP message_map = {&TheBaseClass::GetThisMessageMap, message_entries}; \
  return &message_map;                                                                       \
  }
