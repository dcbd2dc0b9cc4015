// OptionsDialog: the hub of the console's settings: interface language, preferred landscape,
// home place, shooting stars, field of view and display options, the five events, the recorder's
// buttons, the soundtrack of recorded shows, and the dialogs of the rotation speeds, the
// monitoring window, the multimedia set-up, the advanced options and the about box.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/afx/afx.h"
#include "src/controls/btn_planet.h"
#include "src/controls/colour/clr_button.h"
#include "src/controls/transparent_image.h"
#include "src/dialogs/options/recording_save.h"
#include "src/settings/console_state.h"

class COrvennaConsoleDlg;

// Stores "Language" and, in any case, puts it into the state record.
void WriteLanguageIndex(CConsoleState& state, int index);
void WriteDefaultGround(const std::wstring& landscape);
// The landscape to select: the stored default (any case), else "guereins", else the third one,
// or the last when there are fewer; none without landscapes.
std::optional<int> ChooseDefaultLandscape(const std::vector<std::wstring>& landscapes,
                                          const std::wstring& stored);
// A number field's text as a number, kept within the int range however many digits it has.
int ReadNumberField(const std::wstring& text);

class OptionsDialog : public CDialog {
 public:
  enum { IDD = 1330 };
  // DoModal's results.
  static constexpr INT_PTR SettingsWritten = 4;
  static constexpr INT_PTR NothingChanged = 1;
  static constexpr INT_PTR RecorderStarted = 0;

  static constexpr int SaveId = 105;
  static constexpr int AboutId = 16;
  static constexpr int LanguageList = 1032;
  static constexpr int LandscapeList = 1071;
  static constexpr int PlaceEdit = 1840;
  static constexpr int ShootingStarsEdit = 1991;
  static constexpr int FieldOfViewEdit = 1992;
  static constexpr int FirstDisplayCheck = 1106;
  static constexpr int FirstEventButton = 2022;
  static constexpr int FirstEventImage = 4502;
  static constexpr int FirstEventMemo = 4510;
  static constexpr int SpeedsButton = 1110;
  static constexpr int MonitoringButton = 1400;
  static constexpr int MultimediaButton = 2004;
  static constexpr int AdvancedButton = 1407;
  static constexpr int AudioButton = 2001;
  static constexpr int SoundtrackCheck = 1121;
  static constexpr int RecordButton = 4558;
  static constexpr int PlayButton = 4559;
  static constexpr int LoadButton = 11090;
  static constexpr int MonitorCountLabel = 301;
  static constexpr int MonitorLine = 302;
  static constexpr int ResolutionLine = 303;
  // The push buttons drawn as image buttons.
  static constexpr std::array<int, 13> Keys{SaveId,
                                            IDCANCEL,
                                            AboutId,
                                            FirstEventButton,
                                            FirstEventButton + 1,
                                            FirstEventButton + 2,
                                            FirstEventButton + 3,
                                            FirstEventButton + 4,
                                            SpeedsButton,
                                            MonitoringButton,
                                            MultimediaButton,
                                            AdvancedButton,
                                            AudioButton};

  OptionsDialog(CConsoleState& state, COrvennaConsoleDlg& console);

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void DoDataExchange(CDataExchange* dx) override;

  // The dialogs this one opens, run modally; tests put the presenter's doings in their place.
  virtual INT_PTR RunSpeedDialog();
  virtual INT_PTR RunPlaybackOptions();
  virtual INT_PTR RunScriptDialog();
  virtual INT_PTR RunAdvancedOptions();
  virtual INT_PTR RunAboutBox();
  // The event editor of event 1 to 5; 4 when it saved the event.
  virtual INT_PTR RunEventEditor(int slotNumber);
  // The open-file dialog for the soundtrack; none when nothing was chosen.
  virtual std::optional<std::wstring> ChooseSoundtrackFile();

  void OnClickedSave();
  void OnComboChanged(UINT id);
  void OnDisplayOptionChanged(UINT id);
  void OnFovKillFocus();
  void OnPlaceKillFocus();
  void OnShootingStarsKillFocus();
  void OnSpeedButton();
  void OnScriptButton();
  void OnPlaybackOptions();
  void OnAdvancedOptions();
  void OnAbout();
  void OnEventButton(UINT id);
  void OnChooseAudioStream();
  void OnNoAudioCheck();
  void OnRecordButton();
  void OnPlayButton();
  void OnLoadScriptSet();
  void OnMove(int x, int y);
  DECLARE_MESSAGE_MAP()

 private:
  void ShowCaptions();
  void ShowRecorderButtons();
  void ShowSoundtrack();
  void UpdateEventBitmaps();
  void ShowEventMemos();
  void FillLandscapes();
  void SetRecorderFace(CClrButton& button, COLORREF colour, const wchar_t* caption);
  // The recorder's faces after a recording ended.
  void ShowRecordingEnd(RecordingEnd end);
  // False after telling the presenter that the place is not one of Orvenna's.
  bool CheckPlace(std::wstring& trimmed);
  int DisplayOptionsChecked() const;
  int ListSelection(int id) const;

  CConsoleState& state_;
  COrvennaConsoleDlg& console_;
  int language_;
  bool modified_ = false;
  bool placeChanged_ = false;
  int eventsSaved_ = 0;
  int shownLanguage_ = 0;
  std::vector<std::wstring> landscapes_;
  std::wstring fieldOfViewText_;
  std::wstring shootingStarsText_;
  CClrButton record_;
  CClrButton play_;
  std::array<CBtnPlanet, Keys.size()> keys_;
  std::array<CTransparentImage, EventSlotCount> eventImages_;
  std::array<CBitmap, EventSlotCount> eventBitmaps_;
};
