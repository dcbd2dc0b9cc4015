// A drop-down list box (owner-drawn in its template) that shows a colour and opens the colour
// pop-up in place of its list. The owner reads and sets m_Color directly; that does not notify.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "platform/afx/combo_box.h"
#include "src/controls/colour/colour_table.h"

class CXColorPickerXP : public CComboBox {
  DECLARE_DYNCREATE(CXColorPickerXP)
 public:
  CXColorPickerXP();
  // Closes a pop-up still open, which writes into this object.
  ~CXColorPickerXP() override;

  // The colour under the pop-up's pointer shows in the field while it is open.
  int m_bTrackSelection = 0;
  COLORREF m_Color = RGB(255, 0, 0);
  COLORREF m_SavedColor = RGB(255, 0, 0);
  std::array<COLORREF, kCustomColourCount> m_CustomColors{};
  int m_nSelectedRow = -1;
  int m_nSelectedCol = -1;

 protected:
  void PreSubclassWindow() override;
  void DrawItem(LPDRAWITEMSTRUCT draw);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonDblClk(UINT flags, CPoint point);
  void OnDropDown();
  void OnTimer(UINT_PTR id);
  LRESULT OnEnable(WPARAM enable, LPARAM);
  LRESULT OnSelEndOK(WPARAM colour, LPARAM cell);
  LRESULT OnSelEndCancel(WPARAM colour, LPARAM cell);
  LRESULT OnSelChange(WPARAM colour, LPARAM);
  DECLARE_MESSAGE_MAP()

 private:
  void OpenPopup(bool by_press);
  void NotifyParent(UINT message, COLORREF colour) const;
  void SetShownColour(COLORREF colour);

  HWND popup_ = nullptr;
};
