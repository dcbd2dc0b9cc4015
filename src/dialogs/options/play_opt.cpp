#include "src/dialogs/options/play_opt.h"

#include <array>

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"
#include "src/controls/colour/colour_picker_messages.h"
#include "src/dialogs/options/options_keys.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"

namespace {

struct Caption {
  int id;
  UINT text;
};
constexpr std::array<Caption, 6> Captions{{
    {CPlayOpt::SaveId, 19050},
    {CPlayOpt::CancelId, 9380},
    {1405, 1420},
    {1406, 1430},
    {11148, 12270},
    {11098, 10920},
}};

struct SliderRange {
  int low;
  int high;
  int tickEvery;
};
constexpr SliderRange SizeRange{50, 90, 5};
constexpr SliderRange RefreshRange{1, 5, 1};
constexpr SliderRange StartupWaitRange{4, 20, 1};

void Prepare(CSliderCtrl& slider, const SliderRange& range, int position) {
  slider.SetRange(range.low, range.high);
  slider.SetTicFreq(range.tickEvery);
  slider.SetPos(position);
}

}  // namespace

BEGIN_MESSAGE_MAP(CPlayOpt, CDialog)
ON_BN_CLICKED(CPlayOpt::SaveId, &CPlayOpt::OnClickedSave)
ON_BN_CLICKED(CPlayOpt::CancelId, &CPlayOpt::OnCancel)
ON_WM_HSCROLL()
ON_MESSAGE(kColourChanged, &CPlayOpt::OnColourPicked)
END_MESSAGE_MAP()

CPlayOpt::CPlayOpt(CConsoleState& state, CWnd* parent) : CDialog(IDD, parent), state_(state) {}

BOOL CPlayOpt::OnInitDialog() {
  CDialog::OnInitDialog();
  const auto language = static_cast<UINT>(state_.language);
  for (const Caption& caption : Captions)
    SetDlgItemText(caption.id, LoadResourceText(caption.text + language).c_str());
  size_.SubclassDlgItem(SizeSliderId, this);
  refresh_.SubclassDlgItem(RefreshSliderId, this);
  startupWait_.SubclassDlgItem(StartupWaitSliderId, this);
  pointer_.SubclassDlgItem(PointerPickerId, this);
  MakeOptionsKeys(keys_, std::array<int, 2>{SaveId, CancelId}, *this);
  const PlaybackOptions stored = LoadPlaybackOptions();
  Prepare(size_, SizeRange, stored.windowSizePercent);
  Prepare(refresh_, RefreshRange, stored.refreshPerSecond);
  Prepare(startupWait_, StartupWaitRange, LoadStartupWait());
  pointerColour_ = stored.pointerColor;
  pointer_.m_Color = pointerColour_;
  pointer_.Invalidate();
  modified_ = false;
  return TRUE;
}

// Every move counts, the keyboard's Home and End and a click on the thumb included.
void CPlayOpt::OnHScroll(UINT code, UINT, CScrollBar*) {
  if (code != SB_ENDSCROLL) modified_ = true;
}

LRESULT CPlayOpt::OnColourPicked(WPARAM colour, LPARAM) {
  pointerColour_ = static_cast<COLORREF>(colour);
  modified_ = true;
  return 0;
}

void CPlayOpt::OnClickedSave() {
  if (modified_) {
    PlaybackOptions chosen;
    chosen.windowSizePercent = size_.GetPos();
    chosen.refreshPerSecond = refresh_.GetPos();
    chosen.pointerColor = pointerColour_;
    SavePlaybackOptions(chosen, startupWait_.GetPos());
  }
  EndDialog(Closed);
}
