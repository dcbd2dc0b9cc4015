// The colour picker's pop-up: a grid of the colour table with tooltips, a separator, a Custom
// button that opens the colour dialog, and the sixteen custom colours. It holds the mouse while
// open, reports to the picker and deletes itself when its window goes.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "src/controls/colour/colour_table.h"

class CXColorPopupXP : public CWnd {
 public:
  // Opens at point (screen coordinates) with the picker's colour and its sixteen custom colours,
  // which it writes back when it ends; null when its window cannot be made.
  static CXColorPopupXP* Open(CPoint point, COLORREF colour, CWnd* picker, COLORREF* custom_colours,
                              bool opened_by_press);
  ~CXColorPopupXP() override;

  struct Cell {
    int row = -1;
    int column = -1;
    bool none() const { return row < 0; }
    bool operator==(const Cell&) const = default;
  };

  Cell GetHotCell() const { return hot_; }
  Cell GetChosenCell() const { return chosen_; }
  COLORREF GetCurrentColour() const { return current_colour_; }
  // Where an arrow key moves from a cell (or from none): wrapping within the row or the column,
  // and over the separator between rows 8 and 10.
  static Cell NextCell(Cell from, UINT key);
  // The cell's rectangle in client coordinates.
  CRect CellRect(Cell cell) const;
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  void PostNcDestroy() override;
  void OnPaint();
  void OnMouseMove(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  LRESULT OnSysKeyDown(WPARAM key, LPARAM flags);
  void OnKillFocus(CWnd* next);
  void OnActivate(UINT state, CWnd* other, BOOL minimized);
  void OnTimer(UINT_PTR id);
  void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  static int EntryOf(Cell cell) { return cell.row * kColourTableColumns + cell.column; }
  CXColorPopupXP(COLORREF colour, CWnd* picker, COLORREF* custom_colours, bool opened_by_press);
  bool Create(CPoint point);
  void AddTooltips();
  CFont& MessageFont();
  Cell CellAt(CPoint point) const;
  void ChangeHotCell(Cell cell);
  void DrawCell(CDC& dc, Cell cell);
  void MoveByKey(UINT key);
  void EndSelection(bool confirm);
  // The colour dialog from the Custom button; true when it answered OK.
  bool ChooseCustomColour();

  std::array<COLORREF, kColourTableCount> colours_{};
  int box_size_ = 18;
  int margin_ = 2;
  Cell hot_;
  Cell chosen_;
  COLORREF initial_colour_;
  COLORREF current_colour_;
  CRect custom_button_rect_;
  CRect separator_rect_;
  CRect window_rect_;
  CFont font_;
  HWND tooltip_ = nullptr;
  // The picker's window, asked whether it is still there: its custom colours are written only
  // while it is.
  HWND picker_;
  COLORREF* picker_custom_colours_;
  bool ignore_first_button_up_ = true;
  bool opened_by_press_;
  bool colour_dialog_open_ = false;
};
