// CVideoOptions: the presentation of one button's video: full screen or a window of a given size
// and offset on Orvenna's monitor, the start volume, and mpv's rotation and flip. What it saves
// goes back to the set-up, which writes it with its own save.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/afx/afx.h"
#include "platform/afx/slider_ctrl.h"
#include "src/controls/btn_planet.h"
#include "src/settings/multimedia_settings.h"

inline constexpr UINT VideoOptionsTemplate = 108;

// The registry's limits of a saved window: offsets from -1 to these, sizes up to these.
inline constexpr int LargestVideoXOffset = 1920;
inline constexpr int LargestVideoYOffset = 1200;
inline constexpr int LargestVideoWidth = 3840;
inline constexpr int LargestVideoHeight = 2160;

// A typed rotation in mpv's range of 0 to 359 degrees.
int VideoRotationInRange(int degrees);

class CVideoOptions : public CDialog {
 public:
  // DoModal's results.
  static constexpr INT_PTR Saved = 0;
  static constexpr INT_PTR Cancelled = 4;

  static constexpr int FullScreenCheck = 502;
  static constexpr int FlipCheck = 24406;
  static constexpr int XOffsetEdit = 503;
  static constexpr int YOffsetEdit = 504;
  static constexpr int WidthEdit = 8106;
  static constexpr int HeightEdit = 8107;
  static constexpr int RotationEdit = 41131;
  static constexpr int VolumeSlider = 24404;
  static constexpr int SaveId = 1980;

  // kept: what an earlier SAVE of this set-up left for the button, which the dialog shows in
  // place of the stored options and replaces at its own SAVE.
  CVideoOptions(int button, const std::wstring& path, std::optional<VideoOptions>& kept);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnFullScreenCheck();
  void OnOffsetChange(UINT id);
  void OnSizeChange(UINT id);
  void OnSave();
  DECLARE_MESSAGE_MAP()

 private:
  void ShowTexts(unsigned language);
  void ShowPlacement();
  void EnablePlacement(bool enable);
  // A number typed in the edit above the limit is replaced by the limit.
  void KeepWithin(int id, int limit);
  int Number(int id, std::size_t digits) const;

  int button_;
  std::wstring path_;
  std::optional<VideoOptions>& kept_;
  VideoOptions loaded_;
  std::wstring storedPath_;
  int widthLimit = 0;
  int heightLimit = 0;
  CSliderCtrl volume_;
  std::array<CBtnPlanet, 2> keys_;
};
