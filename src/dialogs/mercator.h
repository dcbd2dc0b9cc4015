// The world map: one click on the map becomes the script statement that moves Orvenna's
// observer to the clicked longitude and latitude on the Earth, left in the owner's script
// buffer for the owner to run.
#pragma once

#include <string>

#include "src/dialogs/layered_black_dialog.h"

class CMercator : public CLayeredBlackDialog {
 public:
  enum { IDD = 25486 };
  static constexpr int MapStaticId = 25485;
  static constexpr int MapBitmapId = 29317;
  static constexpr int PlaceChosen = 10;
  static constexpr int NothingChosen = 0;

  // resize: fit the map to the owner's window (the two-monitor layout, where the console fills
  // its monitor); alignLeft: the owner's ConsoleScreen, 1 when the console is on the primary
  // monitor.
  CMercator(CWnd* owner, std::wstring* scriptBuffer, BOOL resize, BOOL alignLeft);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override { EndDialog(NothingChosen); }
  void OnCancel() override { EndDialog(NothingChosen); }
  void OnTimer(UINT_PTR id);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnRButtonUp(UINT flags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  void FitToOwner();

  CWnd* owner_;
  std::wstring* scriptBuffer_;
  BOOL resize_;
  BOOL alignLeft_;
  CStatic map_;
  CBitmap mapPicture_;
};
