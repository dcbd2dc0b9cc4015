// CFileDialog: the open or the save dialog, with the filters as the framework takes them,
// "|"-separated pairs of a description and its patterns ending in "||".
#pragma once

#include <array>
#include <string>

#include "platform/afx/dialog.h"
#include "platform/win/common_dialog_api.h"

class CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)
 public:
  explicit CFileDialog(BOOL open_file_dialog, LPCWSTR def_ext = nullptr, LPCWSTR file_name = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCWSTR filter = nullptr,
                       CWnd* parent = nullptr, DWORD size = 0, BOOL vista_style = TRUE);
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;

  // IDOK when a name was chosen, IDCANCEL on Cancel or failure (CommDlgExtendedError says which).
  INT_PTR DoModal() override;
  // The chosen file's full path, its name, its extension (without the dot), its name without
  // the extension, and its folder.
  std::wstring GetPathName() const;
  std::wstring GetFileName() const;
  std::wstring GetFileExt() const;
  std::wstring GetFileTitle() const;
  std::wstring GetFolderPath() const;
  OPENFILENAMEW& GetOFN() { return m_ofn; }

  OPENFILENAMEW m_ofn{};

 private:
  BOOL m_bOpenFileDialog;
  std::wstring m_strFilter;
  std::wstring m_strDefExt;
  std::array<wchar_t, MAX_PATH> m_szFileName{};
  std::array<wchar_t, MAX_PATH> m_szFileTitle{};
};
