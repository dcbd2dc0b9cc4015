#include "src/dialogs/options/advanced_options.h"

#include <array>
#include <cwchar>

#include "platform/afx/message_map_entries.h"
#include "platform/afx/win_app.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/controls/colour/colour_picker_messages.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/existing_file_choice.h"
#include "src/dialogs/options/advanced_option_ids.h"
#include "src/dialogs/options/options_keys.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/settings/startup_options.h"
#include "src/util/compare_no_case.h"
#include "src/util/folder_listings.h"
#include "src/util/localized_text.h"

using namespace advanced_option_ids;

namespace {

struct Caption {
  int id;
  UINT text;
};
constexpr std::array<Caption, 52> Captions{{
    {1343, 1580},
    {1340, 1450},
    {StartAtmoCheck, 1460},
    {StartFogCheck, 1470},
    {StartMilkyWayCheck, 1480},
    {1997, 8500},
    {1998, 8510},
    {PoleMoveOnlyRadio, 8520},
    {PoleWithAtmosphereRadio, 8530},
    {19302, 32320},
    {1344, 1590},
    {SystemDateRadio, 2070},
    {ChosenDateRadio, 2100},
    {SystemTimeRadio, 2080},
    {ChosenTimeRadio, 2090},
    {566, 4950},
    {TestStartDateButton, 1630},
    {1345, 1600},
    {1341, 1500},
    {5118, 4880},
    {5117, 4870},
    {1342, 1490},
    {5116, 4860},
    {5115, 4850},
    {StarNamesCheck, 8550},
    {ApplyStarsButton, 1620},
    {1026, 4920},
    {1027, 4930},
    {LatinNamesRadio, 4900},
    {562, 5020},
    {564, 5030},
    {570, 2120},
    {565, 2110},
    {575, 12410},
    {576, 12420},
    {ResetAfterFlybyRadio, 32300},
    {NothingAfterFlybyRadio, 32310},
    {LandAfterFlybyRadio, 2130},
    {5113, 3020},
    {MoonScaleCheck, 5000},
    {5111, 5040},
    {572, 5070},
    {511, 32270},
    {512, 32280},
    {1996, 5060},
    {ApplyBoundariesButton, 1620},
    {TestBoundariesButton, 1630},
    {29306, 19410},
    {29307, 19420},
    {39484, 32350},
    {SaveButton, 19050},
    {CancelButton, 9380},
}};
// The push buttons, drawn as image buttons.
constexpr std::array<int, 7> Keys{SaveButton,          CancelButton,          TestStartDateButton,
                                  ApplyStarsButton,    ApplyBoundariesButton, TestBoundariesButton,
                                  EmergencyImageButton};
constexpr UINT OwnLanguageText = 4910;
constexpr std::array<const wchar_t*, 6> OwnLanguageNames{L"english",
                                                         L"italiano",
                                                         L"fran\x00E7"
                                                         L"aise",
                                                         L"espa\x00F1ol",
                                                         L"t\x00FCrk\x00E7"
                                                         L"e",
                                                         L"\x4E2D\x6587\x3001\x6C49\x8BED"};

// The fly-by bodies in each interface language, in the list's order.
constexpr std::array<std::array<const wchar_t*, FlybyBodyCount>, 6> FlybyBodyNames{{
    {L"Mercury", L"Venus", L"Earth", L"Moon", L"Mars", L"Jupiter", L"Saturn", L"Uranus", L"Neptune", L"Pluto",
     L"Sun"},
    {L"Mercurio", L"Venere", L"Terra", L"Luna", L"Marte", L"Giove", L"Saturno", L"Urano", L"Nettuno",
     L"Plutone", L"Sole"},
    {L"Mercure", L"V\x00E9nus", L"Terre", L"Lune", L"Mars", L"Jupiter", L"Saturn", L"Uranus", L"Neptune",
     L"Pluton", L"Soleil"},
    {L"Mercurio", L"Venus", L"Tierra", L"Luna", L"Marte", L"J\x00FApiter", L"Saturno", L"Urano", L"Neptuno",
     L"Pl\x00FAton", L"Sol"},
    {L"Merk\x00FCr", L"Ven\x00FCs", L"D\x00FCnya", L"Ay", L"Mars", L"J\x00FCpiter", L"Sat\x00FCrn",
     L"Uran\x00FCs", L"Nept\x00FCn", L"Pl\x00FCton", L"G\x00FCne\x015F"},
    {L"\x6C34\x661F", L"\x91D1\x661F", L"\x5730\x7403", L"\x6708\x7403", L"\x706B\x661F", L"\x6728\x661F",
     L"\x571F\x661F", L"\x5929\x738B\x661F", L"\x6D77\x738B\x661F", L"\x51A5\x738B\x661F", L"\x592A\x9633"},
}};

constexpr UINT DateNotCorrect = 1610;
constexpr int DateNotCorrectError = 100032;
constexpr UINT TimeNotCorrect = 4840;
constexpr UINT ConfigNotWritten = 4310;
constexpr int TodayNotWrittenError = 100037;
constexpr int DateNotWrittenError = 100036;
constexpr int TimeNotWrittenError = 100051;
constexpr UINT SettingNotWritten = 25510;
constexpr int SettingNotWrittenError = 100075;
constexpr UINT NothingWritten = 25560;
constexpr int NothingWrittenError = 100076;
constexpr UINT SkyLanguageNotWritten = 25520;
constexpr int SkyLanguageNotWrittenError = 100097;
constexpr UINT RestartQuestion = 32290;
constexpr COLORREF ChosenDateColour = RGB(20, 0, 255);
constexpr int StarScaleLow = 1;
constexpr int StarScaleHigh = 250;
constexpr wchar_t PictureNames[] = L"*.png; *.bmp; *.jpg; *.jpeg; *.gif";
constexpr wchar_t PictureFilter[] =
    L"Image files (*.png; *.bmp; *.jpg; *.jpeg; *.gif)|*.png; *.bmp; *.jpg; *.jpeg; *.gif|All Files "
    L"(*.*)|*.*||";
constexpr wchar_t MpvProgram[] = L"mpv.exe";
constexpr wchar_t SkyCulturesFolder[] = L"skycultures";

bool IsToday(const SYSTEMTIME& date) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return date.wYear == now.wYear && date.wMonth == now.wMonth && date.wDay == now.wDay;
}

bool ConsoleFolderHoldsMpv() {
  wchar_t path[MAX_PATH]{};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.erase(folder.find_last_of(L'\\') + 1);
  return PathFileExistsW((folder + MpvProgram).c_str()) != FALSE;
}

std::wstring FileNameOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

BEGIN_MESSAGE_MAP(AdvancedOptions, CDialog)
ON_BN_CLICKED(SaveButton, &AdvancedOptions::OnSave)
ON_BN_CLICKED(CancelButton, &AdvancedOptions::OnCancelButton)
ON_BN_CLICKED(ApplyStarsButton, &AdvancedOptions::OnApplyStarAppearance)
ON_BN_CLICKED(TestStartDateButton, &AdvancedOptions::OnTestStartDate)
ON_BN_CLICKED(ApplyBoundariesButton, &AdvancedOptions::OnApplyBoundariesColor)
ON_BN_CLICKED(TestBoundariesButton, &AdvancedOptions::OnTestBoundariesColor)
ON_BN_CLICKED(MoonScaleCheck, &AdvancedOptions::OnMoonScale)
ON_BN_CLICKED(EmergencyImageButton, &AdvancedOptions::OnChooseEmergencyImage)
ON_MESSAGE(kColourChanged, &AdvancedOptions::OnColorPicked)
ON_WM_HSCROLL()
ON_NOTIFY(MCN_SELCHANGE, StartDateCalendar, &AdvancedOptions::OnStartDateSelected)
ON_NOTIFY(DTN_DATETIMECHANGE, StartTimePicker, &AdvancedOptions::OnStartTimeChanged)
ON_COMMAND_RANGE(StartAtmoCheck, StartMilkyWayCheck, &AdvancedOptions::OnSettingChanged)
ON_COMMAND_RANGE(LatinNamesRadio, OwnLanguageRadio, &AdvancedOptions::OnSettingChanged)
ON_COMMAND_RANGE(PoleMoveOnlyRadio, PoleMoveOnlyRadio, &AdvancedOptions::OnSettingChanged)
ON_COMMAND_RANGE(PoleWithAtmosphereRadio, PoleWithAtmosphereRadio, &AdvancedOptions::OnSettingChanged)
ON_COMMAND_RANGE(StarNamesCheck, StarNamesCheck, &AdvancedOptions::OnSettingChanged)
ON_COMMAND_RANGE(LandAfterFlybyRadio, LandAfterFlybyRadio, &AdvancedOptions::OnSettingChanged)
ON_CBN_SELCHANGE(SkyCultureList, &AdvancedOptions::OnSkyCultureChanged)
ON_CBN_SELCHANGE(FlybyBodyList, &AdvancedOptions::OnFlybyBodyChanged)
ON_CBN_SELCHANGE(SkyLanguageList, &AdvancedOptions::OnSkyLanguageChanged)
ON_COMMAND_RANGE(SystemDateRadio, ChosenDateRadio, &AdvancedOptions::OnStartDateMode)
ON_COMMAND_RANGE(WmpRadio, MpvRadio, &AdvancedOptions::OnStartDateMode)
ON_COMMAND_RANGE(SystemTimeRadio, ChosenTimeRadio, &AdvancedOptions::OnStartTimeMode)
ON_COMMAND_RANGE(ResetAfterFlybyRadio, NothingAfterFlybyRadio, &AdvancedOptions::OnAfterFlybyChoice)
ON_NOTIFY_RANGE(UDN_DELTAPOS, FlybyMinutesSpin, FlybySecondsSpin, &AdvancedOptions::OnSpin)
ON_NOTIFY_RANGE(UDN_DELTAPOS, ZoomSpeedSpin, ZoomSpeedSpin, &AdvancedOptions::OnSpin)
ON_NOTIFY_RANGE(UDN_DELTAPOS, AzimuthSpin, AzimuthSpin, &AdvancedOptions::OnSpin)
ON_NOTIFY_RANGE(UDN_DELTAPOS, FadingSpin, FadingSpin, &AdvancedOptions::OnSpin)
ON_NOTIFY_RANGE(UDN_DELTAPOS, TransparencySpin, TransparencySpin, &AdvancedOptions::OnSpin)
END_MESSAGE_MAP()

AdvancedOptions::AdvancedOptions(CConsoleState& state, COrvennaConsoleDlg& console, CWnd* parent)
    : CDialog(IDD, parent), state_(state), console_(console), language_(ReadLanguage()) {}

BOOL AdvancedOptions::OnInitDialog() {
  CDialog::OnInitDialog();
  modified_ = false;
  absoluteScale_.SubclassDlgItem(AbsoluteScaleSlider, this);
  relativeScale_.SubclassDlgItem(RelativeScaleSlider, this);
  boundariesPicker_.SubclassDlgItem(BoundariesPicker, this);
  startDate_.SubclassDlgItem(StartDateCalendar, this);
  startTime_.SubclassDlgItem(StartTimePicker, this);
  MakeOptionsKeys(keys_, Keys, *this);
  ShowCaptions();
  EnableItem(*this, ApplyBoundariesButton, false);
  EnableItem(*this, TestBoundariesButton, false);
  EnableItem(*this, TestStartDateButton, true);
  for (const SkyLanguage& language : SkyLanguages)
    SendDlgItemMessageW(m_hWnd, SkyLanguageList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(language.name));
  SendDlgItemMessageW(m_hWnd, SkyLanguageList, CB_SETCURSEL, static_cast<WPARAM>(ReadSkyLanguageIndex()), 0);
  for (const wchar_t* body : FlybyBodyNames[language_ < 6 ? language_ : 0])
    SendDlgItemMessageW(m_hWnd, FlybyBodyList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(body));
  for (const SpinRule& rule : SpinRules)
    SendDlgItemMessageW(m_hWnd, rule.spin, UDM_SETRANGE32, static_cast<WPARAM>(rule.low), rule.high);
  mpvAvailable_ = ConsoleFolderHoldsMpv();
  settings_ = ReadAdvancedSettings(mpvAvailable_);
  ShowSettings();
  FillSkyCultures();
  return TRUE;
}

void AdvancedOptions::ShowCaptions() {
  for (const Caption& caption : Captions)
    SetDlgItemText(caption.id, LoadResourceText(caption.text + language_).c_str());
  std::wstring own = LoadResourceText(OwnLanguageText + language_);
  if (const std::size_t field = own.find(L"%s"); field != std::wstring::npos)
    own.replace(field, 2, OwnLanguageNames[language_ < 6 ? language_ : 0]);
  SetDlgItemText(OwnLanguageRadio, own.c_str());
}

void AdvancedOptions::ShowSettings() {
  EnableItem(*this, MpvRadio, mpvAvailable_);
  ChooseRadio(*this, settings_.useMpv ? MpvRadio : WmpRadio, settings_.useMpv ? WmpRadio : MpvRadio);
  SendDlgItemMessageW(m_hWnd, FlybyBodyList, CB_SETCURSEL, 0, 0);
  ShowFlybyBody();
  SetDlgItemText(EmergencyImageButton, FileNameOf(settings_.emergencyImage).c_str());
  ShowNumber(TransparencyField, settings_.emergencyTransparency, L"%3d");
  ShowNumber(ZoomSpeedField, settings_.zoomSpeed, L"%2d");
  ShowNumber(AzimuthField, settings_.initialAzimuth, L"%3d");
  ShowNumber(FadingField, settings_.fadingDuration, L"%2d");
  SetChecked(*this, MoonScaleCheck, settings_.wantMoonScale);
  SetChecked(*this, StarNamesCheck, settings_.showStarNames);
  const AfterFlyby after = settings_.afterFlyby.value_or(AfterFlyby::DoNothing);
  SetChecked(*this, ResetAfterFlybyRadio, after == AfterFlyby::ResetPosition);
  SetChecked(*this, NothingAfterFlybyRadio, after == AfterFlyby::DoNothing);
  SetChecked(*this, LandAfterFlybyRadio, after == AfterFlyby::LandOnAMoon);
  ChooseRadio(*this, settings_.useOwnLanguage ? OwnLanguageRadio : LatinNamesRadio,
              settings_.useOwnLanguage ? LatinNamesRadio : OwnLanguageRadio);
  ChooseRadio(*this, settings_.justDoTheMovement ? PoleMoveOnlyRadio : PoleWithAtmosphereRadio,
              settings_.justDoTheMovement ? PoleWithAtmosphereRadio : PoleMoveOnlyRadio);
  SetChecked(*this, StartAtmoCheck, settings_.startAtmo);
  SetChecked(*this, StartFogCheck, settings_.startFog);
  SetChecked(*this, StartMilkyWayCheck, settings_.startMilkyWay);
  absoluteScale_.SetRange(StarScaleLow, StarScaleHigh);
  relativeScale_.SetRange(StarScaleLow, StarScaleHigh);
  absoluteScale_.SetPos(settings_.starAbsMag);
  relativeScale_.SetPos(settings_.starRelMag);
  boundariesPicker_.m_Color = settings_.boundariesColor;
  boundariesPicker_.Invalidate();
  ShowStartDate();
  startTime_.SetFormat(L"HH:mm:ss");
  ShowStartTime();
}

void AdvancedOptions::ShowNumber(int id, int value, const wchar_t* format) {
  wchar_t text[16]{};
  std::swprintf(text, 16, format, value);
  SetDlgItemText(id, text);
}

void AdvancedOptions::ShowFlybyBody() {
  const auto body = static_cast<int>(SendDlgItemMessageW(m_hWnd, FlybyBodyList, CB_GETCURSEL, 0, 0));
  if (body < 0 || body >= FlybyBodyCount) return;
  ShowNumber(FlybyMinutesField, settings_.flyby[body].minutes, L"%2d");
  ShowNumber(FlybySecondsField, settings_.flyby[body].seconds, L"%2d");
}

void AdvancedOptions::ShowStartDate() {
  std::optional<SYSTEMTIME> date;
  if (CompareTextNoCase(settings_.startDate, TodayStartDate) != 0) {
    startDate_.SetColor(MCSC_TEXT, ChosenDateColour);
    date = ParseStartDate(settings_.startDate);
    // A date the calendar cannot show would be saved back as the one it shows instead.
    if (date && !startDate_.SetCurSel(&*date)) date.reset();
    if (!date) ShowLocalizedError(DateNotCorrect, MB_ICONEXCLAMATION, DateNotCorrectError);
  }
  if (!date) {
    ChooseRadio(*this, SystemDateRadio, ChosenDateRadio);
    startDate_.EnableWindow(FALSE);
    return;
  }
  startDate_.EnableWindow(TRUE);
  ChooseRadio(*this, ChosenDateRadio, SystemDateRadio);
  GotoDlgCtrl(&startDate_);
}

void AdvancedOptions::ShowStartTime() {
  SYSTEMTIME shown{};
  GetLocalTime(&shown);
  if (CompareTextNoCase(settings_.startTime, NowStartTime) == 0) {
    ChooseRadio(*this, SystemTimeRadio, ChosenTimeRadio);
    startTime_.EnableWindow(FALSE);
    startTime_.SetTime(&shown);
    return;
  }
  ChooseRadio(*this, ChosenTimeRadio, SystemTimeRadio);
  const StartTimeParts parts = ParseStartTime(settings_.startTime);
  if (parts.error != 0) ShowLocalizedError(TimeNotCorrect, MB_ICONEXCLAMATION, parts.error);
  shown.wHour = static_cast<WORD>(parts.hour);
  shown.wMinute = static_cast<WORD>(parts.minute);
  shown.wSecond = static_cast<WORD>(parts.second);
  startTime_.SetTime(&shown);
}

void AdvancedOptions::FillSkyCultures() {
  std::wstring folder;
  console_.FindPlanetariumFolder(folder);
  skyCultures_ = ListSubfolders(folder + SkyCulturesFolder);
  for (const std::wstring& culture : skyCultures_)
    SendDlgItemMessageW(m_hWnd, SkyCultureList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(culture.c_str()));
  if (skyCultures_.empty()) return;
  // Without a stored culture the console runs the western one: the list shows that, so that a
  // SAVE for another setting does not change the sky culture on its own.
  const std::wstring wanted = settings_.skyCulture.value_or(WesternSkyCulture);
  int chosen = settings_.skyCulture ? static_cast<int>(skyCultures_.size()) - 1 : 0;
  for (std::size_t i = 0; i < skyCultures_.size(); ++i)
    if (CompareTextNoCase(skyCultures_[i], wanted) == 0) {
      chosen = static_cast<int>(i);
      break;
    }
  SendDlgItemMessageW(m_hWnd, SkyCultureList, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

void AdvancedOptions::OnSettingChanged(UINT) {
  modified_ = true;
}

void AdvancedOptions::OnSkyCultureChanged() {
  modified_ = true;
}

// The player radios share this handler; a change of either kind is a change to save.
void AdvancedOptions::OnStartDateMode(UINT) {
  startDate_.EnableWindow(!IsChecked(*this, SystemDateRadio));
  modified_ = true;
}

void AdvancedOptions::OnStartTimeMode(UINT) {
  startTime_.EnableWindow(!IsChecked(*this, SystemTimeRadio));
  modified_ = true;
}

void AdvancedOptions::OnAfterFlybyChoice(UINT) {
  modified_ = true;
}

void AdvancedOptions::OnFlybyBodyChanged() {
  ShowFlybyBody();
}

void AdvancedOptions::OnSkyLanguageChanged() {
  skyLanguageChanged_ = true;
}

void AdvancedOptions::OnStartDateSelected(NMHDR*, LRESULT* result) {
  modified_ = true;
  *result = 0;
}

void AdvancedOptions::OnStartTimeChanged(NMHDR*, LRESULT* result) {
  modified_ = true;
  *result = 0;
}

// Every move of a star slider counts, the keyboard's Home and End and a click on the thumb
// included; only the closing notification of a move does not.
void AdvancedOptions::OnHScroll(UINT code, UINT, CScrollBar*) {
  if (code != SB_ENDSCROLL) modified_ = true;
}

LRESULT AdvancedOptions::OnColorPicked(WPARAM colour, LPARAM) {
  settings_.boundariesColor = static_cast<COLORREF>(colour);
  boundariesPicker_.m_Color = settings_.boundariesColor;
  boundariesPicker_.Invalidate();
  EnableItem(*this, ApplyBoundariesButton, true);
  EnableItem(*this, TestBoundariesButton, true);
  modified_ = true;
  return 0;
}

std::optional<std::wstring> AdvancedOptions::ChooseEmergencyImageFile() {
  return ChooseExistingFile(this, PictureNames, PictureFilter);
}

void AdvancedOptions::OnChooseEmergencyImage() {
  const std::optional<std::wstring> path = ChooseEmergencyImageFile();
  if (!path || FileNameOf(*path).empty()) return;
  settings_.emergencyImage = *path;
  SetDlgItemText(EmergencyImageButton, FileNameOf(*path).c_str());
  modified_ = true;
}

void AdvancedOptions::OnSpin(UINT id, NMHDR* header, LRESULT* result) {
  const auto* change = reinterpret_cast<const NMUPDOWN*>(header);
  const int direction = change->iDelta > 0 ? 1 : -1;
  const auto body = static_cast<int>(SendDlgItemMessageW(m_hWnd, FlybyBodyList, CB_GETCURSEL, 0, 0));
  FlybyDuration& flyby = settings_.flyby[body < 0 || body >= FlybyBodyCount ? 0 : body];
  for (const SpinRule& rule : SpinRules) {
    if (rule.spin != static_cast<int>(id)) continue;
    int* value = nullptr;
    switch (rule.value) {
      case SpinValue::FlybyMinutes:
        value = &flyby.minutes;
        break;
      case SpinValue::FlybySeconds:
        value = &flyby.seconds;
        break;
      case SpinValue::ZoomSpeed:
        value = &settings_.zoomSpeed;
        break;
      case SpinValue::Azimuth:
        value = &settings_.initialAzimuth;
        break;
      case SpinValue::Fading:
        value = &settings_.fadingDuration;
        break;
      case SpinValue::Transparency:
        value = &settings_.emergencyTransparency;
        break;
    }
    *value = StepSpinValue(rule, *value, direction);
    ShowNumber(rule.field, *value, rule.format);
    modified_ = true;
  }
  // The dialog holds the value; the up-down itself stays where it is.
  *result = 1;
}

std::wstring AdvancedOptions::ChosenStartDateText() const {
  if (IsChecked(*this, SystemDateRadio)) return TodayStartDate;
  SYSTEMTIME date{};
  startDate_.GetCurSel(&date);
  if (IsToday(date)) return TodayStartDate;
  return std::to_wstring(date.wYear) + L"/" + std::to_wstring(date.wMonth) + L"/" +
         std::to_wstring(date.wDay);
}

std::optional<std::wstring> AdvancedOptions::ChosenSkyCulture() const {
  const auto chosen = static_cast<int>(SendDlgItemMessageW(m_hWnd, SkyCultureList, CB_GETCURSEL, 0, 0));
  if (chosen < 0 || chosen >= static_cast<int>(skyCultures_.size())) return std::nullopt;
  return skyCultures_[static_cast<std::size_t>(chosen)];
}

AdvancedSettings AdvancedOptions::TakeSettings() const {
  AdvancedSettings s = settings_;
  s.startAtmo = IsChecked(*this, StartAtmoCheck);
  s.startFog = IsChecked(*this, StartFogCheck);
  s.startMilkyWay = IsChecked(*this, StartMilkyWayCheck);
  s.showStarNames = IsChecked(*this, StarNamesCheck);
  s.wantMoonScale = IsChecked(*this, MoonScaleCheck);
  s.justDoTheMovement = IsChecked(*this, PoleMoveOnlyRadio);
  s.useMpv = !IsChecked(*this, WmpRadio);
  s.useOwnLanguage = !IsChecked(*this, LatinNamesRadio);
  s.starAbsMag = absoluteScale_.GetPos();
  s.starRelMag = relativeScale_.GetPos();
  s.boundariesColor = boundariesPicker_.m_Color;
  if (IsChecked(*this, LandAfterFlybyRadio))
    s.afterFlyby = AfterFlyby::LandOnAMoon;
  else if (IsChecked(*this, NothingAfterFlybyRadio))
    s.afterFlyby = AfterFlyby::DoNothing;
  else if (IsChecked(*this, ResetAfterFlybyRadio))
    s.afterFlyby = AfterFlyby::ResetPosition;
  else
    s.afterFlyby.reset();
  s.startDate = ChosenStartDateText();
  if (IsChecked(*this, SystemTimeRadio)) {
    s.startTime = NowStartTime;
  } else {
    SYSTEMTIME time{};
    startTime_.GetTime(&time);
    wchar_t text[16]{};
    std::swprintf(text, 16, L"%02d:%02d:%02d", time.wHour, time.wMinute, time.wSecond);
    s.startTime = text;
  }
  return s;
}

void AdvancedOptions::WriteSettings(const AdvancedSettings& settings) {
  bool anyWritten = false;
  bool otherFailed = false;
  std::optional<int> dateError;
  std::optional<int> timeError;
  for (const AdvancedEntry& entry : AdvancedEntriesToWrite(settings, ChosenSkyCulture())) {
    const bool written = WriteIniValue(ConsoleIniFile, entry.section, entry.key, entry.value);
    anyWritten = anyWritten || written;
    if (entry.key == L"startDate") {
      if (!written) dateError = entry.value == TodayStartDate ? TodayNotWrittenError : DateNotWrittenError;
    } else if (entry.key == L"startTime") {
      if (!written) timeError = TimeNotWrittenError;
    } else if (!written) {
      otherFailed = true;
    } else if (entry.key == L"zoomSpeed") {
      state_.zoomSpeed = settings.zoomSpeed;
    } else if (entry.key == L"initPosAzimuth") {
      state_.initialAzimuth = settings.initialAzimuth;
    } else if (entry.key == L"FadingEffectDuration") {
      state_.fadingDuration = settings.fadingDuration;
    } else if (entry.key == L"wantMoonScale") {
      state_.wantMoonScale = settings.wantMoonScale;
    }
  }
  // A file that takes nothing (read-only, say) is told once, without a word of what was saved.
  if (!anyWritten) {
    ShowLocalizedError(NothingWritten, MB_ICONERROR, NothingWrittenError);
    return;
  }
  if (dateError) ShowLocalizedError(ConfigNotWritten, MB_ICONERROR, *dateError);
  if (timeError) ShowLocalizedError(ConfigNotWritten, MB_ICONERROR, *timeError);
  // A value the file cannot hold (a path with characters beyond Latin-1, say) is lost alone,
  // and the presenter hears of it.
  if (otherFailed) ShowLocalizedError(SettingNotWritten, MB_ICONERROR, SettingNotWrittenError);
}

bool AdvancedOptions::WriteSkyLanguage() {
  const auto chosen = static_cast<int>(SendDlgItemMessageW(m_hWnd, SkyLanguageList, CB_GETCURSEL, 0, 0));
  if (WriteIniValue(PlanetariumConfigIni, L"localization", L"sky_locale", SkyLanguages[chosen].code))
    return true;
  ShowLocalizedError(SkyLanguageNotWritten, MB_ICONERROR, SkyLanguageNotWrittenError);
  return false;
}

void AdvancedOptions::OnSave() {
  UpdateData(TRUE);
  const AdvancedSettings chosen = TakeSettings();
  if (modified_) WriteSettings(chosen);
  const auto language = static_cast<int>(SendDlgItemMessageW(m_hWnd, SkyLanguageList, CB_GETCURSEL, 0, 0));
  if (skyLanguageChanged_ && language > 0 && language < SkyLanguageCount) {
    if (!WriteSkyLanguage()) {
      EndDialog(Ended);
      return;
    }
    if (AfxMessageBox(LoadResourceText(RestartQuestion + language_).c_str(), MB_YESNO | MB_ICONQUESTION) ==
        IDYES)
      RestartAfterSkyLanguage();
  }
  UpdateData(FALSE);
  EndDialog(Ended);
}
