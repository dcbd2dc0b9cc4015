#include "src/dialogs/events/event_dlg.h"

#include "src/dialogs/events/event_body_list.h"
#include "src/dialogs/events/event_dlg_ids.h"
#include "src/dialogs/events/event_entry_checks.h"
#include "src/settings/console_settings.h"
#include "src/settings/settings_key.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr UINT EventGroupCaption = 19100;
constexpr UINT PlaceRefused = 3950;
constexpr int MemoLongest = 40;
constexpr int DateLongest = 13;
constexpr wchar_t TimeFormat[] = L"HH:mm:ss";

struct Caption {
  int id;
  UINT baseId;
};
constexpr Caption Captions[] = {
    {EventDlgIds::Save, 19050},        {IDCANCEL, 9380},
    {EventDlgIds::Atmosphere, 4610},   {EventDlgIds::Fog, 4620},
    {EventDlgIds::AutoZoom, 4630},     {EventDlgIds::Landscape, 4640},
    {EventDlgIds::MoonScale, 5670},    {EventDlgIds::PlaceCaption, 4650},
    {EventDlgIds::CurrentPlace, 4660}, {EventDlgIds::NorthPole, 32240},
    {EventDlgIds::SouthPole, 32250},   {EventDlgIds::Equator, 32260},
    {EventDlgIds::DateCaption, 5100},  {EventDlgIds::DateOnly, 19110},
    {EventDlgIds::PlaceOnly, 19120},   {EventDlgIds::DateAndPlace, 19130},
    {EventDlgIds::Enabled, 19140},     {EventDlgIds::DateGroup, 19150},
    {EventDlgIds::PlaceGroup, 19160},  {EventDlgIds::Comment, 19040},
};

}  // namespace

CEventDlg::CEventDlg(CConsoleState& state, int eventNumber, CWnd* parent)
    : CDialog(IDD, parent), m_state(state), m_slot(eventNumber - 1) {}

CEventDlg::CEventDlg(CWnd* parent, int eventNumber)
    : CDialog(IDD, parent), m_ownState(std::in_place), m_state(*m_ownState), m_slot(eventNumber - 1) {}

BOOL CEventDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_language = ReadDialogLanguageIndex(m_state);
  for (std::size_t i = 0; i < m_buttons.size(); ++i) {
    m_buttons[i].m_nNormalId = EventDlgIds::KeyNormalBitmap;
    m_buttons[i].m_nActiveId = EventDlgIds::KeyActiveBitmap;
    m_buttons[i].SubclassDlgItem(static_cast<UINT>(EventDlgIds::Keys[i]), this);
  }
  m_standingBody.SubclassDlgItem(EventDlgIds::StandingBody, this);
  m_targetBody.SubclassDlgItem(EventDlgIds::TargetBody, this);
  m_time.SubclassDlgItem(EventDlgIds::Time, this);
  SetCaptions();
  ::SendDlgItemMessageW(m_hWnd, EventDlgIds::Memo, EM_LIMITTEXT, MemoLongest, 0);
  ::SendDlgItemMessageW(m_hWnd, EventDlgIds::Date, EM_LIMITTEXT, DateLongest, 0);
  ::SendDlgItemMessageW(m_hWnd, EventDlgIds::TargetName, EM_LIMITTEXT, EventTargetNameLongest, 0);
  for (const PlaceField& field : PlaceFields)
    ::SendDlgItemMessageW(m_hWnd, field.id, EM_LIMITTEXT, static_cast<WPARAM>(field.longest), 0);

  m_record = LoadEventRecord(m_state, m_slot);
  LoadTarget();
  LoadDateTimeAndMemo();
  LoadViewSwitches();
  SetChecked(EventDlgIds::Enabled, m_state.eventEnabled[static_cast<std::size_t>(m_slot)]);
  FillBodyLists();
  LoadKind();
  UpdateEnabling();
  LoadPlace();
  return TRUE;
}

void CEventDlg::SetCaptions() {
  for (const Caption& caption : Captions)
    SetWindowTextFromResource(::GetDlgItem(m_hWnd, caption.id),
                              caption.baseId + static_cast<UINT>(m_language));
  const std::wstring group = LoadResourceText(EventGroupCaption + static_cast<UINT>(m_language));
  SetDlgItemText(EventDlgIds::EventGroup, FormatText(group.c_str(), m_slot + 1).c_str());
}

void CEventDlg::LoadTarget() {
  m_target = LoadEventTarget(m_slot);
  SetDlgItemText(EventDlgIds::TargetName, m_target.name.c_str());
  SetChecked(EventDlgIds::WantTarget, m_target.wantTarget);
  SetChecked(EventDlgIds::TargetIsBody, m_target.defaultTarget);
  SetChecked(EventDlgIds::TargetIsName, !m_target.defaultTarget);
  SetChecked(EventDlgIds::Landscape, m_target.centerOnObject);
}

void CEventDlg::LoadDateTimeAndMemo() {
  SetDlgItemText(EventDlgIds::Date, m_record.date.c_str());
  SetDlgItemText(EventDlgIds::Memo, m_record.memo.c_str());
  m_time.SetFormat(TimeFormat);
  SYSTEMTIME shown{};
  GetLocalTime(&shown);
  shown.wHour = static_cast<WORD>(m_record.hour);
  shown.wMinute = static_cast<WORD>(m_record.minute);
  shown.wSecond = static_cast<WORD>(m_record.second);
  m_time.SetTime(&shown);
}

void CEventDlg::LoadViewSwitches() {
  const bool stored = LoadEventViewFlags(m_slot, m_view) == 0;
  if (!stored) {
    // A slot without its switches shows the Earth's usual view.
    const bool onEarth = m_record.body == DefaultEventBody;
    m_view = {onEarth, onEarth, false, onEarth};
  }
  SetChecked(EventDlgIds::Atmosphere, m_view.atmosphere);
  SetChecked(EventDlgIds::Fog, m_view.fog);
  SetChecked(EventDlgIds::AutoZoom, m_view.autoZoom);
  SetChecked(EventDlgIds::MoonScale, m_view.moonScale);
}

void CEventDlg::FillBodyLists() {
  for (const std::wstring& body : EventBodyTexts(m_language)) {
    m_standingBody.AddString(body.c_str());
    m_targetBody.AddString(body.c_str());
  }
  m_standingBody.SetCurSel(m_record.body);
  m_targetBody.SetCurSel(m_target.body);
}

void CEventDlg::LoadKind() {
  const int radio = m_record.kind == EventSetsDateKind      ? EventDlgIds::DateOnly
                    : m_record.kind == EventGoesToPlaceKind ? EventDlgIds::PlaceOnly
                                                            : EventDlgIds::DateAndPlace;
  SetChecked(radio, true);
}

void CEventDlg::LoadPlace() {
  // Each half that cannot be read opens as zero after ParseCoordinate's message, for SAVE to
  // store; the other half keeps what it holds.
  CoordinateParts latitude;
  CoordinateParts longitude;
  const bool latitudeRead = ParseCoordinate(m_record.latitude, false, latitude) == CoordinateValid;
  const bool longitudeRead = ParseCoordinate(m_record.longitude, true, longitude) == CoordinateValid;
  if (!latitudeRead) latitude = {L"000", L"00", L"00", L"N"};
  if (!longitudeRead) longitude = {L"000", L"00", L"00", L"E"};
  const std::array<const std::wstring*, 8> texts{
      &latitude.degrees,  &latitude.minutes,  &latitude.seconds,  &latitude.hemisphere,
      &longitude.degrees, &longitude.minutes, &longitude.seconds, &longitude.hemisphere};
  for (std::size_t i = 0; i < PlaceFields.size(); ++i)
    SetDlgItemText(PlaceFields[i].id, texts[i]->c_str());
  m_modified = !latitudeRead || !longitudeRead;
}

void CEventDlg::OnClickedSave() {
  if (!m_modified && !AnyTextEdited()) {
    EndDialog(static_cast<int>(Unchanged));
    return;
  }
  std::wstring latitude;
  std::wstring longitude;
  if (!DateValid() || !PlaceFieldsValid(latitude, longitude)) return;
  Store(latitude, longitude);
  EndDialog(static_cast<int>(Saved));
}

bool CEventDlg::AnyTextEdited() const {
  // Enter saves with the focus still in the field typed last, before it could be marked.
  for (int id : {EventDlgIds::Date, EventDlgIds::Memo, EventDlgIds::TargetName})
    if (::SendMessageW(::GetDlgItem(m_hWnd, id), EM_GETMODIFY, 0, 0) != 0) return true;
  return false;
}

bool CEventDlg::DateValid() {
  // An event that does not set the date keeps the text it has, which the presenter cannot edit.
  const bool used = ::IsWindowEnabled(::GetDlgItem(m_hWnd, EventDlgIds::Date)) != FALSE;
  if (!used || IsEventDate(Text(EventDlgIds::Date))) return true;
  AfxMessageBox(LoadLocalizedText(EventDlgIds::DateRefusedMessage).c_str(), MB_ICONEXCLAMATION);
  GotoDlgCtrl(GetDlgItem(EventDlgIds::Date));
  return false;
}

bool CEventDlg::PlaceFieldsValid(std::wstring& latitude, std::wstring& longitude) {
  auto parts = [this](std::size_t first) {
    return CoordinateParts{Text(PlaceFields[first].id), Text(PlaceFields[first + 1].id),
                           Text(PlaceFields[first + 2].id), Text(PlaceFields[first + 3].id)};
  };
  const CoordinateParts north = parts(0);
  const CoordinateParts east = parts(4);
  std::optional<CoordinateError> error = CheckLatitude(north);
  std::size_t first = 0;
  if (!error) {
    error = CheckLongitude(east);
    first = 4;
  }
  if (error) {
    const int id = PlaceFields[first + static_cast<std::size_t>(error->field)].id;
    ShowLocalizedError(PlaceRefused, MB_ICONEXCLAMATION, error->number);
    GotoDlgCtrl(GetDlgItem(id));
    ::SendDlgItemMessageW(m_hWnd, id, EM_SETSEL, 0, -1);
    return false;
  }
  latitude = StoredCoordinate(north);
  longitude = StoredCoordinate(east);
  return true;
}

void CEventDlg::Store(const std::wstring& latitude, const std::wstring& longitude) {
  SYSTEMTIME time{};
  m_time.GetTime(&time);
  EventRecord record;
  record.date = Text(EventDlgIds::Date);
  record.memo = Text(EventDlgIds::Memo);
  record.hour = time.wHour;
  record.minute = time.wMinute;
  record.second = time.wSecond;
  record.enabled = Checked(EventDlgIds::Enabled);
  record.latitude = latitude;
  record.longitude = longitude;
  record.kind = KindShown();
  const int body = m_standingBody.GetCurSel();
  record.body = body >= 0 ? body : m_record.body;
  SaveEventRecord(m_state, m_slot, record);

  SaveEventViewFlags(m_slot, {Checked(EventDlgIds::Atmosphere), Checked(EventDlgIds::Fog),
                              Checked(EventDlgIds::AutoZoom), Checked(EventDlgIds::MoonScale)});
  const int targetBody = m_targetBody.GetCurSel();
  SaveEventTarget(m_slot, {Checked(EventDlgIds::WantTarget), Checked(EventDlgIds::TargetIsBody),
                           Checked(EventDlgIds::Landscape), targetBody >= 0 ? targetBody : m_target.body,
                           Text(EventDlgIds::TargetName)});
}
