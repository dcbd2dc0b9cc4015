// The folder and its parents at the top, the list of its folders and files, then the name, the
// filter and the buttons; the tab order is the order of the controls here.
#include "platform/win/file_dialog_layout.h"

#include "platform/win/common_dialog_api.h"
#include "platform/win/controls_api.h"
#include "platform/win/win_styles.h"

namespace file_dialog {

std::vector<DialogItemTemplate> items(LPCWSTR ok_caption) {
  constexpr DWORD kShown = WS_VISIBLE;
  constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
  return {
      {L"Static", stc4, L"Look &in:", 6, 8, 40, 8, kShown, 0},
      {L"ComboBox", cmb2, L"", 48, 6, 176, 120, kTab | WS_GROUP | CBS_DROPDOWNLIST | WS_VSCROLL, 0},
      {L"Button", psh1, L"&Up", 228, 5, 46, 14, kTab, 0},
      {WC_LISTVIEWW, lst1, L"", 6, 24, 268, 100,
       kTab | WS_GROUP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0},
      {L"Static", stc3, L"File &name:", 6, 132, 52, 8, kShown | WS_GROUP, 0},
      {L"Edit", edt1, L"", 60, 130, 160, 12, kTab | WS_BORDER | ES_AUTOHSCROLL, 0},
      {L"Static", stc2, L"Files of &type:", 6, 148, 52, 8, kShown, 0},
      {L"ComboBox", cmb1, L"", 60, 146, 160, 80, kTab | CBS_DROPDOWNLIST | WS_VSCROLL, 0},
      {L"Button", chx1, L"Open as &read-only", 60, 162, 100, 10, kTab | BS_AUTOCHECKBOX, 0},
      {L"Button", IDOK, ok_caption, 224, 129, 50, 14, kTab | WS_GROUP | BS_DEFPUSHBUTTON, 0},
      {L"Button", IDCANCEL, L"Cancel", 224, 145, 50, 14, kTab, 0},
  };
}

}  // namespace file_dialog
