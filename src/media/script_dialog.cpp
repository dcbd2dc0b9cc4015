#include "src/media/script_dialog.h"

#include "platform/afx/data_exchange.h"
#include "platform/win/win32.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/options/options_keys.h"
#include "src/media/media_setup_paths.h"
#include "src/media/players/video_options.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"

namespace {

constexpr int LastRow = MultimediaButtonCount - 1;
constexpr std::array<UINT, 4> TypeNames{9540, 9550, 9560, 9570};
constexpr UINT EnableText = 9600;
constexpr UINT WholeFolderText = 9610;
constexpr UINT AdvancedText = 5050;
constexpr UINT InstructionText = 9620;
constexpr UINT SaveText = 19050;
constexpr UINT CancelText = 9380;
// The type list of a disabled row shows pictures.
constexpr int DisabledRowType = 1;
constexpr UINT PathCapacity = 1024;

struct BrowseImages {
  UINT enabled;
  UINT disabled;
};
constexpr BrowseImages FileBrowsing{4507, 4508};
constexpr BrowseImages FolderBrowsing{10055, 10056};

}  // namespace

BEGIN_MESSAGE_MAP(CScriptDialog, CDialog)
ON_BN_CLICKED(CScriptDialog::SaveId, &CScriptDialog::OnSave)
ON_COMMAND_RANGE(CScriptDialog::FirstAdvancedButton, CScriptDialog::FirstAdvancedButton + LastRow,
                 &CScriptDialog::OnAdvanced)
ON_COMMAND_RANGE(CScriptDialog::FirstFolderCheck, CScriptDialog::FirstFolderCheck + LastRow,
                 &CScriptDialog::OnUseFolderCheck)
ON_COMMAND_RANGE(CScriptDialog::FirstEnableCheck, CScriptDialog::FirstEnableCheck + LastRow,
                 &CScriptDialog::OnEnableRow)
ON_CONTROL_RANGE(EN_CHANGE, CScriptDialog::FirstPathEdit, CScriptDialog::FirstPathEdit + LastRow,
                 &CScriptDialog::OnPathChange)
ON_CONTROL_RANGE(CBN_SELCHANGE, CScriptDialog::FirstTypeList, CScriptDialog::FirstTypeList + LastRow,
                 &CScriptDialog::OnTypeChange)
END_MESSAGE_MAP()

CScriptDialog::CScriptDialog(CConsoleState*, CWnd* parent) : CDialog(ScriptDialogTemplate, parent) {}

void CScriptDialog::DoDataExchange(CDataExchange* dx) {
  for (int i = 0; i < MultimediaButtonCount; ++i) {
    DDX_Control(dx, FirstEnableCheck + i, rows_[i].enable);
    DDX_Control(dx, FirstFolderCheck + i, rows_[i].wholeFolder);
    DDX_Control(dx, FirstTypeList + i, rows_[i].type);
    DDX_Control(dx, FirstPathEdit + i, rows_[i].path);
  }
}

BOOL CScriptDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  std::array<int, MultimediaButtonCount> advancedIds{};
  for (int i = 0; i < MultimediaButtonCount; ++i)
    advancedIds[i] = FirstAdvancedButton + i;
  MakeOptionsKeys(advancedKeys_, advancedIds, *this);
  MakeOptionsKeys(keys_, std::array<int, 2>{SaveId, IDCANCEL}, *this);
  ShowTexts(ReadLanguage());
  const ScriptButtons stored = LoadScriptButtons();
  buttonTypes = stored.types;
  buttonFiles = stored.names;
  folderFlags = LoadUseFolderFlags();
  for (int i = 0; i < MultimediaButtonCount; ++i) {
    rows_[i].path.SetLimitText(PathCapacity);
    rows_[i].path.SetWindowText(buttonFiles[i].c_str());
    ShowRow(i);
  }
  return TRUE;
}

void CScriptDialog::ShowTexts(unsigned language) {
  for (int i = 0; i < MultimediaButtonCount; ++i) {
    for (UINT name : TypeNames)
      rows_[i].type.AddString(LoadResourceText(name + language).c_str());
    rows_[i].enable.SetWindowText(LoadResourceText(EnableText + language).c_str());
    rows_[i].wholeFolder.SetWindowText(LoadResourceText(WholeFolderText + language).c_str());
    advancedKeys_[i].SetWindowText(LoadResourceText(AdvancedText + language).c_str());
  }
  SetDlgItemText(InstructionId, LoadResourceText(InstructionText + language).c_str());
  SetDlgItemText(SaveId, LoadResourceText(SaveText + language).c_str());
  SetDlgItemText(IDCANCEL, LoadResourceText(CancelText + language).c_str());
}

// The row as loaded. Its path is shown first, so that what the path's change did to the
// Advanced button gives way to the row's own state.
void CScriptDialog::ShowRow(int i) {
  Row& row = rows_[i];
  const bool enabled = buttonTypes[i] != NoMediaType;
  const bool folder = folderFlags[i];
  row.enable.SetCheck(enabled ? BST_CHECKED : BST_UNCHECKED);
  row.wholeFolder.SetCheck(folder ? BST_CHECKED : BST_UNCHECKED);
  row.wholeFolder.EnableWindow(enabled);
  row.path.EnableWindow(enabled);
  row.type.SetCurSel(enabled ? buttonTypes[i] : DisabledRowType);
  row.type.EnableWindow(enabled && folder);
  const bool advanced =
      folder ? buttonTypes[i] == VideosType : IsAdvancedVideoExtension(SetupExtension(buttonFiles[i]));
  advancedKeys_[i].EnableWindow(enabled && advanced);
  SetBrowsing(i, enabled);
}

void CScriptDialog::SetBrowsing(int i, bool enabled) {
  CMFCEditBrowseCtrl& path = rows_[i].path;
  const BrowseImages& images = folderFlags[i] ? FolderBrowsing : FileBrowsing;
  if (folderFlags[i])
    path.EnableFolderBrowseButton();
  else
    path.EnableFileBrowseButton();
  path.SetBrowseButtonImage(enabled ? images.enabled : images.disabled);
}

std::wstring CScriptDialog::PathText(int i) const {
  return rows_[i].path.GetWindowText();
}

void CScriptDialog::OnEnableRow(UINT id) {
  const int i = static_cast<int>(id) - FirstEnableCheck;
  Row& row = rows_[i];
  const bool ticked = row.enable.GetCheck() == BST_CHECKED;
  row.wholeFolder.EnableWindow(ticked);
  row.path.EnableWindow(ticked);
  row.type.EnableWindow(ticked && row.wholeFolder.GetCheck() == BST_CHECKED);
  if (!ticked) advancedKeys_[i].EnableWindow(FALSE);
  SetBrowsing(i, ticked);
}

void CScriptDialog::OnUseFolderCheck(UINT id) {
  const int i = static_cast<int>(id) - FirstFolderCheck;
  Row& row = rows_[i];
  folderFlags[i] = row.wholeFolder.GetCheck() == BST_CHECKED;
  SetBrowsing(i, true);
  if (folderFlags[i]) {
    const std::wstring path = PathText(i);
    if (!path.empty()) row.path.SetWindowText(SetupFolderPart(path).c_str());
    row.type.EnableWindow(TRUE);
    return;
  }
  row.path.SetWindowText(L"");
  advancedKeys_[i].EnableWindow(FALSE);
  row.type.EnableWindow(FALSE);
}

void CScriptDialog::OnPathChange(UINT id) {
  if (skipNextPathChange) {
    skipNextPathChange = false;
    return;
  }
  const int i = static_cast<int>(id) - FirstPathEdit;
  const std::wstring path = PathText(i);
  const bool videoFolder = folderFlags[i] && rows_[i].type.GetCurSel() == VideosType;
  if (path.empty() || (folderFlags[i] && !videoFolder)) {
    advancedKeys_[i].EnableWindow(FALSE);
    return;
  }
  advancedKeys_[i].EnableWindow(videoFolder || IsAdvancedVideoExtension(SetupExtension(path)));
}

void CScriptDialog::OnTypeChange(UINT id) {
  const int i = static_cast<int>(id) - FirstTypeList;
  advancedKeys_[i].EnableWindow(rows_[i].type.GetCurSel() == VideosType);
}

INT_PTR CScriptDialog::RunVideoOptions(int i, const std::wstring& path, std::optional<VideoOptions>& kept) {
  return CVideoOptions(i, path, kept).DoModal();
}

void CScriptDialog::OnAdvanced(UINT id) {
  const int i = static_cast<int>(id) - FirstAdvancedButton;
  if (RunVideoOptions(i, PathText(i), videoOptions_[i]) != CVideoOptions::Cancelled) return;
  // The path goes back to the one loaded, and the Advanced button stays as it is.
  skipNextPathChange = true;
  rows_[i].path.SetWindowText(buttonFiles[i].c_str());
  skipNextPathChange = false;
}
