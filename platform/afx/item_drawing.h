// The reflected WM_DRAWITEM and WM_MEASUREITEM of the owner-drawn list controls, handed to the
// control's own DrawItem and MeasureItem.
#pragma once

#include "platform/win/controls_api.h"

template <typename Control>
bool reflect_item_drawing(Control& control, UINT message, LPARAM lParam, LRESULT* result) {
  if (message == WM_DRAWITEM) {
    control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  } else if (message == WM_MEASUREITEM) {
    control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
  } else {
    return false;
  }
  if (result != nullptr) *result = TRUE;
  return true;
}
