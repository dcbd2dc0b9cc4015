#include "src/dialogs/options/speed_dialog.h"

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/options/options_keys.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"

namespace {

constexpr int LowestRateStep = 1;
constexpr int HighestRateStep = 12;
constexpr int GroupBits = 6;

constexpr UINT TitleText = 19300;
constexpr UINT SaveText = 19310;
constexpr UINT CancelText = 9380;
constexpr UINT SlowestText = 3130;
constexpr UINT FastestText = 3140;
constexpr UINT SiderealText = 10930;
constexpr UINT BackwardText = 3190;
constexpr UINT ForwardText = 3200;
constexpr UINT RateModeText = 3210;
constexpr UINT DateModeText = 3220;
constexpr int FirstSlowestLabel = 1941;
constexpr int FirstFastestLabel = 1945;
constexpr int FirstGroupBox = 1971;
// "#1 Speed button" to "#4 Speed button": blocks six ids apart.
constexpr std::array<UINT, SpeedButtonCount> GroupTexts{19330, 19336, 19342, 19348};
constexpr std::array<UINT, 8> DateStepTexts{3150, 3160, 3170, 3180, 4350, 4360, 4370, 4380};

int GroupShift(int k) {
  return GroupBits * (SpeedButtonCount - 1 - k);
}

}  // namespace

DWORD PackSpeedButton(const SpeedButtonSettings& button, int k) {
  const DWORD bits = (button.forward ? 1u : 0u) | (static_cast<DWORD>(button.dateStep & 7) << 1) |
                     (button.rateMode ? 0x10u : 0u) | (button.sidereal ? 0x20u : 0u);
  return bits << GroupShift(k);
}

BEGIN_MESSAGE_MAP(CSpeedDialog, CDialog)
ON_BN_CLICKED(CSpeedDialog::SaveId, &CSpeedDialog::OnClickedSave)
ON_COMMAND_RANGE(CSpeedDialog::RateRadio(0), CSpeedDialog::DateRadio(3), &CSpeedDialog::OnModeRadio)
ON_COMMAND_RANGE(CSpeedDialog::BackwardRadio(0), CSpeedDialog::ForwardRadio(3),
                 &CSpeedDialog::OnChoiceChanged)
ON_COMMAND_RANGE(CSpeedDialog::SiderealCheck(0), CSpeedDialog::SiderealCheck(3),
                 &CSpeedDialog::OnChoiceChanged)
ON_CONTROL_RANGE(CBN_SELCHANGE, CSpeedDialog::StepCombo(0), CSpeedDialog::StepCombo(3),
                 &CSpeedDialog::OnStepChanged)
ON_WM_HSCROLL()
END_MESSAGE_MAP()

CSpeedDialog::CSpeedDialog(CConsoleState& state, CWnd* parent) : CDialog(IDD, parent), state_(state) {}

BOOL CSpeedDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  MakeOptionsKeys(keys_, std::array<int, 2>{SaveId, IDCANCEL}, *this);
  const SpeedOptions stored = LoadSpeedOptions();
  for (int k = 0; k < SpeedButtonCount; ++k) {
    CZipSliderCtl& slider = sliders_[static_cast<std::size_t>(k)];
    slider.SubclassDlgItem(RateSlider(k), this);
    slider.LoadSkin();
    slider.SetRange(LowestRateStep, HighestRateStep);
    slider.SetTicFreq(1);
    slider.SetPos(stored.speeds[static_cast<std::size_t>(k)]);
  }
  ShowTexts();
  for (int k = 0; k < SpeedButtonCount; ++k) {
    const SpeedButtonSettings button = UnpackSpeedButton(static_cast<DWORD>(stored.options), k);
    SetChecked(*this, SiderealCheck(k), button.sidereal);
    ChooseRadio(*this, button.rateMode ? RateRadio(k) : DateRadio(k),
                button.rateMode ? DateRadio(k) : RateRadio(k));
    ShowMode(k, button.rateMode);
    ChooseRadio(*this, button.forward ? ForwardRadio(k) : BackwardRadio(k),
                button.forward ? BackwardRadio(k) : ForwardRadio(k));
    SendDlgItemMessageW(m_hWnd, StepCombo(k), CB_SETCURSEL, static_cast<WPARAM>(button.dateStep), 0);
  }
  modified_ = false;
  return TRUE;
}

void CSpeedDialog::ShowTexts() {
  const auto language = static_cast<UINT>(state_.language);
  const auto text = [language](UINT base) { return LoadResourceText(base + language); };
  SetWindowText(text(TitleText).c_str());
  SetDlgItemText(SaveId, text(SaveText).c_str());
  SetDlgItemText(IDCANCEL, text(CancelText).c_str());
  for (int k = 0; k < SpeedButtonCount; ++k) {
    SetDlgItemText(FirstSlowestLabel + k, text(SlowestText).c_str());
    SetDlgItemText(FirstFastestLabel + k, text(FastestText).c_str());
    SetDlgItemText(SiderealCheck(k), text(SiderealText).c_str());
    SetDlgItemText(BackwardRadio(k), text(BackwardText).c_str());
    SetDlgItemText(ForwardRadio(k), text(ForwardText).c_str());
    SetDlgItemText(RateRadio(k), text(RateModeText).c_str());
    SetDlgItemText(DateRadio(k), text(DateModeText).c_str());
    SetDlgItemText(FirstGroupBox + k, text(GroupTexts[static_cast<std::size_t>(k)]).c_str());
    SendDlgItemMessageW(m_hWnd, StepCombo(k), CB_RESETCONTENT, 0, 0);
    for (UINT step : DateStepTexts)
      SendDlgItemMessageW(m_hWnd, StepCombo(k), CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(text(step).c_str()));
  }
}

void CSpeedDialog::ShowMode(int k, bool rateMode) {
  EnableItem(*this, RateSlider(k), rateMode);
  EnableItem(*this, StepCombo(k), !rateMode);
  EnableItem(*this, SiderealCheck(k), !rateMode);
}

void CSpeedDialog::OnModeRadio(UINT id) {
  const int k = (static_cast<int>(id) - RateRadio(0)) / 2;
  ShowMode(k, static_cast<int>(id) == RateRadio(k));
  modified_ = true;
}

void CSpeedDialog::OnChoiceChanged(UINT) {
  modified_ = true;
}

void CSpeedDialog::OnStepChanged(UINT) {
  modified_ = true;
}

// Every move counts, the keyboard's Home and End and a click on the thumb included; only the
// closing notification of a move does not.
void CSpeedDialog::OnHScroll(UINT code, UINT, CScrollBar*) {
  if (code != SB_ENDSCROLL) modified_ = true;
}

SpeedButtonSettings CSpeedDialog::ChosenSettings(int k) const {
  SpeedButtonSettings button;
  button.forward = IsChecked(*this, ForwardRadio(k));
  button.rateMode = IsChecked(*this, RateRadio(k));
  button.sidereal = IsChecked(*this, SiderealCheck(k));
  const auto step = static_cast<int>(SendDlgItemMessageW(m_hWnd, StepCombo(k), CB_GETCURSEL, 0, 0));
  button.dateStep = step < 0 ? 0 : step;
  return button;
}

void CSpeedDialog::OnClickedSave() {
  if (modified_) {
    SpeedOptions chosen;
    chosen.options = 0;
    for (int k = 0; k < SpeedButtonCount; ++k) {
      chosen.options |= static_cast<int>(PackSpeedButton(ChosenSettings(k), k));
      chosen.speeds[static_cast<std::size_t>(k)] = sliders_[static_cast<std::size_t>(k)].GetPos();
    }
    SaveSpeedOptions(chosen);
  }
  EndDialog(Saved);
}
