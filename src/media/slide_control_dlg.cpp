#include "src/media/slide_control_dlg.h"

#include <algorithm>
#include <cmath>

#include "platform/win/controls_api.h"
#include "platform/win/time_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/util/stopwatch.h"

namespace {

struct RemoteButton {
  int id;
  int normalBitmap;
  int activeBitmap;
  int pressedBitmap;
};
constexpr int PreviousId = 1742;
constexpr int StopId = 560;
constexpr int PlayPauseId = 550;
constexpr int NextId = 1741;
constexpr std::array<RemoteButton, 4> RemoteButtons{{
    {PreviousId, 5484, 5485, 5486},
    {StopId, 5410, 5411, 5412},
    {PlayPauseId, 8460, 8461, 8462},
    {NextId, 5481, 5482, 5483},
}};

constexpr UINT CountdownBarId = 96;
constexpr RECT CountdownBarPlace{10, 80, 240, 84};
constexpr COLORREF CountdownColour = RGB(200, 0, 0);
constexpr int FullProgress = 100;
constexpr int CountdownSteps = 20;
constexpr float MillisecondsPerSecond = 1000.0F;
constexpr double RoundingUp = 0.8;

UINT TimerPeriod(float ms) {
  return static_cast<UINT>(std::max(0.0F, std::floor(ms)));
}

}  // namespace

BEGIN_MESSAGE_MAP(CSlideControlDlg, CDialog)
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_BN_CLICKED(PlayPauseId, &CSlideControlDlg::OnPlayPause)
ON_BN_CLICKED(StopId, &CSlideControlDlg::OnStop)
ON_BN_CLICKED(NextId, &CSlideControlDlg::OnNext)
ON_BN_CLICKED(PreviousId, &CSlideControlDlg::OnPrevious)
END_MESSAGE_MAP()

CSlideControlDlg::CSlideControlDlg(int delaySeconds, COrvennaConsoleDlg* main, bool loop, int k, CWnd* parent)
    : CDialog(SlideControlTemplate, parent),
      main_(main),
      loop_(loop),
      k_(k),
      delayMs_(static_cast<float>(delaySeconds) * MillisecondsPerSecond),
      intervalMs_(delayMs_) {}

BOOL CSlideControlDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (std::size_t i = 0; i < RemoteButtons.size(); ++i) {
    buttons_[i].m_nNormalId = RemoteButtons[i].normalBitmap;
    buttons_[i].m_nActiveId = RemoteButtons[i].activeBitmap;
    buttons_[i].m_nExtra1Id = RemoteButtons[i].pressedBitmap;
    buttons_[i].m_nExtra2Id = RemoteButtons[i].normalBitmap;
    buttons_[i].SubclassDlgItem(RemoteButtons[i].id, this);
  }
  countdown_.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH | PBS_SMOOTHREVERSE, CountdownBarPlace, this,
                    CountdownBarId);
  countdown_.SetRange(1, FullProgress);
  countdown_.SetBarColor(CountdownColour);
  countdown_.SetPos(FullProgress);
  progress_ = FullProgress;
  intervalMs_ = delayMs_;
  GetSystemTime(&lastTick_);
  slideStart_ = lastTick_;
  ArmCountdown();
  SetTimer(NextPictureTimer, TimerPeriod(intervalMs_), nullptr);
  return TRUE;
}

BOOL CSlideControlDlg::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, RGB(0, 0, 0));
  return TRUE;
}

void CSlideControlDlg::ShowSlide() {
  CExternalImage& overlay = main_->pictureOverlays[k_];
  if (overlay.IsVisible()) overlay.Hide();
  if (main_->slideIndex >= 0 && main_->slideIndex < static_cast<int>(main_->slideFiles.size()))
    main_->ShowImageOverPlanetarium(k_, main_->slideFolder + L"\\" + main_->slideFiles[main_->slideIndex]);
  ++main_->slideIndex;
  progress_ = FullProgress;
  countdown_.SetPos(progress_);
  GetSystemTime(&lastTick_);
  slideStart_ = lastTick_;
}

void CSlideControlDlg::ArmCountdown() {
  SetTimer(CountdownTimer, TimerPeriod(intervalMs_ / CountdownSteps), nullptr);
}

void CSlideControlDlg::KillAllTimers() {
  KillTimer(CountdownTimer);
  KillTimer(NextPictureTimer);
  KillTimer(ResumedPictureTimer);
}

void CSlideControlDlg::OnCountdownTick() {
  const double elapsed = MillisecondsSince(lastTick_);
  progress_ -= static_cast<int>(std::trunc(FullProgress * elapsed / delayMs_ + RoundingUp));
  if (progress_ < 1) {
    KillTimer(CountdownTimer);
    progress_ = 0;
  }
  GetSystemTime(&lastTick_);
  countdown_.SetPos(progress_);
}

bool CSlideControlDlg::WrapOrEnd(bool fadeOut) {
  if (main_->slideIndex < main_->slideCount) return true;
  if (loop_) {
    main_->slideIndex = 0;
    return true;
  }
  KillAllTimers();
  CExternalImage& overlay = main_->pictureOverlays[k_];
  if (fadeOut) {
    main_->pictureBackdrop.Hide();
    overlay.FadeOut();
  } else if (overlay.IsVisible()) {
    overlay.Hide();
  }
  EndDialog(SlideShowEnded);
  return false;
}

void CSlideControlDlg::OnTimer(UINT_PTR id) {
  switch (id) {
    case CountdownTimer:
      OnCountdownTick();
      return;
    case NextPictureTimer:
      if (!WrapOrEnd(true)) return;
      ShowSlide();
      ArmCountdown();
      return;
    case ResumedPictureTimer:
      KillTimer(ResumedPictureTimer);
      KillTimer(CountdownTimer);
      if (!WrapOrEnd(false)) return;
      StartPicture();
      return;
    default:
      CDialog::OnTimer(id);
  }
}

// A picture of the full delay from now, its countdown and its end timer armed.
void CSlideControlDlg::StartPicture() {
  intervalMs_ = delayMs_;
  paused_ = false;
  ShowSlide();
  ArmCountdown();
  SetTimer(NextPictureTimer, TimerPeriod(intervalMs_), nullptr);
}

void CSlideControlDlg::OnPlayPause() {
  if (!paused_) {
    KillAllTimers();
    paused_ = true;
    // A picture whose time ran out while its timer waited has nothing left, not less.
    remainingMs_ = std::max(0.0F, intervalMs_ - static_cast<float>(MillisecondsSince(slideStart_)));
    return;
  }
  GetSystemTime(&lastTick_);
  ArmCountdown();
  intervalMs_ = remainingMs_;
  paused_ = false;
  GetSystemTime(&slideStart_);
  SetTimer(ResumedPictureTimer, TimerPeriod(remainingMs_), nullptr);
}

void CSlideControlDlg::OnNext() {
  KillAllTimers();
  if (main_->slideIndex >= main_->slideCount) main_->slideIndex = 0;
  StartPicture();
}

void CSlideControlDlg::OnPrevious() {
  KillAllTimers();
  main_->slideIndex = std::max(0, main_->slideIndex - 2);
  StartPicture();
}

void CSlideControlDlg::OnStop() {
  KillAllTimers();
  EndDialog(SlideShowEnded);
}
