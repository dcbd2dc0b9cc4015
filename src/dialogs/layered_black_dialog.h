// The base of the dome's touch choosers: a modal dialog on a black background, made a layered
// window of constant alpha when it starts so that the sky shows faintly through it, its labels
// white on that background.
#pragma once

#include "platform/afx/afx.h"

class CLayeredBlackDialog : public CDialog {
 public:
  CLayeredBlackDialog(UINT templateId, CWnd* owner, BYTE alpha);

 protected:
  BOOL OnInitDialog() override;
  BOOL OnEraseBkgnd(CDC* dc);
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour);
  DECLARE_MESSAGE_MAP()

 private:
  BYTE alpha_;
};
