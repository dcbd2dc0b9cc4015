#include "src/dialogs/set_time_dlg.h"

#include "platform/win/layered_window_api.h"
#include "platform/win/time_api.h"
#include "src/settings/date_time_entry.h"
#include "src/util/localized_text.h"

namespace {

// The digit fields in cursor order: year, month, day, hours, minutes, seconds.
constexpr std::array<int, KeypadEntry::DigitCount> DigitFieldIds{
    11174, 11173, 11172, 11171, 11170, 11176, 11175, 11178, 11177, 11193, 11192, 11195, 11194, 11197, 11196};

struct SeparatorField {
  int id;
  const wchar_t* text;
};
constexpr std::array<SeparatorField, 4> SeparatorFields{
    {{11179, L"/"}, {11180, L"/"}, {11181, L":"}, {11182, L":"}}};

constexpr int FirstDigitKey = 11105;
constexpr int LastDigitKey = 11114;
constexpr int CursorLeftKey = 11145;
constexpr int CursorRightKey = 11146;
constexpr int EraKey = 11147;
constexpr int FirstFieldKey = 11184;
constexpr int LastFieldKey = 11189;
constexpr int ZeroTimeKey = 11198;
constexpr int UtcLocalKey = 11199;
constexpr int OkKey = 11211;
constexpr int CancelKey = 11096;
constexpr int UtcLabel = 11094;
constexpr int SignField = 11095;
constexpr int CursorMarker = 11191;

constexpr int KeyNormalBitmap = 11100;
constexpr int KeyActiveBitmap = 11101;
constexpr int OkNormalBitmap = 11091;
constexpr int OkActiveBitmap = 11092;
constexpr int SwitchNormalBitmap = 8411;
constexpr int SwitchActiveBitmap = 8412;
constexpr int CursorMarkerBitmap = 398;

struct KeypadButton {
  int id;
  int normalBitmap;
  int activeBitmap;
};
constexpr std::array<KeypadButton, CSetTimeDlg::ButtonCount> KeypadButtons{{
    {11105, KeyNormalBitmap, KeyActiveBitmap},
    {11106, KeyNormalBitmap, KeyActiveBitmap},
    {11107, KeyNormalBitmap, KeyActiveBitmap},
    {11108, KeyNormalBitmap, KeyActiveBitmap},
    {11109, KeyNormalBitmap, KeyActiveBitmap},
    {11110, KeyNormalBitmap, KeyActiveBitmap},
    {11111, KeyNormalBitmap, KeyActiveBitmap},
    {11112, KeyNormalBitmap, KeyActiveBitmap},
    {11113, KeyNormalBitmap, KeyActiveBitmap},
    {11114, KeyNormalBitmap, KeyActiveBitmap},
    {CursorLeftKey, KeyNormalBitmap, KeyActiveBitmap},
    {CursorRightKey, KeyNormalBitmap, KeyActiveBitmap},
    {EraKey, KeyNormalBitmap, KeyActiveBitmap},
    {11184, KeyNormalBitmap, KeyActiveBitmap},
    {11185, KeyNormalBitmap, KeyActiveBitmap},
    {11186, KeyNormalBitmap, KeyActiveBitmap},
    {11187, KeyNormalBitmap, KeyActiveBitmap},
    {11188, KeyNormalBitmap, KeyActiveBitmap},
    {11189, KeyNormalBitmap, KeyActiveBitmap},
    {ZeroTimeKey, KeyNormalBitmap, KeyActiveBitmap},
    {UtcLocalKey, SwitchNormalBitmap, SwitchActiveBitmap},
    {OkKey, OkNormalBitmap, OkActiveBitmap},
    {CancelKey, SwitchNormalBitmap, SwitchActiveBitmap},
}};

// Captions of the field keys YEAR to SECONDS; the language index is added.
constexpr std::array<UINT, 6> FieldKeyCaptions{12280, 12290, 12300, 12310, 12320, 12330};

constexpr BYTE KeypadAlpha = 242;
constexpr const wchar_t* UtcText = L"UTC Format";
constexpr const wchar_t* LocalText = L"Local Time";

// The marker sits under the digit at the cursor: 30 pixels a digit, with one more step of 30
// between the year, month, day, hours, minutes and seconds.
constexpr int CursorMarkerY = 465;
constexpr int CursorMarkerFirstX = 53;
constexpr int DigitPitch = 30;

int CursorMarkerX(int position) {
  int group = 0;
  while (group + 1 < static_cast<int>(KeypadEntry::FieldStarts.size()) &&
         position >= KeypadEntry::FieldStarts[static_cast<std::size_t>(group + 1)])
    ++group;
  return CursorMarkerFirstX + DigitPitch * (position + group);
}

KeypadDateTime LocalClock() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

BEGIN_MESSAGE_MAP(CSetTimeDlg, CDialog)
ON_WM_ERASEBKGND()
ON_COMMAND_RANGE(FirstDigitKey, LastDigitKey, &CSetTimeDlg::OnDigitKey)
ON_COMMAND_RANGE(FirstFieldKey, LastFieldKey, &CSetTimeDlg::OnFieldKey)
ON_BN_CLICKED(CursorLeftKey, &CSetTimeDlg::OnCursorLeft)
ON_BN_CLICKED(CursorRightKey, &CSetTimeDlg::OnCursorRight)
ON_BN_CLICKED(EraKey, &CSetTimeDlg::OnEraKey)
ON_BN_CLICKED(ZeroTimeKey, &CSetTimeDlg::OnZeroTimeKey)
ON_BN_CLICKED(UtcLocalKey, &CSetTimeDlg::OnUtcLocalKey)
ON_BN_CLICKED(OkKey, &CSetTimeDlg::OnClickedOk)
ON_BN_CLICKED(CancelKey, &CSetTimeDlg::OnClickedCancel)
END_MESSAGE_MAP()

CSetTimeDlg::CSetTimeDlg(CWnd* owner, CConsoleState& entry)
    : CDialog(SetTimeDialogTemplate, owner),
      m_entry(entry),
      m_keypad(KeypadDateTime{}),
      m_workingUtc(entry.isUtc) {}

BOOL CSetTimeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ModifyStyleEx(0, WS_EX_LAYERED);
  SetLayeredWindowAttributes(m_hWnd, 0, KeypadAlpha, LWA_ALPHA);
  for (std::size_t i = 0; i < KeypadButtons.size(); ++i) {
    m_buttons[i].m_nNormalId = KeypadButtons[i].normalBitmap;
    m_buttons[i].m_nActiveId = KeypadButtons[i].activeBitmap;
    m_buttons[i].SubclassDlgItem(static_cast<UINT>(KeypadButtons[i].id), this);
  }
  for (std::size_t i = 0; i < DigitFieldIds.size(); ++i)
    m_digitFields[i].SubclassDlgItem(static_cast<UINT>(DigitFieldIds[i]), this);
  for (std::size_t i = 0; i < SeparatorFields.size(); ++i) {
    m_separators[i].SubclassDlgItem(static_cast<UINT>(SeparatorFields[i].id), this);
    m_separators[i].SetWindowText(SeparatorFields[i].text);
  }
  m_signField.SubclassDlgItem(SignField, this);
  m_utcLabel.SubclassDlgItem(UtcLabel, this);
  m_cursorMarker.SubclassDlgItem(CursorMarker, this);
  m_cursorBitmap.LoadBitmap(CursorMarkerBitmap);
  m_cursorMarker.SetBitmap(m_cursorBitmap);

  for (std::size_t field = 0; field < FieldKeyCaptions.size(); ++field)
    SetWindowTextFromResource(::GetDlgItem(m_hWnd, FirstFieldKey + static_cast<int>(field)),
                              FieldKeyCaptions[field] + static_cast<UINT>(m_entry.language));

  std::optional<KeypadDateTime> shown;
  if (m_entry.entrySet) shown = KeypadEntry::ReadTexts(m_entry.dateText, m_entry.timeText);
  m_keypad = KeypadEntry(shown.value_or(LocalClock()));
  m_workingUtc = m_entry.isUtc;
  ShowDigits();
  ShowUtcLabel();
  // The keyboard's keys come to the keypad itself until a key or field takes the focus.
  SetFocus();
  return FALSE;
}

BOOL CSetTimeDlg::PreTranslateMessage(MSG* msg) {
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
  if (msg->message == WM_KEYDOWN) OnKeyboardKey(static_cast<UINT>(msg->wParam));
  return TRUE;
}

void CSetTimeDlg::OnKeyboardKey(UINT key) {
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
    OnDigitKey(FirstDigitKey + (key - VK_NUMPAD0));
    return;
  }
  switch (key) {
    case VK_LEFT:
      OnCursorLeft();
      break;
    case VK_RIGHT:
      OnCursorRight();
      break;
    case 'Z':
      OnZeroTimeKey();
      break;
    case 'B':
      OnEraKey();
      break;
    case VK_ADD:
      StepSelectedField(+1);
      break;
    case VK_SUBTRACT:
      StepSelectedField(-1);
      break;
    case VK_RETURN:
      OnClickedOk();
      break;
    default:
      break;
  }
}

BOOL CSetTimeDlg::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, RGB(0, 0, 0));
  return TRUE;
}

void CSetTimeDlg::OnDigitKey(UINT id) {
  m_keypad.TypeDigit(static_cast<int>(id) - FirstDigitKey);
  ShowDigits();
}

void CSetTimeDlg::OnFieldKey(UINT id) {
  m_keypad.MoveToField(static_cast<int>(id) - FirstFieldKey);
  PlaceCursorMarker();
}

void CSetTimeDlg::OnCursorLeft() {
  m_keypad.MoveLeft();
  PlaceCursorMarker();
}

void CSetTimeDlg::OnCursorRight() {
  m_keypad.MoveRight();
  PlaceCursorMarker();
}

void CSetTimeDlg::OnEraKey() {
  m_keypad.ToggleEra();
  ShowDigits();
}

void CSetTimeDlg::OnZeroTimeKey() {
  m_keypad.ZeroTime();
  ShowDigits();
}

void CSetTimeDlg::StepSelectedField(int direction) {
  m_keypad.Step(direction);
  ShowDigits();
}

void CSetTimeDlg::OnUtcLocalKey() {
  m_workingUtc = !m_workingUtc;
  ShowUtcLabel();
}

void CSetTimeDlg::ComposeDateTimeText(std::wstring& date, std::wstring& time) const {
  date = m_keypad.DateText();
  time = m_keypad.TimeText();
}

// Stores what the keypad shows as it is: the time buttons check it when they use it.
void CSetTimeDlg::OnClickedOk() {
  std::wstring date;
  std::wstring time;
  ComposeDateTimeText(date, time);
  SetDateTimeEntry(m_entry, std::move(date), std::move(time), false);
  m_entry.isUtc = m_workingUtc;
  EndDialog(static_cast<int>(SetTimeStored));
}

void CSetTimeDlg::OnClickedCancel() {
  EndDialog(static_cast<int>(SetTimeCancelled));
}

void CSetTimeDlg::ShowDigits() {
  for (int position = 0; position < KeypadEntry::DigitCount; ++position) {
    const wchar_t digit[] = {m_keypad.Digit(position), L'\0'};
    CEditEx& field = m_digitFields[static_cast<std::size_t>(position)];
    if (field.GetWindowText() != digit) {
      field.SetWindowText(digit);
      field.Invalidate();
    }
  }
  const wchar_t* sign = m_keypad.Negative() ? L"-" : L"";
  if (m_signField.GetWindowText() != sign) {
    m_signField.SetWindowText(sign);
    m_signField.Invalidate();
  }
  PlaceCursorMarker();
}

void CSetTimeDlg::ShowUtcLabel() {
  m_utcLabel.SetWindowText(m_workingUtc ? UtcText : LocalText);
  m_utcLabel.Invalidate();
}

void CSetTimeDlg::PlaceCursorMarker() {
  m_cursorMarker.SetWindowPos(nullptr, CursorMarkerX(m_keypad.Cursor()), CursorMarkerY, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Invalidate();
}
