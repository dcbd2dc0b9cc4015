// CMessageBoxDialog: every message box of the console. Its buttons speak the console's interface
// language, and a question can carry a check box that remembers the answer under "MessageBoxes"
// in the application's profile, so that the box is not shown again.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/afx/afx.h"
#include "src/controls/message_box/message_box_buttons.h"

class CMessageBoxDialog : public CDialog {
 public:
  using tagMSGBOXBTN = MessageBoxButton;

  // An empty title is the application's name.
  CMessageBoxDialog(CWnd* parent, std::wstring message, std::wstring title, UINT style, UINT help_id);
  ~CMessageBoxDialog() override = default;

  // The remembered answer when there is one, without showing anything; else the id of the
  // button that ended the box.
  INT_PTR DoModal() override;
  // The help id when there is one, else a number made from the message's characters.
  std::wstring GetProfileValueName() const;
  void EndMessageBox(int button_id);

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  // Pixels of n dialog units, horizontally and vertically.
  int DX(int n);
  int DY(int n);
  CSize MeasureText(const std::wstring& text, UINT format, int width = 0) const;
  void CreateIcon();
  void CreateMessage();
  void CreateCheckBox();
  void CreateButtons();
  void Layout();
  bool IsButton(int id) const;

  std::wstring m_strMessage;
  std::wstring m_strTitle;
  UINT m_nStyle;
  UINT m_nHelp;
  HICON m_hIcon = nullptr;
  std::wstring m_strProfileValueName;
  // The desktop's record of this box, for those who watch and answer it.
  std::size_t m_nNoteRecord = 0;
  std::vector<tagMSGBOXBTN> m_aButtons;
  int m_nDefaultButton = -1;
  int m_nCancelButton = -1;
  CStatic m_stcIcon;
  CStatic m_stcMessage;
  CButton m_btnCheckBox;
  std::vector<std::unique_ptr<CButton>> m_buttons;
  CSize m_sDialogUnit;
  CSize m_sIcon;
  CSize m_sMessage;
  CSize m_sCheckbox;
  CSize m_sButton;
};

// What the application's DoMessageBox does: the box over the active window, or over the main
// window's last active pop-up when the thread has none, with the application's name as title.
int DoConsoleMessageBox(LPCWSTR prompt, UINT type, UINT help_id);
