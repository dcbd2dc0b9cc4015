// CMessierDlg: the Messier picker that the search dialog opens. Four pages of thumbnails with
// their designation and constellation; a click on one makes it the search target and ends the
// picker with PickedMessierObject. Enter and Escape close it without a pick.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "src/catalog/search/messier_picker_pages.h"
#include "src/controls/btn_planet.h"
#include "src/settings/console_state.h"

inline constexpr INT_PTR PickedMessierObject = 10;

class CMessierDlg : public CDialog {
 public:
  enum { IDD = 25490 };
  // Clears the search target: a picker closed without a pick leaves none.
  CMessierDlg(CConsoleState* state, CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override { EndDialog(0); }
  BOOL OnEraseBkgnd(CDC* dc);
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnPageButton(UINT id);
  DECLARE_MESSAGE_MAP()

 private:
  CConsoleState* state_;
  MessierPickerLists lists_;
  std::wstring installFolder_;
  // The objects of the page shown, 0 for a slot that shows nothing; no page before a page key.
  std::array<int, PickerSlots> shownObjects_{};
  std::array<CStatic, PickerSlots> thumbnails_;
  std::array<CBitmap, PickerSlots> keptThumbnails_;
  std::array<CBtnPlanet, PickerPages> pageButtons_;
};
