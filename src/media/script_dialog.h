// CScriptDialog: the set-up of the sixteen multimedia buttons. Each row binds a button to a file
// or a whole folder of one kind; a video's presentation is set in its video options, which are
// kept here and written with the rest when the set-up is saved.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/afx/afx.h"
#include "platform/afx/combo_box.h"
#include "platform/afx/edit_browse_ctrl.h"
#include "src/controls/btn_planet.h"
#include "src/settings/console_state.h"
#include "src/settings/multimedia_settings.h"

inline constexpr UINT ScriptDialogTemplate = 104;

class CScriptDialog : public CDialog {
 public:
  // DoModal's result after a save; IDCANCEL when nothing was written.
  static constexpr INT_PTR Saved = 1;

  static constexpr int FirstEnableCheck = 11351;
  static constexpr int FirstFolderCheck = 10021;
  static constexpr int FirstTypeList = 11981;
  static constexpr int FirstPathEdit = 1650;
  static constexpr int FirstAdvancedButton = 12043;
  static constexpr int SaveId = 1980;
  static constexpr int InstructionId = 1085;
  static constexpr int VideosType = 2;

  CScriptDialog(CConsoleState* state, CWnd* parent);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnSave();
  void OnAdvanced(UINT id);
  void OnUseFolderCheck(UINT id);
  void OnEnableRow(UINT id);
  void OnPathChange(UINT id);
  void OnTypeChange(UINT id);
  DECLARE_MESSAGE_MAP()

  // The video options of row i, run modally; tests put the presenter's doings in their place.
  virtual INT_PTR RunVideoOptions(int i, const std::wstring& path, std::optional<VideoOptions>& kept);

 private:
  struct Row {
    CButton enable;
    CButton wholeFolder;
    CComboBox type;
    CMFCEditBrowseCtrl path;
  };

  void ShowTexts(unsigned language);
  void ShowRow(int i);
  void SetBrowsing(int i, bool enabled);
  std::wstring PathText(int i) const;
  // An enabled row with a path: false after telling the presenter why it cannot be saved. A
  // folder's trailing backslash goes, and a folder found there sets the folder flag.
  bool CheckRow(int i, std::wstring& path, bool& folder);
  void RefuseRow(int i, UINT message, const std::wstring& detail);

  std::array<Row, MultimediaButtonCount> rows_;
  std::array<CBtnPlanet, MultimediaButtonCount> advancedKeys_;
  std::array<CBtnPlanet, 2> keys_;
  std::array<int, MultimediaButtonCount> buttonTypes{};
  std::array<std::wstring, MultimediaButtonCount> buttonFiles;
  std::array<bool, MultimediaButtonCount> folderFlags{};
  std::array<std::optional<VideoOptions>, MultimediaButtonCount> videoOptions_;
  bool skipNextPathChange = false;
};
