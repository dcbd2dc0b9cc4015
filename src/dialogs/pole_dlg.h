// The planet chooser of the pole and equator buttons: twelve pictures of bodies, one touch
// chooses; the index goes into the state record's homePlanetIndex.
#pragma once

#include <array>

#include "src/controls/btn_planet.h"
#include "src/dialogs/layered_black_dialog.h"
#include "src/settings/console_state.h"

class CPoleDlg : public CLayeredBlackDialog {
 public:
  enum { IDD = 126 };
  static constexpr int BodyCount = 12;
  static constexpr int FirstPictureId = 4530;
  static constexpr int FirstCaptionId = 4542;
  static constexpr int FirstBodyBitmapId = 10001;
  static constexpr int BodyChosen = 0;
  static constexpr int Cancelled = 1;

  CPoleDlg(CWnd* owner, CConsoleState* state);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override { OnCancel(); }
  void OnCancel() override { EndDialog(Cancelled); }
  void OnLButtonUp(UINT flags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  CConsoleState* state_;
  CBtnPlanet cancel_;
  std::array<CStatic, BodyCount> pictureStatics_;
  std::array<CBitmap, BodyCount> pictures_;
};
