// CProgressCtrl: the progress bar, made from a template or in code.
#pragma once

#include "platform/afx/wnd.h"

class CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  void SetRange32(int lower, int upper);
  void SetRange(short lower, short upper);
  int SetPos(int position);
  int GetPos() const;
  int OffsetPos(int delta);
  int SetStep(int step);
  int StepIt();
  COLORREF SetBarColor(COLORREF colour);
  COLORREF SetBkColor(COLORREF colour);
};
