// CMultimediaControlDlg: the presenter's sixteen media buttons. Each is bound in the set-up to a
// script, a picture, a video, an audio file or a whole folder of one kind; a press runs or stops
// it, shows or hides it, or opens the folder's slide show or file picker. What a press starts
// outlives the panel, so the panel rebuilds its captions from the main dialog at every opening.
#pragma once

#include <array>
#include <string>

#include "platform/afx/afx.h"
#include "platform/afx/tool_tip_ctrl.h"
#include "src/controls/btn_planet.h"
#include "src/media/console_media_state.h"
#include "src/media/media_button_face.h"
#include "src/settings/console_state.h"

class COrvennaConsoleDlg;

inline constexpr UINT MultimediaPanelTemplate = 25491;
inline constexpr int FirstMediaButtonId = 10086;

class CMultimediaControlDlg : public CDialog {
 public:
  CMultimediaControlDlg(COrvennaConsoleDlg* owner, CConsoleState* state, bool twoMonitorLayout);

  void ReloadButtonSetup();
  // The photo folder's slide show opened, or its picture put away when it is up.
  void ToggleFolderSlideShow(int k, const std::wstring& folder);
  int ButtonKind(int k) const { return buttonKinds[k]; }
  void SetButtonCaption(int k, const std::wstring& caption);
  // Button k's audio stopped or ended: its file's or its folder's idle caption.
  void ShowAudioStopped(int k);
  // The panel in front again after a script was started or stopped.
  void TakeForeground();

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnEraseBkgnd(CDC* dc);
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour);
  void OnMediaButton(UINT id);
  DECLARE_MESSAGE_MAP()

 private:
  MediaButtonSetup Setup(int k) const;
  void SetCaption(int k, const std::wstring& caption);
  void AddTooltip(int k, const std::wstring& text);
  // The refusals of every press, in order; false when one of them ended the press.
  bool PassPressGuards(int k, unsigned language);
  void PressFolder(int k, unsigned language);
  void PressPlayerFolder(int k, unsigned language);
  void PressFile(int k, unsigned language);
  void PressAudioFile(int k);
  void PressPictureFile(int k, unsigned language);
  void PressScriptFile(int k, unsigned language);
  // Every shown picture put away (faded or at once), its button's caption back to idle.
  void PutAwayPictures(bool fade, unsigned language);
  void RunFilePicker(int k);
  void ShowRefusal(UINT stringId, unsigned language);

  COrvennaConsoleDlg* owner;
  std::array<CBtnPlanet, MediaButtonCount> mediaButtons;
  CBtnPlanet closeButton;
  std::array<int, MediaButtonCount> buttonTypes;
  std::array<std::wstring, MediaButtonCount> buttonFiles;
  std::array<bool, MediaButtonCount> buttonFolderFlags{};
  std::array<int, MediaButtonCount> buttonKinds;
  std::array<CToolTipCtrl, MediaButtonCount> tooltips;
};
