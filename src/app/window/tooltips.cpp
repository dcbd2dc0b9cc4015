// The tooltips of the main window: one tooltip control per control with a tip, its text in the
// interface language, fixed, or composed from the current state.
#include <array>
#include <string_view>

#include "src/app/orvenna_console_dlg.h"
#include "src/app/time/speed_settings.h"
#include "src/catalog/planet_display_name.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

enum class TipKind { Localized, Fixed, Home, GoTo, FlyBy, Speed };

struct TipRow {
  int controlId;
  TipKind kind;
  UINT baseId = 0;
  const wchar_t* fixedText = nullptr;
  // The season and mount-mode tips keep the texts they got first.
  bool keptOnRefresh = false;
};

constexpr int HomeButtonId = 1120;
constexpr int GoToButtonId = 1057;

constexpr std::array TipRows{
    TipRow{1137, TipKind::Fixed, 0, L"Spring Equinox - March 20", true},
    TipRow{1138, TipKind::Fixed, 0, L"Fall Equinox - September 23", true},
    TipRow{1139, TipKind::Fixed, 0, L"Summer Solstice - June 22", true},
    TipRow{1140, TipKind::Fixed, 0, L"Winter Solstice - December 22", true},
    TipRow{1024, TipKind::Localized, 19200},
    TipRow{1019, TipKind::Localized, 19210},
    TipRow{1018, TipKind::Localized, 19220},
    TipRow{1015, TipKind::Localized, 19230},
    TipRow{1016, TipKind::Localized, 19240},
    TipRow{1020, TipKind::Localized, 19250},
    TipRow{1021, TipKind::Localized, 19260},
    TipRow{1022, TipKind::Localized, 19270},
    TipRow{1023, TipKind::Localized, 19280},
    TipRow{1017, TipKind::Localized, 19290},
    TipRow{1123, TipKind::Localized, 3650},
    TipRow{1121, TipKind::Localized, 3660},
    TipRow{HomeButtonId, TipKind::Home},
    TipRow{GoToButtonId, TipKind::GoTo},
    TipRow{1128, TipKind::Localized, 3690},
    TipRow{1841, TipKind::Localized, 3710},
    TipRow{1012, TipKind::Localized, 3720},
    TipRow{1004, TipKind::Localized, 3730},
    TipRow{1000, TipKind::Localized, 3740},
    TipRow{1002, TipKind::Localized, 3750},
    TipRow{281, TipKind::Localized, 3760},
    TipRow{1031, TipKind::Localized, 3770},
    TipRow{1013, TipKind::Localized, 3780},
    TipRow{1985, TipKind::Localized, 3790},
    TipRow{1005, TipKind::Localized, 3800},
    TipRow{COrvennaConsoleDlg::FlyByButtonId, TipKind::FlyBy},
    TipRow{1122, TipKind::Localized, 3840},
    TipRow{1970, TipKind::Localized, 3850},
    TipRow{2003, TipKind::Localized, 3860},
    TipRow{1103, TipKind::Localized, 3870},
    TipRow{1101, TipKind::Localized, 3880},
    TipRow{1102, TipKind::Localized, 3890},
    TipRow{1134, TipKind::Localized, 3900},
    TipRow{1842, TipKind::Localized, 3910},
    TipRow{1843, TipKind::Localized, 3920},
    TipRow{1025, TipKind::Localized, 4420},
    TipRow{1899, TipKind::Localized, 10910},
    TipRow{5114, TipKind::Localized, 4940},
    TipRow{10038, TipKind::Localized, 10110, nullptr, true},
    TipRow{1106, TipKind::Speed},
    TipRow{1107, TipKind::Speed},
    TipRow{1108, TipKind::Speed},
    TipRow{1109, TipKind::Speed},
};

constexpr UINT NoSelectionId = 3700;

// The bodies of the planet buttons by code, in each interface language.
constexpr std::array<std::array<const wchar_t*, 11>, InterfaceLanguageCount> PlanetTipNames{{
    {L"Pluto", L"Earth", L"Mars", L"Moon", L"Venus", L"Mercury", L"Jupiter", L"Saturn", L"Uranus", L"Neptune",
     L"Sun"},
    {L"Plutone", L"Terra", L"Marte", L"Luna", L"Venere", L"Mercurio", L"Giove", L"Saturno", L"Urano",
     L"Nettuno", L"Sole"},
    {L"Pluton", L"la Terre", L"Mars", L"la Lune", L"V\u00e9nus", L"Mercure", L"Jupiter", L"Saturne",
     L"Uranus", L"Neptune", L"Soleil"},
    {L"Plut\u00f3n", L"Tierra", L"Marte", L"Luna", L"Venus", L"Mercurio", L"J\u00fapiter", L"Saturno",
     L"Urano", L"Neptuno", L"Sol"},
    {L"Pl\u00fcton", L"D\u00fcnya", L"Mars", L"Ay", L"Ven\u00fcs", L"Merk\u00fcr", L"J\u00fcpiter",
     L"Sat\u00fcrn", L"Uran\u00fcs", L"Nept\u00fcn", L"G\u00fcne\u015f"},
    {L"\u51a5\u738b\u661f", L"\u5730\u7403", L"\u706b\u661f", L"\u6708\u7403", L"\u91d1\u661f",
     L"\u6c34\u661f", L"\u6728\u661f", L"\u571f\u661f", L"\u5929\u738b\u661f", L"\u6d77\u738b\u661f",
     L"\u592a\u9633"},
}};

std::wstring Text(UINT baseId, unsigned language) {
  return LoadResourceText(baseId + language);
}

// The date steps' texts by step: sidereal, then solar.
struct DateStepText {
  UINT sidereal;
  UINT solar;
  const wchar_t* years;
};
constexpr std::array<DateStepText, 8> DateStepTexts{{
    {4400, 4390, nullptr},
    {3570, 3580, nullptr},
    {3590, 3600, nullptr},
    {3610, 3620, nullptr},
    {3630, 3640, L"10"},
    {3630, 3640, L"50"},
    {3630, 3640, L"100"},
    {3630, 3640, L"200"},
}};

constexpr unsigned ChineseLanguage = 5;

}  // namespace

std::wstring PlanetTipName(int bodyCode, unsigned language) {
  if (bodyCode < 0 || bodyCode >= static_cast<int>(PlanetTipNames[0].size())) return {};
  return PlanetTipNames[language][static_cast<std::size_t>(bodyCode)];
}

std::wstring SpeedButtonTip(const SpeedOptions& options, int k, unsigned language) {
  const auto [forward, dateStep, rateMode, sidereal] =
      UnpackSpeedButton(static_cast<DWORD>(options.options), k);
  if (rateMode) {
    const std::wstring direction = Text(forward ? 3510 : 3520, language);
    const std::wstring format = Text(3500, language);
    const int steps = options.speeds[static_cast<std::size_t>(k)];
    return language == ChineseLanguage ? FormatText(format.c_str(), steps, direction.c_str())
                                       : FormatText(format.c_str(), direction.c_str(), steps);
  }
  const DateStepText& step = DateStepTexts[static_cast<std::size_t>(dateStep)];
  std::wstring stepText = Text(sidereal ? step.sidereal : step.solar, language);
  if (step.years != nullptr) stepText = FormatText(stepText.c_str(), step.years);
  return FormatText(L"%s %s", Text(forward ? 3530 : 3560, language).c_str(), stepText.c_str());
}

void COrvennaConsoleDlg::CreateTooltips() {
  tooltips_.clear();
  const unsigned language = ReadLanguage();
  for (const TipRow& row : TipRows) {
    CWnd* control = GetDlgItem(row.controlId);
    if (control == nullptr) continue;
    auto tip = std::make_unique<CToolTipCtrl>();
    // Unparented for the top-level console: the tip is a pop-up of its own.
    if (!tip->Create(GetParent())) continue;
    const std::wstring text = row.kind == TipKind::Fixed       ? std::wstring(row.fixedText)
                              : row.kind == TipKind::Localized ? Text(row.baseId, language)
                                                               : std::wstring();
    tip->AddTool(control, text.c_str());
    tip->Activate(TRUE);
    tooltips_.push_back({row.controlId, std::move(tip)});
  }
  UpdateHomeTip();
  UpdateGoToTip();
  UpdateFlyByTip();
  UpdateSpeedTips();
}

void COrvennaConsoleDlg::RefreshTooltips() {
  const unsigned language = ReadLanguage();
  for (const TipRow& row : TipRows)
    if (row.kind == TipKind::Localized && !row.keptOnRefresh)
      SetTooltip(row.controlId, Text(row.baseId, language));
  UpdateHomeTip();
  UpdateGoToTip();
  UpdateFlyByTip();
  UpdateSpeedTips();
}

void COrvennaConsoleDlg::UpdateHomeTip() {
  SetTooltip(HomeButtonId, FormatText(Text(3670, ReadLanguage()).c_str(), LoadHomeLocation().c_str()));
}

void COrvennaConsoleDlg::UpdateGoToTip() {
  const unsigned language = ReadLanguage();
  std::wstring selection = PlanetTipName(SelectedBodyCode, language);
  if (selection.empty()) selection = CurrentObjectName;
  if (selection.empty()) selection = Text(NoSelectionId, language);
  const std::wstring stage = Text(goToStage ? 3680 : 4440, language);
  SetTooltip(GoToButtonId, FormatText(L"%s: (%s)", stage.c_str(), selection.c_str()));
}

void COrvennaConsoleDlg::UpdateFlyByTip() {
  const unsigned language = ReadLanguage();
  const std::wstring body = SelectedBodyCode == NoBodySelected
                                ? Text(NoSelectionId, language)
                                : PlanetDisplayName(SelectedBodyCode, language);
  SetTooltip(FlyByButtonId, FormatText(Text(3810, language).c_str(), body.c_str()));
}

void COrvennaConsoleDlg::UpdateSpeedTips() {
  const SpeedOptions options = LoadSpeedOptions();
  const unsigned language = ReadLanguage();
  for (int k = 0; k < SpeedButtonCount; ++k)
    SetTooltip(FirstSpeedButtonId + k, SpeedButtonTip(options, k, language));
}

void COrvennaConsoleDlg::SetTooltip(int controlId, const std::wstring& text) {
  for (Tooltip& tip : tooltips_)
    if (tip.controlId == controlId) tip.control->UpdateTipText(text.c_str(), GetDlgItem(controlId));
}

void COrvennaConsoleDlg::RelayToTooltips(MSG* msg) {
  for (Tooltip& tip : tooltips_)
    tip.control->RelayEvent(msg);
}

std::wstring COrvennaConsoleDlg::TooltipText(int controlId) const {
  for (const Tooltip& tip : tooltips_)
    if (tip.controlId == controlId) return tip.control->GetText(GetDlgItem(controlId));
  return {};
}
