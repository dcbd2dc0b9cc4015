// The event editor while the presenter edits: what each choice enables, the place presets and
// the home place, and the marks that tell SAVE there is something to store.
#include <cwchar>

#include "src/dialogs/comment_dialog.h"
#include "src/dialogs/events/event_dlg.h"
#include "src/dialogs/events/event_dlg_ids.h"
#include "src/dialogs/events/event_entry_checks.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"
#include "src/util/place_lookup.h"

using namespace EventDlgIds;

namespace {

constexpr UINT PlaceNotFound = 4600;
constexpr int FirstCommentCommand = 1086;
constexpr int CoordinateDigitsShown = 3;

constexpr int PlaceControls[] = {1800, 1801,         1802,      1803,      1804,    1805,        1806,
                                 1807, StandingBody, NorthPole, SouthPole, Equator, CurrentPlace};
constexpr int DateControls[] = {Date, Time};
constexpr int EventControls[] = {Comment,      Memo,       DateOnly, PlaceOnly,
                                 DateAndPlace, Atmosphere, Fog,      MoonScale};
constexpr int TargetControls[] = {TargetIsBody, TargetIsName, AutoZoom, Landscape};

// The latitude's four fields as a preset sets them; the longitude is left alone.
struct Preset {
  int id;
  const wchar_t* fields[4];
};
constexpr Preset Presets[] = {
    {NorthPole, {L"90", L"00", L"00", L"N"}},
    {SouthPole, {L"90", L"00", L"00", L"S"}},
    {Equator, {L"00", L"00", L"00", L"N"}},
};

// The hemisphere letters of a place list's quadrant code, latitude first.
struct Quadrant {
  int code;
  const wchar_t* latitude;
  const wchar_t* longitude;
};
constexpr Quadrant Quadrants[] = {{2, L"N", L"E"}, {3, L"S", L"E"}, {4, L"N", L"W"}, {5, L"S", L"W"}};

std::wstring CoordinateNumber(int value) {
  return std::to_wstring(value).substr(0, CoordinateDigitsShown);
}

}  // namespace

BEGIN_MESSAGE_MAP(CEventDlg, CDialog)
ON_BN_CLICKED(Save, &CEventDlg::OnClickedSave)
ON_BN_CLICKED(Enabled, &CEventDlg::OnEnabledClicked)
ON_COMMAND_RANGE(DateOnly, DateAndPlace, &CEventDlg::OnKindClicked)
ON_BN_CLICKED(WantTarget, &CEventDlg::OnWantTargetClicked)
ON_BN_CLICKED(TargetIsBody, &CEventDlg::OnTargetBodyClicked)
ON_BN_CLICKED(TargetIsName, &CEventDlg::OnTargetNameClicked)
ON_CONTROL_RANGE(BN_CLICKED, Atmosphere, Fog, &CEventDlg::OnSwitchClicked)
ON_CONTROL_RANGE(BN_CLICKED, AutoZoom, AutoZoom, &CEventDlg::OnSwitchClicked)
ON_CONTROL_RANGE(BN_CLICKED, Landscape, Landscape, &CEventDlg::OnSwitchClicked)
ON_CONTROL_RANGE(BN_CLICKED, MoonScale, MoonScale, &CEventDlg::OnSwitchClicked)
ON_CBN_SELCHANGE(StandingBody, &CEventDlg::OnStandingBodyChanged)
ON_CBN_SELCHANGE(TargetBody, &CEventDlg::OnTargetBodyChanged)
ON_CONTROL_RANGE(EN_CHANGE, FirstPlaceField, LastPlaceField, &CEventDlg::OnPlaceFieldChanged)
ON_NOTIFY(DTN_DATETIMECHANGE, Time, &CEventDlg::OnTimeChanged)
ON_CONTROL_RANGE(EN_KILLFOCUS, Memo, Memo, &CEventDlg::OnTextFieldLeft)
ON_CONTROL_RANGE(EN_KILLFOCUS, TargetName, TargetName, &CEventDlg::OnTextFieldLeft)
ON_EN_KILLFOCUS(Date, &CEventDlg::OnDateLeft)
ON_COMMAND_RANGE(NorthPole, Equator, &CEventDlg::OnPreset)
ON_BN_CLICKED(CurrentPlace, &CEventDlg::OnCurrentLocation)
ON_BN_CLICKED(Comment, &CEventDlg::OnComment)
END_MESSAGE_MAP()

int CEventDlg::KindShown() const {
  if (Checked(DateOnly)) return EventSetsDateKind;
  if (Checked(PlaceOnly)) return EventGoesToPlaceKind;
  if (Checked(DateAndPlace)) return EventSetsBothKind;
  return m_record.kind;
}

void CEventDlg::UpdateEnabling() {
  const bool enabled = Checked(Enabled);
  const int kind = KindShown();
  const bool date = enabled && kind != EventGoesToPlaceKind;
  const bool place = enabled && kind != EventSetsDateKind;
  const bool target = place && Checked(WantTarget);
  for (int id : EventControls)
    Enable(id, enabled);
  for (int id : DateControls)
    Enable(id, date);
  for (int id : PlaceControls)
    Enable(id, place);
  Enable(WantTarget, place);
  for (int id : TargetControls)
    Enable(id, target);
  Enable(TargetBody, target && Checked(TargetIsBody));
  Enable(TargetName, target && Checked(TargetIsName));
}

void CEventDlg::OnEnabledClicked() {
  m_modified = true;
  UpdateEnabling();
}

void CEventDlg::OnKindClicked(UINT) {
  m_modified = true;
  UpdateEnabling();
}

void CEventDlg::OnWantTargetClicked() {
  m_modified = true;
  if (Checked(WantTarget)) {
    SetChecked(TargetIsBody, m_target.defaultTarget);
    SetChecked(TargetIsName, !m_target.defaultTarget);
  }
  UpdateEnabling();
}

void CEventDlg::OnTargetBodyClicked() {
  m_modified = true;
  UpdateEnabling();
}

void CEventDlg::OnTargetNameClicked() {
  m_modified = true;
  UpdateEnabling();
  GotoDlgCtrl(GetDlgItem(TargetName));
}

void CEventDlg::OnSwitchClicked(UINT) {
  m_modified = true;
}

void CEventDlg::OnStandingBodyChanged() {
  const int body = m_standingBody.GetCurSel();
  if (body != m_record.body) m_modified = true;
  SetChecked(Atmosphere, body == DefaultEventBody);
  SetChecked(Fog, body == DefaultEventBody);
}

void CEventDlg::OnTargetBodyChanged() {
  if (m_targetBody.GetCurSel() != m_target.body) m_modified = true;
}

void CEventDlg::OnPlaceFieldChanged(UINT) {
  m_modified = true;
}

void CEventDlg::OnTimeChanged(NMHDR*, LRESULT* result) {
  m_modified = true;
  *result = 0;
}

void CEventDlg::OnTextFieldLeft(UINT id) {
  if (::SendMessageW(::GetDlgItem(m_hWnd, static_cast<int>(id)), EM_GETMODIFY, 0, 0) != 0) m_modified = true;
}

void CEventDlg::OnDateLeft() {
  // Only a move to another field of the editor asks: SAVE checks the date itself, Cancel keeps
  // nothing, and a message box over the editor is SAVE's own.
  const HWND next = ::GetFocus();
  if (!::IsChild(m_hWnd, next) || next == ::GetDlgItem(m_hWnd, Save) ||
      next == ::GetDlgItem(m_hWnd, IDCANCEL))
    return;
  if (!IsEventDate(Text(Date))) {
    AfxMessageBox(LoadLocalizedText(DateRefusedMessage).c_str(), MB_ICONEXCLAMATION);
    GotoDlgCtrl(GetDlgItem(Date));
    return;
  }
  OnTextFieldLeft(Date);
}

void CEventDlg::OnPreset(UINT id) {
  for (const Preset& preset : Presets) {
    if (preset.id != static_cast<int>(id)) continue;
    for (std::size_t i = 0; i < 4; ++i)
      SetDlgItemText(PlaceFields[i].id, preset.fields[i]);
  }
}

void CEventDlg::OnCurrentLocation() {
  const std::wstring home = LoadHomeLocation();
  PlacePosition position;
  if (LocationExists(m_hWnd, home.substr(0, home.find(L',')), position) == 0) {
    AfxMessageBox(LoadLocalizedText(PlaceNotFound).c_str(), MB_ICONEXCLAMATION);
    return;
  }
  const DegreesMinutesSeconds latitude =
      ToDegreesMinutesSeconds(std::wcstod(position.latitude.c_str(), nullptr));
  const DegreesMinutesSeconds longitude =
      ToDegreesMinutesSeconds(std::wcstod(position.longitude.c_str(), nullptr));
  const std::array<std::pair<int, int>, 6> numbers{{{1800, latitude.degrees},
                                                    {1801, latitude.minutes},
                                                    {1802, latitude.seconds},
                                                    {1804, longitude.degrees},
                                                    {1805, longitude.minutes},
                                                    {1806, longitude.seconds}}};
  for (const auto& [id, value] : numbers)
    SetDlgItemText(id, CoordinateNumber(value).c_str());
  for (const Quadrant& quadrant : Quadrants) {
    if (quadrant.code != position.quadrant) continue;
    SetDlgItemText(1803, quadrant.latitude);
    SetDlgItemText(1807, quadrant.longitude);
  }
}

void CEventDlg::OnComment() {
  CommentDialog(FirstCommentCommand + m_slot, this).DoModal();
}

bool CEventDlg::Checked(int id) const {
  return ::SendMessageW(::GetDlgItem(m_hWnd, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CEventDlg::SetChecked(int id, bool checked) {
  ::SendMessageW(::GetDlgItem(m_hWnd, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CEventDlg::Enable(int id, bool enabled) {
  ::EnableWindow(::GetDlgItem(m_hWnd, id), enabled ? TRUE : FALSE);
}

std::wstring CEventDlg::Text(int id) const {
  return GetDlgItemText(id);
}
