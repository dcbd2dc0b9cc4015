// CSlideShow: the browser of a photo folder. Ten thumbnails a page; a click on one shows that
// picture over Orvenna; the delay between pictures is set with two buttons that repeat while
// held; the show starts once through or looping under its remote control (CSlideControlDlg).
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "src/controls/btn_planet.h"
#include "src/controls/edit_ex.h"

class COrvennaConsoleDlg;

inline constexpr UINT SlideShowTemplate = 99;
inline constexpr int SlidesPerPage = 10;

// Pages of a list of that many pictures: at least one.
int SlidePageCount(int count);

class CSlideShow : public CDialog {
 public:
  CSlideShow(UINT language, int k, COrvennaConsoleDlg* main, CWnd* parent);

  static constexpr UINT_PTR FirstDrawTimer = 100;
  static constexpr UINT_PTR DelayUpTimer = 204;
  static constexpr UINT_PTR DelayDownTimer = 205;

  int Page() const { return page_; }
  int Delay() const { return delay_; }

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnEraseBkgnd(CDC* dc);
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour);
  void OnTimer(UINT_PTR id);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnPreviousPage();
  void OnNextPage();
  void OnStart(UINT id);
  void OnHideImage();
  void OnClose();
  void OnCancel() override { OnClose(); }
  DECLARE_MESSAGE_MAP()

 private:
  void DrawPage(int page);
  // One step of a delay button; false at its bound.
  bool StepDelay(int step);
  void ShowDelay();

  UINT language_;
  int k_;
  COrvennaConsoleDlg* main_;
  int page_ = 1;
  int delay_;
  int delayAtOpening_;
  std::array<CStatic, SlidesPerPage> frames_;
  std::array<CBitmap, SlidesPerPage> thumbnails_;
  std::array<CBtnPlanet, 8> buttons_;
  CEditEx delayField_;
  CEditEx secondsField_;
};
