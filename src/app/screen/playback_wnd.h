// The monitoring window: a scaled live copy of Orvenna's screen, on which the presenter drags a
// pointer trail that appears over Orvenna's window, with six sky keys.
#pragma once

#include <array>

#include "platform/afx/dialog.h"
#include "src/app/screen/playback_geometry.h"
#include "src/controls/btn_planet.h"
#include "src/settings/console_state.h"

class CPlaybackWnd : public CDialog {
 public:
  enum { IDD = 1334 };
  static constexpr UINT_PTR FrameTimer = 200;
  static constexpr int CloseButtonId = 1891;

  CPlaybackWnd(const CConsoleState* state, CWnd* parent);
  ~CPlaybackWnd() override;
  CPlaybackWnd(const CPlaybackWnd&) = delete;
  CPlaybackWnd& operator=(const CPlaybackWnd&) = delete;

  const PlaybackGeometry& Geometry() const { return geometry_; }
  HWND Overlay() const { return overlay_; }

 protected:
  BOOL OnInitDialog() override;
  void OnPaint();
  void OnTimer(UINT_PTR id);
  BOOL OnEraseBkgnd(CDC* dc);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnRButtonUp(UINT flags, CPoint point);
  void OnMouseMove(UINT flags, CPoint point);
  void OnAtmosphere();
  void OnFog();
  void OnLines();
  void OnArt();
  void OnBoundaries();
  void OnGround();
  void OnCloseButton();
  void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  void PressSkyKey(UINT commandId);
  void ReleaseSkyKey(UINT_PTR timer);
  void RefreshPreview(HWND window);
  void DrawPreview(HDC dc, const RECT& client, HBITMAP frame);
  void CreateOverlay(HWND planetarium);
  void DestroyOverlay();
  void FreeFrame();
  HWND PictureArea() const;

  const CConsoleState* state_;
  int sizePercent_;
  int framesPerSecond_;
  COLORREF pointerColor_;
  PlaybackGeometry geometry_;
  HBITMAP frame_ = nullptr;
  bool erased_ = false;
  bool drawing_ = false;
  POINT lastPoint_{};
  HWND overlay_ = nullptr;
  HDC overlayDC_ = nullptr;
  HBITMAP overlayPicture_ = nullptr;
  std::array<CBtnPlanet, 7> buttons_;
};
