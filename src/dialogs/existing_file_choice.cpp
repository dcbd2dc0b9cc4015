#include "src/dialogs/existing_file_choice.h"

#include "platform/afx/file_dialog.h"

std::optional<std::wstring> ChooseExistingFile(CWnd* parent, const wchar_t* initialName,
                                               const wchar_t* filter) {
  CFileDialog dialog(TRUE, nullptr, initialName, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                     filter, parent);
  if (dialog.DoModal() != IDOK || dialog.GetFileName().empty()) return std::nullopt;
  return dialog.GetPathName();
}
