// What the dialog manager's files share: the state each dialog keeps beside its window bytes.
#pragma once

#include "platform/win/dialog_api.h"
#include "platform/win/win_types.h"

namespace desktop {
class Desktop;
}

namespace win_internal {

struct DialogState {
  bool ended = false;
  INT_PTR result = 0;
  int default_id = 0;  // 0 until DM_SETDEFID: the BS_DEFPUSHBUTTON child answers then
  HFONT font = nullptr;
  bool owns_font = false;
  SIZE base_units{};
  HWND saved_focus = nullptr;
};

// The dialog's state, or null for a window that is not a dialog.
DialogState* dialog_state(HWND dialog);
// The dialog procedure and its init value travel to WM_NCCREATE through the create parameter.
struct DialogCreation {
  DLGPROC proc;
  LPARAM init_param;
};
// Registers the desktop's dialog class "#32770", seen by every program.
void register_dialog_class(desktop::Desktop& machine);
// The horizontal and vertical base units of a font (null: the system font).
SIZE font_base_units(HFONT font);
// Runs the modal loop of a dialog made hidden, until EndDialog; returns its result.
INT_PTR run_dialog_loop(HWND dialog, HWND owner);

}  // namespace win_internal
