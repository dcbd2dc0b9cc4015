#include "src/dialogs/options/options_dialog.h"

#include <algorithm>
#include <cwchar>

#include "platform/afx/data_exchange.h"
#include "platform/afx/message_map_entries.h"
#include "platform/afx/win_app.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/controls/monitors.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/options/options_keys.h"
#include "src/settings/console_settings.h"
#include "src/settings/event_settings.h"
#include "src/settings/settings_key.h"
#include "src/util/compare_no_case.h"
#include "src/util/folder_listings.h"
#include "src/util/localized_text.h"
#include "src/util/number_text.h"
#include "src/util/place_lookup.h"
#include "src/util/split_string.h"
#include "src/util/text_trim.h"

namespace {

struct Caption {
  int id;
  UINT text;
};
constexpr std::array<Caption, 24> Captions{{
    {IDCANCEL, 9380},
    {1135, 9390},
    {1988, 32220},
    {1989, 32210},
    {1910, 9400},
    {1987, 32230},
    {1994, 3250},
    {1993, 3260},
    {1844, 3300},
    {1845, 3310},
    {11212, 11214},
    {11213, 12260},
    {1106, 11220},
    {1107, 12230},
    {1108, 12240},
    {1109, 12250},
    {OptionsDialog::SpeedsButton, 19300},
    {OptionsDialog::MonitoringButton, 1440},
    {OptionsDialog::MultimediaButton, 4670},
    {OptionsDialog::AdvancedButton, 5050},
    {OptionsDialog::AudioButton, 8570},
    {OptionsDialog::SoundtrackCheck, 8560},
    {4557, 6000},
    {OptionsDialog::SaveId, 19050},
}};
constexpr UINT TitleText = 3320;
constexpr UINT EventButtonText = 4450;
constexpr UINT PlaceNotFound = 4600;
constexpr std::array<const wchar_t*, 6> LanguageNames{L"English",
                                                      L"Italiano",
                                                      L"Fran\x00E7"
                                                      L"aise",
                                                      L"Espa\x00F1ol",
                                                      L"T\x00FCrk\x00E7"
                                                      L"e",
                                                      L"\x4E2D\x6587\x3001\x6C49\x8BED"};
constexpr wchar_t LanguageValue[] = L"Language";
constexpr wchar_t DefaultGroundValue[] = L"Default Ground";
constexpr wchar_t FallbackLandscape[] = L"guereins";
constexpr wchar_t LandscapesFolder[] = L"landscapes";
constexpr int ThirdLandscape = 2;
constexpr int EventSetBitmap = 4500;
constexpr int EventNotSetBitmap = 4501;
constexpr int LowestFieldOfView = 140;
constexpr int HighestFieldOfView = 180;
constexpr int HighestShootingStars = 144000;
constexpr int DisplayBits = 4;

constexpr COLORREF RecorderRed = RGB(255, 30, 30);
constexpr COLORREF RecorderOrange = RGB(255, 128, 0);
constexpr COLORREF RecorderBlue = RGB(0, 0, 255);
constexpr wchar_t RecordSymbol[] = L"\x25CF";
constexpr wchar_t StopSymbol[] = L"\x25A0";
constexpr wchar_t PlaySymbol[] = L"\x25BA";
constexpr wchar_t PauseSymbol[] = L"\x2590\x258C";
constexpr wchar_t PausedSymbol[] = L"\x2590\x258C\x25CF";

std::wstring Numbered(const std::wstring& format, int number) {
  std::wstring text = format;
  if (const std::size_t field = text.find(L"%d"); field != std::wstring::npos)
    text.replace(field, 2, std::to_wstring(number));
  return text;
}

}  // namespace

void WriteLanguageIndex(CConsoleState& state, int index) {
  SettingsWriter().Dword(LanguageValue, static_cast<DWORD>(index));
  state.language = index;
}

void WriteDefaultGround(const std::wstring& landscape) {
  SettingsWriter().Text(DefaultGroundValue, landscape);
}

std::optional<int> ChooseDefaultLandscape(const std::vector<std::wstring>& landscapes,
                                          const std::wstring& stored) {
  if (landscapes.empty()) return std::nullopt;
  for (const std::wstring* wanted : {&stored, static_cast<const std::wstring*>(nullptr)}) {
    const std::wstring name = wanted != nullptr ? *wanted : FallbackLandscape;
    for (std::size_t i = 0; i < landscapes.size(); ++i)
      if (CompareTextNoCase(landscapes[i], name) == 0) return static_cast<int>(i);
  }
  return std::min(ThirdLandscape, static_cast<int>(landscapes.size()) - 1);
}

int ReadNumberField(const std::wstring& text) {
  return static_cast<int>(ReadLeadingInteger(text));
}

BEGIN_MESSAGE_MAP(OptionsDialog, CDialog)
ON_BN_CLICKED(OptionsDialog::SaveId, &OptionsDialog::OnClickedSave)
ON_CONTROL_RANGE(CBN_SELCHANGE, OptionsDialog::LanguageList, OptionsDialog::LanguageList,
                 &OptionsDialog::OnComboChanged)
ON_CONTROL_RANGE(CBN_SELCHANGE, OptionsDialog::LandscapeList, OptionsDialog::LandscapeList,
                 &OptionsDialog::OnComboChanged)
ON_COMMAND_RANGE(OptionsDialog::FirstDisplayCheck, OptionsDialog::FirstDisplayCheck + 3,
                 &OptionsDialog::OnDisplayOptionChanged)
ON_EN_KILLFOCUS(OptionsDialog::FieldOfViewEdit, &OptionsDialog::OnFovKillFocus)
ON_EN_KILLFOCUS(OptionsDialog::PlaceEdit, &OptionsDialog::OnPlaceKillFocus)
ON_EN_KILLFOCUS(OptionsDialog::ShootingStarsEdit, &OptionsDialog::OnShootingStarsKillFocus)
ON_BN_CLICKED(OptionsDialog::SpeedsButton, &OptionsDialog::OnSpeedButton)
ON_BN_CLICKED(OptionsDialog::MultimediaButton, &OptionsDialog::OnScriptButton)
ON_BN_CLICKED(OptionsDialog::MonitoringButton, &OptionsDialog::OnPlaybackOptions)
ON_BN_CLICKED(OptionsDialog::AdvancedButton, &OptionsDialog::OnAdvancedOptions)
ON_BN_CLICKED(OptionsDialog::AboutId, &OptionsDialog::OnAbout)
ON_BN_CLICKED(OptionsDialog::RecordButton, &OptionsDialog::OnRecordButton)
ON_BN_CLICKED(OptionsDialog::PlayButton, &OptionsDialog::OnPlayButton)
ON_BN_CLICKED(OptionsDialog::LoadButton, &OptionsDialog::OnLoadScriptSet)
ON_BN_CLICKED(OptionsDialog::AudioButton, &OptionsDialog::OnChooseAudioStream)
ON_BN_CLICKED(OptionsDialog::SoundtrackCheck, &OptionsDialog::OnNoAudioCheck)
ON_COMMAND_RANGE(OptionsDialog::FirstEventButton, OptionsDialog::FirstEventButton + EventSlotCount - 1,
                 &OptionsDialog::OnEventButton)
ON_WM_MOVE()
END_MESSAGE_MAP()

OptionsDialog::OptionsDialog(CConsoleState& state, COrvennaConsoleDlg& console)
    : CDialog(IDD, &console), state_(state), console_(console), language_(ReadDialogLanguageIndex(state)) {}

void OptionsDialog::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, FieldOfViewEdit, fieldOfViewText_);
  DDX_Text(dx, ShootingStarsEdit, shootingStarsText_);
}

BOOL OptionsDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  for (const wchar_t* name : LanguageNames)
    SendDlgItemMessageW(m_hWnd, LanguageList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  shownLanguage_ = language_ < 0 ? 1 : language_;
  SendDlgItemMessageW(m_hWnd, LanguageList, CB_SETCURSEL, static_cast<WPARAM>(shownLanguage_), 0);
  SetDlgItemText(MonitorCountLabel, Numbered(L"# %d", GetSystemMetrics(SM_CMONITORS)).c_str());
  MakeOptionsKeys(keys_, Keys, *this);
  record_.SubclassDlgItem(RecordButton, this);
  play_.SubclassDlgItem(PlayButton, this);
  SetRecorderFace(play_, RecorderBlue, PlaySymbol);
  EnableItem(*this, ShootingStarsEdit, console_.meteorPluginLoaded);
  ShowRecorderButtons();
  ShowCaptions();
  ShowSoundtrack();
  SetDlgItemText(PlaceEdit, LoadHomeLocation().c_str());
  UpdateEventBitmaps();
  ShowEventMemos();
  const int display = LoadDisplayOpts();
  for (int bit = 0; bit < DisplayBits; ++bit)
    SetChecked(*this, FirstDisplayCheck + bit, (display & (1 << bit)) != 0);
  GotoDlgCtrl(GetDlgItem(LanguageList));
  FillLandscapes();
  shootingStarsText_ = std::to_wstring(ReadShootingStarsFrequency());
  SendDlgItemMessageW(m_hWnd, FieldOfViewEdit, EM_LIMITTEXT, 3, 0);
  fieldOfViewText_ = std::to_wstring(ReadFieldOfView());
  UpdateData(FALSE);
  OnMove(0, 0);
  modified_ = false;
  return FALSE;
}

void OptionsDialog::ShowCaptions() {
  const auto language = static_cast<UINT>(language_);
  SetWindowText(LoadResourceText(TitleText + language).c_str());
  for (const Caption& caption : Captions)
    SetDlgItemText(caption.id, LoadResourceText(caption.text + language).c_str());
  const std::wstring eventText = LoadResourceText(EventButtonText + language);
  for (int n = 0; n < EventSlotCount; ++n)
    SetDlgItemText(FirstEventButton + n, Numbered(eventText, n + 1).c_str());
}

void OptionsDialog::SetRecorderFace(CClrButton& button, COLORREF colour, const wchar_t* caption) {
  button.SetColor(colour);
  button.SetWindowText(caption);
}

void OptionsDialog::ShowRecorderButtons() {
  switch (console_.RecorderState) {
    case RecorderRecording:
      SetRecorderFace(record_, RecorderRed, StopSymbol);
      SetRecorderFace(play_, RecorderOrange, PauseSymbol);
      EnableItem(*this, PlayButton, true);
      EnableItem(*this, LoadButton, false);
      break;
    case RecorderPlaying:
      SetRecorderFace(record_, RecorderRed, RecordSymbol);
      record_.EnableWindow(FALSE);
      play_.SetWindowText(StopSymbol);
      EnableItem(*this, LoadButton, false);
      break;
    case RecorderPaused:
      SetRecorderFace(record_, RecorderRed, StopSymbol);
      SetRecorderFace(play_, RecorderOrange, PausedSymbol);
      EnableItem(*this, LoadButton, false);
      break;
    default:
      SetRecorderFace(record_, RecorderRed, RecordSymbol);
      play_.SetWindowText(PlaySymbol);
      EnableItem(*this, PlayButton, console_.recordingAvailable);
      EnableItem(*this, LoadButton, true);
      break;
  }
}

void OptionsDialog::ShowSoundtrack() {
  if (console_.soundtrackPath.empty()) {
    EnableItem(*this, SoundtrackCheck, false);
    return;
  }
  EnableItem(*this, SoundtrackCheck, true);
  SetDlgItemText(SoundtrackCheck, console_.soundtrackName.c_str());
  SetChecked(*this, SoundtrackCheck, console_.useSoundtrack);
}

void OptionsDialog::UpdateEventBitmaps() {
  for (int n = 0; n < EventSlotCount; ++n) {
    CTransparentImage& image = eventImages_[static_cast<std::size_t>(n)];
    if (image.m_hWnd == nullptr) image.SubclassDlgItem(FirstEventImage + n, this);
    CBitmap& bitmap = eventBitmaps_[static_cast<std::size_t>(n)];
    bitmap.DeleteObject();
    bitmap.LoadBitmap(state_.eventEnabled[static_cast<std::size_t>(n)] ? EventSetBitmap : EventNotSetBitmap);
    image.SetBitmap(bitmap);
    image.Invalidate();
  }
}

void OptionsDialog::ShowEventMemos() {
  for (int n = 0; n < EventSlotCount; ++n)
    SetDlgItemText(FirstEventMemo + n, LoadEventMemo(n).c_str());
}

void OptionsDialog::FillLandscapes() {
  std::wstring folder;
  console_.FindPlanetariumFolder(folder);
  landscapes_ = ListSubfolders(folder + LandscapesFolder);
  for (const std::wstring& landscape : landscapes_)
    SendDlgItemMessageW(m_hWnd, LandscapeList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(landscape.c_str()));
  const std::optional<int> chosen = ChooseDefaultLandscape(landscapes_, ReadDefaultGround());
  if (!chosen) return;
  state_.defaultGroundIndex = *chosen;
  SendDlgItemMessageW(m_hWnd, LandscapeList, CB_SETCURSEL, static_cast<WPARAM>(*chosen), 0);
}

int OptionsDialog::ListSelection(int id) const {
  return static_cast<int>(SendDlgItemMessageW(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

void OptionsDialog::OnComboChanged(UINT) {
  if (ListSelection(LanguageList) != static_cast<int>(ReadLanguage()) ||
      ListSelection(LandscapeList) != state_.defaultGroundIndex)
    modified_ = true;
}

void OptionsDialog::OnDisplayOptionChanged(UINT) {
  modified_ = true;
}

void OptionsDialog::OnPlaceKillFocus() {
  placeChanged_ = true;
  modified_ = true;
}

void OptionsDialog::OnFovKillFocus() {
  const int typed = ReadNumberField(GetDlgItemText(FieldOfViewEdit));
  if (typed < LowestFieldOfView) SetDlgItemText(FieldOfViewEdit, std::to_wstring(LowestFieldOfView).c_str());
  if (typed > HighestFieldOfView)
    SetDlgItemText(FieldOfViewEdit, std::to_wstring(HighestFieldOfView).c_str());
  if (typed != ReadFieldOfView()) modified_ = true;
}

void OptionsDialog::OnShootingStarsKillFocus() {
  UpdateData(TRUE);
  int number = ReadNumberField(shootingStarsText_);
  if (number < 0 || number > HighestShootingStars) {
    number = number < 0 ? 0 : HighestShootingStars;
    SetDlgItemText(ShootingStarsEdit, std::to_wstring(number).c_str());
    GotoDlgCtrl(GetDlgItem(ShootingStarsEdit));
  }
  if (number != ReadShootingStarsFrequency()) modified_ = true;
}

bool OptionsDialog::CheckPlace(std::wstring& trimmed) {
  trimmed = std::wstring(StripWhiteSpace(GetDlgItemText(PlaceEdit)));
  if (!placeChanged_) return true;
  std::vector<std::wstring> pieces;
  SplitString(trimmed, L",", pieces);
  // An empty place, or one that begins with a comma, names no place of the list.
  if (!pieces.empty() && !pieces.front().empty() && LocationExists(m_hWnd, pieces.front()) != 0) return true;
  AfxMessageBox(LoadResourceText(PlaceNotFound + ReadLanguage()).c_str(), MB_ICONEXCLAMATION | MB_OK);
  GotoDlgCtrl(GetDlgItem(PlaceEdit));
  return false;
}

int OptionsDialog::DisplayOptionsChecked() const {
  int options = 0;
  for (int bit = 0; bit < DisplayBits; ++bit)
    if (IsChecked(*this, FirstDisplayCheck + bit)) options |= 1 << bit;
  return options;
}

void OptionsDialog::OnClickedSave() {
  // Enter saves with the focus still in the field typed last: it is left first, as a click on
  // SAVE leaves it, so that its typing counts.
  if (CWnd* save = GetDlgItem(SaveId); save != nullptr && ::GetFocus() != save->m_hWnd) GotoDlgCtrl(save);
  std::wstring place;
  if (!CheckPlace(place)) return;
  if (!modified_) {
    EndDialog(eventsSaved_ == SettingsWritten ? SettingsWritten : NothingChanged);
    return;
  }
  UpdateData(TRUE);
  // Only a language the presenter chose is stored: the list shows the dialogs' default, which
  // need not be the language the console speaks.
  const int language = ListSelection(LanguageList);
  if (language >= 0 && language != shownLanguage_) WriteLanguageIndex(state_, language);
  const int landscape = ListSelection(LandscapeList);
  if (landscape >= 0 && landscape < static_cast<int>(landscapes_.size()))
    WriteDefaultGround(landscapes_[static_cast<std::size_t>(landscape)]);
  WriteShootingStarsFrequency(std::clamp(ReadNumberField(shootingStarsText_), 0, HighestShootingStars));
  WriteFieldOfView(std::clamp(ReadNumberField(fieldOfViewText_), LowestFieldOfView, HighestFieldOfView));
  SaveHomeLocation(place);
  SaveDisplayOpts(DisplayOptionsChecked());
  EndDialog(SettingsWritten);
}

void OptionsDialog::OnCancel() {
  EndDialog(eventsSaved_ == SettingsWritten ? SettingsWritten : NothingChanged);
}

void OptionsDialog::OnMove(int, int) {
  if (GetDlgItem(IDCANCEL) == nullptr) return;
  const CMonitor monitor = CMonitors::GetNearestMonitor(this);
  SetDlgItemText(MonitorLine, monitor.IsPrimaryMonitor()
                                  ? L"This window is running on the primary monitor"
                                  : L"This window is running on the secondary monitor");
  CRect screen;
  monitor.GetMonitorRect(&screen);
  wchar_t text[64]{};
  std::swprintf(text, 64, L"Screen resolution: %d x %d", screen.Width(), screen.Height());
  SetDlgItemText(ResolutionLine, text);
}
