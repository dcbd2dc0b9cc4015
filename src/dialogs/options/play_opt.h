// CPlayOpt: the monitoring window's size and refresh rate, the colour of its pointer, and how
// long the console waits for Orvenna to load at start-up.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "platform/afx/slider_ctrl.h"
#include "src/controls/btn_planet.h"
#include "src/controls/colour/xcolor_picker_xp.h"
#include "src/settings/console_state.h"

class CPlayOpt : public CDialog {
 public:
  enum { IDD = 1335 };
  static constexpr INT_PTR Closed = 2;
  static constexpr int SaveId = 1403;
  static constexpr int CancelId = 1404;
  static constexpr int RefreshSliderId = 1401;
  static constexpr int SizeSliderId = 1402;
  static constexpr int StartupWaitSliderId = 11097;
  static constexpr int PointerPickerId = 11115;

  CPlayOpt(CConsoleState& state, CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override { EndDialog(Closed); }
  void OnClickedSave();
  void OnHScroll(UINT code, UINT position, CScrollBar* bar);
  LRESULT OnColourPicked(WPARAM colour, LPARAM);
  DECLARE_MESSAGE_MAP()

 private:
  CConsoleState& state_;
  bool modified_ = false;
  COLORREF pointerColour_ = 0;
  CSliderCtrl size_;
  CSliderCtrl refresh_;
  CSliderCtrl startupWait_;
  CXColorPickerXP pointer_;
  std::array<CBtnPlanet, 2> keys_;
};
