// CMFCEditBrowseCtrl: an edit with a browse button at its right, drawn in its frame. The button
// (or Alt+Down) opens the open-file dialog in file mode and the folder browser in folder mode,
// writes the chosen path into the edit, which tells its parent with EN_CHANGE, and calls
// OnAfterUpdate; in the default mode it calls OnBrowse for a class of its own to act.
#pragma once

#include <string>

#include "platform/afx/edit_ctrl.h"
#include "platform/win/common_dialog_api.h"
#include "platform/win/shell_api.h"

class CMFCEditBrowseCtrl : public CEdit {
  DECLARE_DYNAMIC(CMFCEditBrowseCtrl)
 public:
  enum BrowseMode { BrowseMode_None, BrowseMode_Default, BrowseMode_Folder, BrowseMode_File };

  CMFCEditBrowseCtrl() = default;
  ~CMFCEditBrowseCtrl() override;

  void EnableBrowseButton(BOOL enable = TRUE, LPCWSTR label = L"...");
  void EnableFileBrowseButton(LPCWSTR def_ext = nullptr, LPCWSTR filter = nullptr,
                              DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  void EnableFolderBrowseButton(LPCWSTR title = nullptr, UINT flags = BIF_RETURNONLYFSDIRS);
  // The button's picture in place of its label: a bitmap resource of the program, or a bitmap
  // the control deletes when auto_destroy is set.
  void SetBrowseButtonImage(UINT bitmap_id);
  void SetBrowseButtonImage(HBITMAP bitmap, BOOL auto_destroy = TRUE);
  BrowseMode GetMode() const { return m_Mode; }

  virtual void OnBrowse();
  virtual void OnAfterUpdate();
  virtual void OnDrawBrowseButton(CDC* dc, CRect rect, BOOL pressed, BOOL hot);
  // Lays the frame out again after the button changed.
  virtual void OnChangeLayout();

  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int ButtonWidth() const;
  void CalculateFrame(WPARAM whole_params, LPARAM lParam);
  // The button's rectangle in the window's own coordinates, and whether a screen point is on it.
  bool OnButton(POINT screen) const;
  void DrawButton();
  void PressButton();
  void FollowPointer(POINT client);
  void ReleaseButton(POINT client);
  void ReleaseImage();
  void Update(const std::wstring& path);

  BrowseMode m_Mode = BrowseMode_None;
  std::wstring m_strLabel = L"...";
  std::wstring m_strDefFileExt;
  std::wstring m_strFileFilter;
  DWORD m_dwFileDialogFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  std::wstring m_strBrowseFolderTitle;
  UINT m_ulBrowseFolderFlags = BIF_RETURNONLYFSDIRS;
  HBITMAP m_hImage = nullptr;
  BOOL m_bAutoDestroyImage = FALSE;
  CRect m_rectBtn;  // in the window's coordinates
  bool m_bButtonCaptured = false;
  bool m_bButtonPressed = false;
};
