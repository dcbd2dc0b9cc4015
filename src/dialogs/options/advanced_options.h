// AdvancedOptions: the console's settings in OCconfig.ini and Orvenna's sky language: start-up
// toggles and start date and time, star appearance, poles, search language, sky culture, fly-by
// durations, moon scale, zoom and fading speeds, azimuth, emergency picture and the video player.
// SAVE writes them back and offers to restart Orvenna for a new sky language; a few buttons act
// on Orvenna at once.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/afx/afx.h"
#include "platform/afx/date_time_ctrl.h"
#include "platform/afx/month_cal_ctrl.h"
#include "platform/afx/slider_ctrl.h"
#include "src/controls/btn_planet.h"
#include "src/controls/colour/xcolor_picker_xp.h"
#include "src/dialogs/options/advanced_settings.h"
#include "src/settings/console_state.h"

class COrvennaConsoleDlg;

class AdvancedOptions : public CDialog {
 public:
  enum { IDD = 98 };
  static constexpr INT_PTR Ended = 0;
  // RestartPlanetarium's results.
  static constexpr int PlanetariumRunsAgain = -1;
  static constexpr int NoWindowAfterLaunch = 5;
  static constexpr int NoViewAfterLaunch = 6;
  static constexpr int StillRunning = 7;

  AdvancedOptions(CConsoleState& state, COrvennaConsoleDlg& console, CWnd* parent);

  // The restart after a change of the sky language: closes Orvenna and starts it again.
  int RestartPlanetarium();

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override { EndDialog(Ended); }
  void OnOK() override {}
  // The system's open-file dialog for a picture; none when the presenter chose nothing.
  virtual std::optional<std::wstring> ChooseEmergencyImageFile();

  void OnSave();
  void OnCancelButton() { EndDialog(Ended); }
  void OnSettingChanged(UINT id);
  void OnStartDateMode(UINT id);
  void OnStartTimeMode(UINT id);
  void OnAfterFlybyChoice(UINT id);
  void OnFlybyBodyChanged();
  void OnSkyLanguageChanged();
  void OnSkyCultureChanged();
  void OnHScroll(UINT code, UINT position, CScrollBar* bar);
  void OnSpin(UINT id, NMHDR* header, LRESULT* result);
  void OnStartDateSelected(NMHDR* header, LRESULT* result);
  void OnStartTimeChanged(NMHDR* header, LRESULT* result);
  LRESULT OnColorPicked(WPARAM colour, LPARAM);
  void OnChooseEmergencyImage();
  // Acting on Orvenna at once.
  void OnApplyStarAppearance();
  void OnTestStartDate();
  void OnApplyBoundariesColor();
  void OnTestBoundariesColor();
  void OnMoonScale();
  DECLARE_MESSAGE_MAP()

 private:
  void ShowCaptions();
  void ShowSettings();
  void ShowStartDate();
  void ShowStartTime();
  void ShowNumber(int id, int value, const wchar_t* format);
  void ShowFlybyBody();
  void FillSkyCultures();
  AdvancedSettings TakeSettings() const;
  std::wstring ChosenStartDateText() const;
  std::optional<std::wstring> ChosenSkyCulture() const;
  void WriteSettings(const AdvancedSettings& settings);
  // Saves the new sky language; false after telling the presenter that it failed.
  bool WriteSkyLanguage();
  void RestartAfterSkyLanguage();
  // The start date of the calendar: "%d-%02d-%02d".
  std::wstring CalendarDatePart() const;
  std::wstring StartTestDatePart() const;
  std::wstring StartTestTimePart() const;
  // Waits a bounded time for Orvenna's window to go; false when it stays.
  bool WaitForPlanetariumToClose();
  void RunImmediateScript(const std::wstring& script, const wchar_t* name);

  CConsoleState& state_;
  COrvennaConsoleDlg& console_;
  unsigned language_;
  bool modified_ = false;
  bool skyLanguageChanged_ = false;
  bool mpvAvailable_ = false;
  AdvancedSettings settings_;
  std::vector<std::wstring> skyCultures_;
  CSliderCtrl absoluteScale_;
  CSliderCtrl relativeScale_;
  CXColorPickerXP boundariesPicker_;
  CMonthCalCtrl startDate_;
  CDateTimeCtrl startTime_;
  std::array<CBtnPlanet, 7> keys_;
};
