#include "src/media/players/video_options.h"

#include <algorithm>

#include "platform/afx/data_exchange.h"
#include "platform/win/win32.h"
#include "src/controls/monitors.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/options/options_keys.h"
#include "src/link/planetarium_windows.h"
#include "src/media/players/mpv_player_choice.h"
#include "src/settings/console_settings.h"
#include "src/util/compare_no_case.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr int VolumeTicks = 5;
constexpr int VolumeLargest = 100;
constexpr std::size_t PlacementDigits = 4;
constexpr std::size_t RotationDigits = 3;
constexpr int FullCircle = 360;
constexpr UINT CaptionText = 4730;
constexpr UINT SummaryText = 12390;
constexpr int SummaryId = 510;

struct Label {
  int id;
  UINT text;
};
constexpr Label Labels[] = {
    {39483, 32340}, {41132, 32360}, {509, 12340},     {506, 12380}, {8104, 2290},
    {8105, 2280},   {1980, 19050},  {IDCANCEL, 9380}, {502, 4690},  {24406, 4720},
};
constexpr int PlacementEdits[] = {CVideoOptions::XOffsetEdit, CVideoOptions::YOffsetEdit,
                                  CVideoOptions::WidthEdit, CVideoOptions::HeightEdit};

}  // namespace

int VideoRotationInRange(int degrees) {
  return ((degrees % FullCircle) + FullCircle) % FullCircle;
}

BEGIN_MESSAGE_MAP(CVideoOptions, CDialog)
ON_BN_CLICKED(CVideoOptions::FullScreenCheck, &CVideoOptions::OnFullScreenCheck)
ON_CONTROL_RANGE(EN_CHANGE, CVideoOptions::XOffsetEdit, CVideoOptions::YOffsetEdit,
                 &CVideoOptions::OnOffsetChange)
ON_CONTROL_RANGE(EN_CHANGE, CVideoOptions::WidthEdit, CVideoOptions::HeightEdit, &CVideoOptions::OnSizeChange)
ON_BN_CLICKED(CVideoOptions::SaveId, &CVideoOptions::OnSave)
END_MESSAGE_MAP()

CVideoOptions::CVideoOptions(int button, const std::wstring& path, std::optional<VideoOptions>& kept)
    : CDialog(VideoOptionsTemplate), button_(button), path_(path), kept_(kept) {
  // Without Orvenna's window the video would go on the primary monitor.
  const HWND planetarium = FindPlanetariumMainWindow();
  const CMonitor screen = planetarium != nullptr ? CMonitors::GetNearestMonitor(CWnd::FromHandle(planetarium))
                                                 : CMonitors::GetPrimaryMonitor();
  RECT monitor{};
  screen.GetMonitorRect(&monitor);
  widthLimit = monitor.right - monitor.left;
  heightLimit = monitor.bottom - monitor.top;
}

void CVideoOptions::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, VolumeSlider, volume_);
}

BOOL CVideoOptions::OnInitDialog() {
  CDialog::OnInitDialog();
  MakeOptionsKeys(keys_, std::array<int, 2>{SaveId, IDCANCEL}, *this);
  volume_.SetRange(0, VolumeLargest);
  volume_.SetTicFreq(VolumeTicks);
  ShowTexts(ReadLanguage());
  if (kept_) {
    loaded_ = *kept_;
  } else {
    LoadVideoOptions(button_, loaded_);
  }
  storedPath_ = loaded_.fileName;
  volume_.SetPos(loaded_.volume);
  for (int id : PlacementEdits)
    GetDlgItem(id)->SendMessage(EM_LIMITTEXT, PlacementDigits);
  GetDlgItem(RotationEdit)->SendMessage(EM_LIMITTEXT, RotationDigits);
  const bool mpv = MpvProgramInstalled() && IsMpvPlayerSelected();
  SetDlgItemText(RotationEdit, std::to_wstring(mpv ? loaded_.rotation : 0).c_str());
  EnableItem(*this, RotationEdit, mpv);
  EnableItem(*this, FlipCheck, mpv);
  ShowPlacement();
  SetChecked(*this, FlipCheck, loaded_.flip);
  return TRUE;
}

void CVideoOptions::ShowTexts(unsigned language) {
  SetWindowText(LoadResourceText(CaptionText + language).c_str());
  for (const Label& label : Labels)
    SetDlgItemText(label.id, LoadResourceText(label.text + language).c_str());
  SetDlgItemText(SummaryId, FormatText(LoadResourceText(SummaryText + language).c_str(), path_.c_str(),
                                       widthLimit, heightLimit)
                                .c_str());
}

// Options stored for another file than the row's (changed and not saved yet) show as full
// screen, with no position or size of their own.
void CVideoOptions::ShowPlacement() {
  if (CompareTextNoCase(storedPath_, path_) != 0) {
    SetChecked(*this, FullScreenCheck, true);
    EnableItem(*this, XOffsetEdit, false);
    EnableItem(*this, YOffsetEdit, false);
    return;
  }
  SetChecked(*this, FullScreenCheck, loaded_.fullScreen);
  for (const auto& [id, value] :
       {std::pair{XOffsetEdit, loaded_.xOffset}, std::pair{YOffsetEdit, loaded_.yOffset},
        std::pair{WidthEdit, loaded_.width}, std::pair{HeightEdit, loaded_.height}})
    SetDlgItemText(id, std::to_wstring(value).c_str());
  EnablePlacement(!loaded_.fullScreen);
}

void CVideoOptions::EnablePlacement(bool enable) {
  for (int id : PlacementEdits)
    EnableItem(*this, id, enable);
}

void CVideoOptions::OnFullScreenCheck() {
  if (IsChecked(*this, FullScreenCheck)) {
    EnablePlacement(false);
    return;
  }
  for (const auto& [id, value] :
       {std::pair{XOffsetEdit, loaded_.xOffset}, std::pair{YOffsetEdit, loaded_.yOffset},
        std::pair{WidthEdit, loaded_.width}, std::pair{HeightEdit, loaded_.height}})
    SetDlgItemText(id, std::to_wstring(value).c_str());
  EnablePlacement(true);
}

void CVideoOptions::OnOffsetChange(UINT id) {
  const bool x = static_cast<int>(id) == XOffsetEdit;
  KeepWithin(static_cast<int>(id),
             x ? std::min(widthLimit, LargestVideoXOffset) : std::min(heightLimit, LargestVideoYOffset));
}

void CVideoOptions::OnSizeChange(UINT id) {
  const bool width = static_cast<int>(id) == WidthEdit;
  KeepWithin(static_cast<int>(id),
             width ? std::min(widthLimit, LargestVideoWidth) : std::min(heightLimit, LargestVideoHeight));
}

void CVideoOptions::KeepWithin(int id, int limit) {
  if (Number(id, PlacementDigits) > limit) SetDlgItemText(id, std::to_wstring(limit).c_str());
}

int CVideoOptions::Number(int id, std::size_t digits) const {
  const std::wstring text = GetDlgItemText(id).substr(0, digits);
  return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}

void CVideoOptions::OnSave() {
  VideoOptions saved;
  saved.fileName = path_;
  saved.volume = volume_.GetPos();
  saved.fullScreen = IsChecked(*this, FullScreenCheck);
  saved.flip = IsChecked(*this, FlipCheck);
  saved.xOffset = Number(XOffsetEdit, PlacementDigits);
  saved.yOffset = Number(YOffsetEdit, PlacementDigits);
  saved.width = Number(WidthEdit, PlacementDigits);
  saved.height = Number(HeightEdit, PlacementDigits);
  saved.rotation = VideoRotationInRange(Number(RotationEdit, RotationDigits));
  kept_ = saved;
  EndDialog(Saved);
}

void CVideoOptions::OnCancel() {
  EndDialog(Cancelled);
}
