// CSetTimeDlg: the keypad on which the presenter types a date and a time with large keys, on the
// touch screen of a dark dome. OK stores them in the state record's date-time entry for the time
// buttons; Cancel leaves the entry as it was.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "src/controls/btn_planet.h"
#include "src/controls/edit_ex.h"
#include "src/dialogs/keypad_entry.h"
#include "src/settings/console_state.h"

inline constexpr UINT SetTimeDialogTemplate = 124;
// DoModal's results.
inline constexpr INT_PTR SetTimeStored = 0;
inline constexpr INT_PTR SetTimeCancelled = 3;

class CSetTimeDlg : public CDialog {
 public:
  CSetTimeDlg(CWnd* owner, CConsoleState& entry);

  static constexpr int ButtonCount = 23;

 protected:
  BOOL OnInitDialog() override;
  // Enter and Escape reach the dialog manager's OK and Cancel: only the keypad's own keys end it.
  void OnOK() override {}
  void OnCancel() override {}
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnEraseBkgnd(CDC* dc);
  void OnDigitKey(UINT id);
  void OnFieldKey(UINT id);
  void OnCursorLeft();
  void OnCursorRight();
  void OnEraKey();
  void OnZeroTimeKey();
  void OnUtcLocalKey();
  void OnClickedOk();
  void OnClickedCancel();
  DECLARE_MESSAGE_MAP()

 private:
  // What a key of the keyboard does; the keypad ignores the keys it has no use for.
  void OnKeyboardKey(UINT key);
  void StepSelectedField(int direction);
  void ComposeDateTimeText(std::wstring& date, std::wstring& time) const;
  void ShowDigits();
  void ShowUtcLabel();
  void PlaceCursorMarker();

  CConsoleState& m_entry;
  KeypadEntry m_keypad;
  bool m_workingUtc;
  std::array<CBtnPlanet, ButtonCount> m_buttons;
  std::array<CEditEx, KeypadEntry::DigitCount> m_digitFields;
  std::array<CEditEx, 4> m_separators;
  CEditEx m_signField;
  CEditEx m_utcLabel;
  CStatic m_cursorMarker;
  CBitmap m_cursorBitmap;
};
