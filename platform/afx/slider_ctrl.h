// CSliderCtrl: the track bar wrapper.
#pragma once

#include "platform/afx/wnd.h"

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
  void GetRange(int& minimum, int& maximum) const;
  void SetRangeMin(int minimum, BOOL redraw = FALSE);
  void SetRangeMax(int maximum, BOOL redraw = FALSE);
  int GetRangeMin() const;
  int GetRangeMax() const;
  void SetPos(int position);
  int GetPos() const;
  // Each returns the previous size.
  int SetPageSize(int size);
  int GetPageSize() const;
  int SetLineSize(int size);
  int GetLineSize() const;
  void SetTicFreq(int frequency);
  BOOL SetTic(int position);
  void ClearTics(BOOL redraw = FALSE);
  UINT GetNumTics() const;
  void GetThumbRect(LPRECT rect) const;
  void GetChannelRect(LPRECT rect) const;
};
