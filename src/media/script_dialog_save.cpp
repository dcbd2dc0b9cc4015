// The set-up's SAVE: every row checked before anything is written, so that a refused row leaves
// the registry as it was.
#include "platform/win/win32.h"
#include "src/media/media_setup_paths.h"
#include "src/media/script_dialog.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr UINT TypeNotAllowed = 9580;
constexpr UINT FileMissing = 9590;

// The file or folder entry at the path, when there is one.
bool FindEntry(const std::wstring& path, bool& isFolder) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return true;
}

}  // namespace

void CScriptDialog::OnSave() {
  ScriptButtons saved;
  std::array<bool, MultimediaButtonCount> flags = folderFlags;
  for (int i = 0; i < MultimediaButtonCount; ++i) {
    saved.names[i] = PathText(i);
    if (rows_[i].enable.GetCheck() != BST_CHECKED) {
      saved.types[i] = NoMediaType;
      continue;
    }
    if (saved.names[i].empty()) {
      saved.types[i] = NoMediaType;
      flags[i] = false;
      continue;
    }
    if (!CheckRow(i, saved.names[i], flags[i])) return;
    saved.types[i] = rows_[i].type.GetCurSel();
  }
  // The video options first: their file name gives way to the row's own.
  for (int i = 0; i < MultimediaButtonCount; ++i)
    if (videoOptions_[i]) SaveVideoOptions(i, *videoOptions_[i]);
  SaveScriptButtons(saved);
  SaveUseFolderFlags(flags);
  EndDialog(Saved);
}

bool CScriptDialog::CheckRow(int i, std::wstring& path, bool& folder) {
  if (!folder) {
    const std::wstring extension = SetupExtension(path);
    if (IsAllowedSetupExtension(extension)) return true;
    RefuseRow(i, TypeNotAllowed, extension);
    return false;
  }
  if (path.back() == L'\\') path.pop_back();
  bool isFolder = false;
  if (!FindEntry(path, isFolder)) {
    RefuseRow(i, FileMissing, path);
    return false;
  }
  if (isFolder) folder = true;
  return true;
}

void CScriptDialog::RefuseRow(int i, UINT message, const std::wstring& detail) {
  AfxMessageBox(FormatText(LoadLocalizedText(message).c_str(), detail.c_str()).c_str(), MB_ICONEXCLAMATION);
  GotoDlgCtrl(&rows_[i].path);
}
