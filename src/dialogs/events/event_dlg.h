// CEventDlg: the editor of one of the five events: what it restores, its date and time, the
// place and the body stood on, the view, the object selected at the end, its memo and (through
// CommentDialog) its comment. SAVE checks the entries and stores them in the registry, where
// the event buttons read them.
#pragma once

#include <array>
#include <optional>

#include "platform/afx/afx.h"
#include "src/controls/btn_planet.h"
#include "src/settings/console_state.h"
#include "src/settings/event_settings.h"

class CEventDlg : public CDialog {
 public:
  enum { IDD = 125 };
  // DoModal's results.
  static constexpr INT_PTR Saved = 4;
  static constexpr INT_PTR Unchanged = 1;
  static constexpr INT_PTR Cancelled = 2;
  static constexpr int ButtonCount = 7;

  // eventNumber is 1 to 5, as on the event buttons. The editor keeps the slot's flags in state.
  CEventDlg(CConsoleState& state, int eventNumber, CWnd* parent);
  // With a state record of its own.
  CEventDlg(CWnd* parent, int eventNumber);

 protected:
  BOOL OnInitDialog() override;
  // Enter saves, as the SAVE key does.
  void OnOK() override { OnClickedSave(); }
  void OnCancel() override { EndDialog(static_cast<int>(Cancelled)); }
  void OnClickedSave();
  void OnEnabledClicked();
  void OnKindClicked(UINT id);
  void OnWantTargetClicked();
  void OnTargetBodyClicked();
  void OnTargetNameClicked();
  void OnSwitchClicked(UINT id);
  void OnStandingBodyChanged();
  void OnTargetBodyChanged();
  void OnPlaceFieldChanged(UINT id);
  void OnTimeChanged(NMHDR* header, LRESULT* result);
  void OnTextFieldLeft(UINT id);
  void OnDateLeft();
  void OnPreset(UINT id);
  void OnCurrentLocation();
  void OnComment();
  DECLARE_MESSAGE_MAP()

 private:
  void SetCaptions();
  void LoadTarget();
  void LoadDateTimeAndMemo();
  void LoadViewSwitches();
  void FillBodyLists();
  void LoadKind();
  void LoadPlace();
  // Enables each editing control by the enabled check, the kind and the target controls.
  void UpdateEnabling();
  int KindShown() const;
  // A field that fails its check gets the focus with its text selected.
  bool PlaceFieldsValid(std::wstring& latitude, std::wstring& longitude);
  bool DateValid();
  bool AnyTextEdited() const;
  void Store(const std::wstring& latitude, const std::wstring& longitude);

  bool Checked(int id) const;
  void SetChecked(int id, bool checked);
  void Enable(int id, bool enabled);
  std::wstring Text(int id) const;

  std::optional<CConsoleState> m_ownState;
  CConsoleState& m_state;
  int m_slot;
  bool m_modified = false;
  int m_language = 0;
  EventRecord m_record;
  EventTarget m_target;
  EventViewFlags m_view;
  std::array<CBtnPlanet, ButtonCount> m_buttons;
  CComboBox m_standingBody;
  CComboBox m_targetBody;
  CDateTimeCtrl m_time;
};
