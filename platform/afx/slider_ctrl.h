// CSliderCtrl: the trackbar, whose moves reach the parent as WM_HSCROLL or WM_VSCROLL.
#pragma once

#include "platform/afx/wnd.h"

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int GetPos() const;
  void SetPos(int position);
  void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
  int GetRangeMin() const;
  int GetRangeMax() const;
  BOOL SetTic(int position);
  void SetTicFreq(int frequency);
  void ClearTics(BOOL redraw = FALSE);
  int SetPageSize(int size);
  int SetLineSize(int size);
};
