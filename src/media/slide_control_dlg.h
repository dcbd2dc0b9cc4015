// CSlideControlDlg: the remote control of a running slide show. Each picture stays for the
// delay while a countdown bar runs down; pause keeps what is left of the picture's time, next
// and previous step through the list, stop takes the picture away. A looping show starts again
// at the first picture; one that is not looping ends after the last one's delay.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "platform/afx/progress_ctrl.h"
#include "src/controls/btn_planet.h"

class COrvennaConsoleDlg;

inline constexpr UINT SlideControlTemplate = 97;
// DoModal's result when the show was stopped or ran out.
inline constexpr INT_PTR SlideShowEnded = 1;

class CSlideControlDlg : public CDialog {
 public:
  CSlideControlDlg(int delaySeconds, COrvennaConsoleDlg* main, bool loop, int k, CWnd* parent);

  static constexpr UINT_PTR CountdownTimer = 100;
  static constexpr UINT_PTR NextPictureTimer = 200;
  static constexpr UINT_PTR ResumedPictureTimer = 202;

  bool IsPaused() const { return paused_; }
  int Progress() const { return progress_; }

 protected:
  BOOL OnInitDialog() override;
  BOOL OnEraseBkgnd(CDC* dc);
  void OnTimer(UINT_PTR id);
  void OnPlayPause();
  void OnStop();
  void OnNext();
  void OnPrevious();
  DECLARE_MESSAGE_MAP()

 private:
  // Overlay k shows the next picture of the list, with the countdown full.
  void ShowSlide();
  void OnCountdownTick();
  // At the end of the list: false when the show is over and the dialog has ended.
  bool WrapOrEnd(bool fadeOut);
  void StartPicture();
  void ArmCountdown();
  void KillAllTimers();

  COrvennaConsoleDlg* main_;
  bool loop_;
  int k_;
  float delayMs_;
  float intervalMs_;
  float remainingMs_ = 0;
  bool paused_ = false;
  int progress_ = 100;
  SYSTEMTIME lastTick_{};
  SYSTEMTIME slideStart_{};
  std::array<CBtnPlanet, 4> buttons_;
  CProgressCtrl countdown_;
};
