#include "platform/afx/file_dialog.h"

#include <algorithm>
#include <string_view>

#include "platform/win/focus_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL open_file_dialog, LPCWSTR def_ext, LPCWSTR file_name, DWORD flags,
                         LPCWSTR filter, CWnd* parent, DWORD, BOOL)
    : m_bOpenFileDialog(open_file_dialog) {
  m_pParentWnd = parent;
  if (filter != nullptr) {
    m_strFilter = filter;
    std::replace(m_strFilter.begin(), m_strFilter.end(), L'|', L'\0');
  }
  if (def_ext != nullptr) m_strDefExt = def_ext;
  if (file_name != nullptr) {
    const std::wstring_view name(file_name);
    std::copy_n(name.begin(), std::min(name.size(), m_szFileName.size() - 1), m_szFileName.begin());
  }
  m_ofn.lStructSize = sizeof(OPENFILENAMEW);
  m_ofn.lpstrFilter = filter != nullptr ? m_strFilter.c_str() : nullptr;
  m_ofn.nFilterIndex = 1;
  m_ofn.lpstrFile = m_szFileName.data();
  m_ofn.nMaxFile = static_cast<DWORD>(m_szFileName.size());
  m_ofn.lpstrFileTitle = m_szFileTitle.data();
  m_ofn.nMaxFileTitle = static_cast<DWORD>(m_szFileTitle.size());
  m_ofn.lpstrDefExt = def_ext != nullptr ? m_strDefExt.c_str() : nullptr;
  m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal() {
  HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : GetActiveWindow();
  m_ofn.hwndOwner = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
  const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameW(&m_ofn) : GetSaveFileNameW(&m_ofn);
  return chosen ? IDOK : IDCANCEL;
}

std::wstring CFileDialog::GetPathName() const {
  return m_ofn.lpstrFile;
}

std::wstring CFileDialog::GetFileName() const {
  return GetPathName().substr(std::min<std::size_t>(m_ofn.nFileOffset, GetPathName().size()));
}

std::wstring CFileDialog::GetFileExt() const {
  const std::wstring path = GetPathName();
  if (m_ofn.nFileExtension == 0 || m_ofn.nFileExtension >= path.size()) return {};
  return path.substr(m_ofn.nFileExtension);
}

std::wstring CFileDialog::GetFileTitle() const {
  const std::wstring name = GetFileName();
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring CFileDialog::GetFolderPath() const {
  const std::wstring path = GetPathName();
  const std::size_t offset = std::min<std::size_t>(m_ofn.nFileOffset, path.size());
  if (offset == 0) return {};
  const std::wstring folder = path.substr(0, offset);
  // A drive's root keeps its separator.
  return folder.size() > 3 ? folder.substr(0, folder.size() - 1) : folder;
}
