// The home button's question: back to the home place only, or the whole sky back to its start
// state.
#pragma once

#include "src/controls/btn_planet.h"
#include "src/dialogs/layered_black_dialog.h"

class CResetPositionWnd : public CLayeredBlackDialog {
 public:
  enum { IDD = 25484 };
  static constexpr int HomePlaceButton = 10013;
  static constexpr int WholeSkyButton = 10014;
  static constexpr int CancelButton = 11096;
  static constexpr int HomePlaceOnly = 160;
  static constexpr int WholeSkyReset = 176;
  static constexpr int Cancelled = 0;

  // language: the interface language index, 0 to 5.
  CResetPositionWnd(int language, CWnd* owner);

 protected:
  BOOL OnInitDialog() override;
  // Enter answers nothing: only a touch on a choice does.
  void OnOK() override {}
  void OnCancel() override { EndDialog(Cancelled); }
  void OnHomePlace() { EndDialog(HomePlaceOnly); }
  void OnWholeSky() { EndDialog(WholeSkyReset); }
  DECLARE_MESSAGE_MAP()

 private:
  int language_;
  CBtnPlanet homePlace_;
  CBtnPlanet wholeSky_;
  CBtnPlanet cancel_;
};
