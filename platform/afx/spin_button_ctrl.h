// CSpinButtonCtrl: the up-down control wrapper.
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/controls_api.h"

class CSpinButtonCtrl : public CWnd {
  DECLARE_DYNAMIC(CSpinButtonCtrl)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // SetRange keeps 16-bit ends; SetRange32 and GetRange32 the whole range.
  void SetRange(short lower, short upper);
  void SetRange32(int lower, int upper);
  void GetRange(int& lower, int& upper) const;
  void GetRange32(int& lower, int& upper) const;
  // Each returns the previous position.
  int SetPos(int position);
  int SetPos32(int position);
  // The position, with the buddy's number read first when the buddy shows it; error (if
  // given) is set when the buddy does not hold a number within the range.
  int GetPos() const;
  int GetPos32(BOOL* error = nullptr) const;
  CWnd* SetBuddy(CWnd* buddy);
  CWnd* GetBuddy() const;
  BOOL SetAccel(int count, UDACCEL* accelerations);
  UINT GetAccel(int count, UDACCEL* accelerations) const;
  int SetBase(int base);
  UINT GetBase() const;
};
