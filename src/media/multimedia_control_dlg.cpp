#include "src/media/multimedia_control_dlg.h"

#include <algorithm>

#include "platform/afx/file.h"
#include "platform/afx/file_exception.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/media/folder_dialog.h"
#include "src/media/media_class.h"
#include "src/media/players/media_players.h"
#include "src/media/slide_show.h"
#include "src/settings/console_settings.h"
#include "src/settings/multimedia_settings.h"
#include "src/util/folder_listings.h"
#include "src/util/localized_text.h"

namespace {

constexpr int LastMediaButtonId = FirstMediaButtonId + MediaButtonCount - 1;
constexpr BYTE PanelAlpha = 240;
constexpr int ButtonNormalBitmap = 320;
constexpr int ButtonActiveBitmap = 321;
constexpr int CloseNormalBitmap = 8411;
constexpr int CloseActiveBitmap = 8412;
constexpr UINT CancelText = 9002;
constexpr UINT CancelTextStep = 20;
constexpr int WhiteTextIds[] = {11096, 11200};

constexpr UINT RecordingRefusal = 8580;
constexpr UINT ScriptRunningRefusal = 4220;
constexpr UINT BackgroundAudioRefusal = 9420;
constexpr UINT RefusalMs = 5000;

bool IsWhiteText(int id) {
  if (id >= FirstMediaButtonId && id <= LastMediaButtonId) return true;
  for (int white : WhiteTextIds)
    if (id == white) return true;
  return false;
}

bool EndsInScript(const std::wstring& path) {
  return path.size() >= 3 && ClassifyMediaFile(path) == MediaClass::Script;
}

}  // namespace

BEGIN_MESSAGE_MAP(CMultimediaControlDlg, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_COMMAND_RANGE(FirstMediaButtonId, LastMediaButtonId, &CMultimediaControlDlg::OnMediaButton)
END_MESSAGE_MAP()

CMultimediaControlDlg::CMultimediaControlDlg(COrvennaConsoleDlg* owner, CConsoleState*, bool)
    : CDialog(MultimediaPanelTemplate), owner(owner) {
  buttonTypes.fill(NoMediaType);
  buttonKinds.fill(NoMediaKind);
}

void CMultimediaControlDlg::ReloadButtonSetup() {
  const ScriptButtons buttons = LoadScriptButtons();
  buttonTypes = buttons.types;
  buttonFiles = buttons.names;
}

MediaButtonSetup CMultimediaControlDlg::Setup(int k) const {
  return MediaButtonSetup{buttonTypes[k], buttonFiles[k], buttonFolderFlags[k]};
}

void CMultimediaControlDlg::SetCaption(int k, const std::wstring& caption) {
  mediaButtons[k].SetWindowText(caption.c_str());
  mediaButtons[k].Invalidate();
}

BOOL CMultimediaControlDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ModifyStyleEx(0, WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(m_hWnd, 0, PanelAlpha, LWA_ALPHA);
  const unsigned language = ReadLanguage();
  for (int k = 0; k < MediaButtonCount; ++k) {
    mediaButtons[k].m_nNormalId = ButtonNormalBitmap;
    mediaButtons[k].m_nActiveId = ButtonActiveBitmap;
    mediaButtons[k].SubclassDlgItem(FirstMediaButtonId + k, this);
  }
  closeButton.m_nNormalId = CloseNormalBitmap;
  closeButton.m_nActiveId = CloseActiveBitmap;
  closeButton.SubclassDlgItem(IDCANCEL, this);
  closeButton.SetWindowText(LoadResourceText(CancelText + CancelTextStep * language).c_str());
  ReloadButtonSetup();
  buttonFolderFlags = LoadUseFolderFlags();
  for (int k = 0; k < MediaButtonCount; ++k) {
    // A script stopped from the main dialog since the panel or its picker started it runs no more.
    if (owner->mediaActive[k] && !owner->scriptRunning && RunsScripts(Setup(k)))
      owner->mediaActive[k] = false;
    const MediaButtonFace face = DescribeMediaButton(
        Setup(k), owner->mediaActive[k], owner->pictureOverlays[k].IsVisible() != FALSE, language);
    buttonKinds[k] = face.kind;
    SetCaption(k, face.caption);
    AddTooltip(k, face.tooltip);
  }
  return TRUE;
}

void CMultimediaControlDlg::AddTooltip(int k, const std::wstring& text) {
  CWnd* parent = GetParent() != nullptr ? GetParent() : this;
  if (!tooltips[k].Create(parent, 0)) return;
  tooltips[k].AddTool(&mediaButtons[k], text.c_str());
  tooltips[k].Activate(TRUE);
}

BOOL CMultimediaControlDlg::PreTranslateMessage(MSG* msg) {
  for (CToolTipCtrl& tooltip : tooltips)
    if (tooltip.GetSafeHwnd() != nullptr) tooltip.RelayEvent(msg);
  return CDialog::PreTranslateMessage(msg);
}

BOOL CMultimediaControlDlg::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, RGB(0, 0, 0));
  return TRUE;
}

HBRUSH CMultimediaControlDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour) {
  if (wnd == nullptr || !IsWhiteText(wnd->GetDlgCtrlID())) return CDialog::OnCtlColor(dc, wnd, ctlColour);
  dc->SetTextColor(RGB(255, 255, 255));
  dc->SetBkMode(TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CMultimediaControlDlg::ShowRefusal(UINT stringId, unsigned language) {
  owner->ShowStatusText(LoadConsoleString(stringId + language), RefusalMs);
}

bool CMultimediaControlDlg::PassPressGuards(int k, unsigned language) {
  if (owner->RecorderState == RecorderRecording) {
    ShowRefusal(RecordingRefusal, language);
    return false;
  }
  ReloadButtonSetup();
  if (buttonTypes[k] == NoMediaType) return false;
  buttonFolderFlags = LoadUseFolderFlags();
  if (owner->mediaActive[k] && EndsInScript(buttonFiles[k])) {
    SetCaption(k, FileCaption(ScriptWord, true, buttonFiles[k], language));
    owner->mediaActive[k] = false;
    owner->scriptRunning = false;
    owner->StopPlanetariumScript();
    TakeForeground();
    return false;
  }
  if (owner->scriptRunning || owner->speedKeysActive) {
    ShowRefusal(ScriptRunningRefusal, language);
    return false;
  }
  return true;
}

void CMultimediaControlDlg::OnMediaButton(UINT id) {
  const int k = static_cast<int>(id) - FirstMediaButtonId;
  const unsigned language = ReadLanguage();
  if (!PassPressGuards(k, language)) return;
  if (buttonFolderFlags[k])
    PressFolder(k, language);
  else
    PressFile(k, language);
}

void CMultimediaControlDlg::PutAwayPictures(bool fade, unsigned language) {
  for (int j = 0; j < MediaButtonCount; ++j) {
    if (!owner->pictureOverlays[j].IsVisible()) continue;
    if (fade) {
      owner->pictureBackdrop.Hide();
      owner->pictureOverlays[j].FadeOut();
    } else {
      owner->pictureOverlays[j].Hide();
    }
    SetCaption(j, PictureCaption(Setup(j), language));
    owner->mediaActive[j] = false;
  }
}

void CMultimediaControlDlg::PressFolder(int k, unsigned language) {
  switch (buttonTypes[k]) {
    case PictureKind:
      if (owner->pictureOverlays[k].IsVisible()) {
        owner->pictureBackdrop.Hide();
        owner->pictureOverlays[k].FadeOut();
        SetCaption(k, PictureCaption(Setup(k), language));
        owner->mediaActive[k] = false;
        return;
      }
      PutAwayPictures(true, language);
      ToggleFolderSlideShow(k, LoadScriptName(k));
      return;
    case ScriptKind:
      owner->mediaFolder = buttonFiles[k];
      owner->mediaKind = ScriptKind;
      RunFilePicker(k);
      return;
    case VideoKind:
    case AudioKind:
      PressPlayerFolder(k, language);
      return;
    default:
      return;
  }
}

void CMultimediaControlDlg::PressPlayerFolder(int k, unsigned language) {
  owner->mediaFolder = buttonFiles[k];
  owner->mediaKind = buttonTypes[k];
  if (owner->backgroundAudioActive && owner->mediaActive[k]) {
    const INT_PTR result = owner->ReopenBackgroundAudio(k);
    if (result == BackgroundAudioStopped) {
      ShowAudioStopped(k);
      owner->backgroundAudioHost = nullptr;
      owner->mediaActive[k] = false;
      return;
    }
    if (result == AudioPlaysOn) return;
  }
  if (owner->backgroundAudioActive &&
      std::find(owner->mediaActive.begin(), owner->mediaActive.end(), true) != owner->mediaActive.end()) {
    ShowRefusal(BackgroundAudioRefusal, language);
    return;
  }
  RunFilePicker(k);
}

void CMultimediaControlDlg::PressFile(int k, unsigned language) {
  switch (ClassifyMediaFile(buttonFiles[k])) {
    case MediaClass::Audio:
      PressAudioFile(k);
      return;
    case MediaClass::Picture:
      PressPictureFile(k, language);
      return;
    case MediaClass::Video:
      if (owner->backgroundAudioActive) {
        ShowRefusal(BackgroundAudioRefusal, language);
        return;
      }
      owner->PlayVideo(L"", k);
      return;
    case MediaClass::Script:
      PressScriptFile(k, language);
      return;
    case MediaClass::Unsupported:
      return;
  }
}

void CMultimediaControlDlg::PressAudioFile(int k) {
  if (owner->backgroundAudioActive) {
    if (owner->mediaActive[k] && owner->ReopenBackgroundAudio(k) == BackgroundAudioStopped) {
      owner->backgroundAudioActive = false;
      ShowAudioStopped(k);
      owner->backgroundAudioHost = nullptr;
      owner->mediaActive[k] = false;
    }
    return;
  }
  CFile probe;
  CFileException error;
  if (!probe.Open(buttonFiles[k].c_str(), CFile::modeRead | CFile::shareDenyNone, &error)) {
    error.ReportError();
    return;
  }
  probe.Close();
  if (owner->PlayAudio(k, L"") == AudioPlaysOn) SetCaption(k, RunningCaption);
}

void CMultimediaControlDlg::PressPictureFile(int k, unsigned language) {
  if (owner->pictureOverlays[k].IsVisible()) {
    owner->pictureBackdrop.Hide();
    owner->pictureOverlays[k].FadeOut();
    SetCaption(k, PictureCaption(Setup(k), language));
    owner->mediaActive[k] = false;
    return;
  }
  PutAwayPictures(false, language);
  // A picture that cannot be shown leaves the button as it was.
  if (!owner->ShowImageOverPlanetarium(k, LoadScriptName(k))) return;
  SetCaption(k, HideCaption(language));
  owner->mediaActive[k] = true;
}

void CMultimediaControlDlg::PressScriptFile(int k, unsigned language) {
  // A script that is not there runs nothing, and nothing may wait for it to end.
  if (!FindMediaPath(buttonFiles[k])) return;
  owner->mediaActive[k] = true;
  owner->scriptRunning = true;
  SetCaption(k, RunningCaption);
  // A loader that could not be written, or a recording's refusal, started nothing.
  if (!owner->RunScriptFile(buttonFiles[k])) {
    owner->mediaActive[k] = false;
    owner->scriptRunning = false;
    SetCaption(k, FileCaption(ScriptWord, true, buttonFiles[k], language));
  }
  TakeForeground();
}

// The script runner gives the foreground back to the main dialog, which the panel disables.
void CMultimediaControlDlg::TakeForeground() {
  if (m_hWnd != nullptr) ::SetForegroundWindow(m_hWnd);
}

void CMultimediaControlDlg::RunFilePicker(int k) {
  CFolderDialog picker(owner, ReadLanguage(), k, this);
  picker.DoModal();
}

void CMultimediaControlDlg::ToggleFolderSlideShow(int k, const std::wstring& folder) {
  if (owner->mediaActive[k]) {
    owner->pictureBackdrop.Hide();
    if (owner->pictureOverlays[k].IsVisible()) owner->pictureOverlays[k].FadeOut();
    ReloadButtonSetup();
    SetCaption(k, owner->savedButtonCaption);
    owner->mediaActive[k] = false;
    return;
  }
  owner->savedButtonCaption = mediaButtons[k].GetWindowText();
  owner->slideFiles.clear();
  owner->slideButton = k;
  owner->slideFolder = folder;
  owner->slideFiles = ListImageFiles(folder);
  owner->slideCount = static_cast<int>(owner->slideFiles.size());
  owner->slideIndex = 0;
  const unsigned language = ReadLanguage();
  CSlideShow show(language, k, owner, this);
  show.DoModal();
  // A picture the show leaves on the dome is what this button's next press takes away, as with a
  // picture button; one fading out is already going.
  const CExternalImage& overlay = owner->pictureOverlays[k];
  if (overlay.IsVisible() && overlay.IsFadeOutAllowed()) {
    owner->mediaActive[k] = true;
    SetCaption(k, HideCaption(language));
  }
}

void CMultimediaControlDlg::SetButtonCaption(int k, const std::wstring& caption) {
  SetCaption(k, caption);
}

void CMultimediaControlDlg::ShowAudioStopped(int k) {
  const unsigned language = ReadLanguage();
  SetCaption(k, buttonFolderFlags[k] ? FolderCaption(AudioKind, buttonFiles[k], language)
                                     : FileCaption(AudioWord, true, buttonFiles[k], language));
}
