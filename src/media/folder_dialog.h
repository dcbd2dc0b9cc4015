// CFolderDialog: the picker of a script, video or audio folder. Its files ten to a page in large
// type; a click on a name closes the picker and runs the script or plays the file as the
// button's own file would be.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/afx/afx.h"
#include "src/controls/btn_planet.h"

class COrvennaConsoleDlg;
class CMultimediaControlDlg;

inline constexpr UINT FolderPickerTemplate = 94;
inline constexpr int PickerRows = 10;

// Pages of that many files: at least one.
int PickerPageCount(std::size_t entries);
// "page/pages" as the page label shows it.
std::wstring PickerPageLabel(int page, std::size_t entries);

class CFolderDialog : public CDialog {
 public:
  CFolderDialog(COrvennaConsoleDlg* main, unsigned language, int k, CMultimediaControlDlg* panel);

  void ShowPage(int page);

 protected:
  BOOL OnInitDialog() override;
  BOOL OnEraseBkgnd(CDC* dc);
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnPreviousPage();
  void OnNextPage();
  void OnClose();
  void OnCancel() override { OnClose(); }
  DECLARE_MESSAGE_MAP()

 private:
  void ShowPageLabel();
  void Pick(const std::wstring& entry);

  COrvennaConsoleDlg* main_;
  unsigned language_;
  int k_;
  CMultimediaControlDlg* panel_;
  std::vector<std::wstring> entries_;
  int page_ = 1;
  CFont largeFont_;
  std::array<CBtnPlanet, 3> buttons_;
};
