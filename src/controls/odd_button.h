// COddButton: a push button turned owner-drawn that still takes part in the dialog manager's
// default-button handling as the push button it was.
#pragma once

#include "platform/afx/afx.h"

class COddButton : public CButton {
  DECLARE_DYNAMIC(COddButton)
 public:
  ~COddButton() override = default;

 protected:
  void PreSubclassWindow() override;
  // The default-button bookkeeping and the switch to owner drawing, shared with derived buttons.
  void TakeOverButtonStyle();
  UINT OnGetDlgCode();
  LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  // The BS_ type the template gave; kTypeUnread until the window is subclassed.
  static constexpr UINT kTypeUnread = 15;
  UINT m_nTypeStyle = kTypeUnread;
  BOOL m_bCanBeDefault = FALSE;
  BOOL m_bDefault = FALSE;
};
