// CSpeedDialog: how each of the four programmable speed buttons works: driving the time rate at a
// step of 1 to 12, or jumping the date by a fixed step; forward or backward; sidereal days.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "src/app/time/speed_settings.h"
#include "src/controls/btn_planet.h"
#include "src/controls/zip_slider_ctl.h"
#include "src/settings/console_state.h"

// Button k's six bits at their place in the "SpeedOptions" word.
DWORD PackSpeedButton(const SpeedButtonSettings& button, int k);

class CSpeedDialog : public CDialog {
 public:
  enum { IDD = 1332 };
  static constexpr INT_PTR Saved = 1;
  static constexpr INT_PTR Cancelled = 2;
  static constexpr int SaveId = 1940;
  // The ids of button k's controls.
  static constexpr int RateRadio(int k) { return 1950 + 2 * k; }
  static constexpr int DateRadio(int k) { return 1951 + 2 * k; }
  static constexpr int BackwardRadio(int k) { return 1958 + 2 * k; }
  static constexpr int ForwardRadio(int k) { return 1959 + 2 * k; }
  static constexpr int StepCombo(int k) { return 1111 + k; }
  static constexpr int SiderealCheck(int k) { return 1130 + k; }
  static constexpr int RateSlider(int k) { return 1072 + k; }

  CSpeedDialog(CConsoleState& state, CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override { EndDialog(Cancelled); }
  void OnClickedSave();
  void OnModeRadio(UINT id);
  void OnChoiceChanged(UINT id);
  void OnStepChanged(UINT id);
  void OnHScroll(UINT code, UINT position, CScrollBar* bar);
  DECLARE_MESSAGE_MAP()

 private:
  void ShowTexts();
  void ShowMode(int k, bool rateMode);
  SpeedButtonSettings ChosenSettings(int k) const;

  CConsoleState& state_;
  bool modified_ = false;
  std::array<CZipSliderCtl, SpeedButtonCount> sliders_;
  std::array<CBtnPlanet, 2> keys_;
};
