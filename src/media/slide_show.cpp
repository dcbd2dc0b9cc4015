#include "src/media/slide_show.h"

#include <algorithm>
#include <string>

#include "src/app/orvenna_console_dlg.h"
#include "src/media/slide_control_dlg.h"
#include "src/media/slide_delay.h"
#include "src/media/thumbnail.h"
#include "src/util/localized_text.h"

namespace {

constexpr int FirstFrameId = 1730;
constexpr int FirstCaptionId = 1713;
constexpr int PreviousPageId = 11145;
constexpr int NextPageId = 11146;
constexpr int StartOnceId = 1740;
constexpr int StartLoopingId = 1743;
constexpr int DelayUpId = 1746;
constexpr int DelayDownId = 1747;
constexpr int DelayFieldId = 1744;
constexpr int SecondsFieldId = 1748;
constexpr int HideImageId = 1749;

constexpr UINT SecondsText = 12420;
constexpr UINT HideImageText = 9530;
constexpr UINT CancelText = 9002;
constexpr UINT CancelTextStep = 20;

constexpr UINT FirstDrawPeriodMs = 200;
constexpr UINT DelayRepeatMs = 250;

struct BrowserButton {
  int id;
  int normalBitmap;
  int activeBitmap;
  int pressedBitmap;
};
constexpr std::array<BrowserButton, 8> BrowserButtons{{
    {PreviousPageId, 5464, 5465, 5466},
    {NextPageId, 5461, 5462, 5463},
    {StartOnceId, 5452, 5450, 5451},
    {StartLoopingId, 5455, 5453, 5454},
    {DelayUpId, 5470, 5471, 5472},
    {DelayDownId, 5473, 5474, 5475},
    {HideImageId, 11100, 11101, 11102},
    {IDCANCEL, 8411, 8412, 0},
}};

bool IsCaption(int id) {
  return id >= FirstCaptionId && id < FirstCaptionId + SlidesPerPage;
}

}  // namespace

int SlidePageCount(int count) {
  return std::max(1, (count + SlidesPerPage - 1) / SlidesPerPage);
}

BEGIN_MESSAGE_MAP(CSlideShow, CDialog)
ON_WM_TIMER()
ON_WM_LBUTTONUP()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_BN_CLICKED(PreviousPageId, &CSlideShow::OnPreviousPage)
ON_BN_CLICKED(NextPageId, &CSlideShow::OnNextPage)
ON_COMMAND_RANGE(StartOnceId, StartLoopingId, &CSlideShow::OnStart)
ON_BN_CLICKED(HideImageId, &CSlideShow::OnHideImage)
ON_BN_CLICKED(IDCANCEL, &CSlideShow::OnClose)
END_MESSAGE_MAP()

CSlideShow::CSlideShow(UINT language, int k, COrvennaConsoleDlg* main, CWnd* parent)
    : CDialog(SlideShowTemplate, parent),
      language_(language),
      k_(k),
      main_(main),
      delay_(DefaultSlideDelay),
      delayAtOpening_(DefaultSlideDelay) {}

BOOL CSlideShow::OnInitDialog() {
  CDialog::OnInitDialog();
  for (std::size_t i = 0; i < BrowserButtons.size(); ++i) {
    buttons_[i].m_nNormalId = BrowserButtons[i].normalBitmap;
    buttons_[i].m_nActiveId = BrowserButtons[i].activeBitmap;
    buttons_[i].m_nExtra1Id = BrowserButtons[i].pressedBitmap;
    buttons_[i].m_nExtra2Id = BrowserButtons[i].pressedBitmap == 0 ? 0 : BrowserButtons[i].normalBitmap;
    buttons_[i].SubclassDlgItem(BrowserButtons[i].id, this);
  }
  SetDlgItemText(HideImageId, LoadResourceText(HideImageText + language_).c_str());
  SetDlgItemText(IDCANCEL, LoadResourceText(CancelText + CancelTextStep * language_).c_str());
  SetDlgItemText(SecondsFieldId, LoadResourceText(SecondsText + language_).c_str());
  if (SlidePageCount(main_->slideCount) == 1) {
    GetDlgItem(PreviousPageId)->EnableWindow(FALSE);
    GetDlgItem(NextPageId)->EnableWindow(FALSE);
  }
  for (int i = 0; i < SlidesPerPage; ++i) {
    frames_[i].SubclassDlgItem(FirstFrameId + i, this);
    ShowBlackFrame(frames_[i], thumbnails_[i]);
  }
  delayField_.SubclassDlgItem(DelayFieldId, this);
  secondsField_.SubclassDlgItem(SecondsFieldId, this);
  delay_ = ReadSlideDelay();
  delayAtOpening_ = delay_;
  ShowDelay();
  page_ = 1;
  SetTimer(FirstDrawTimer, FirstDrawPeriodMs, nullptr);
  return TRUE;
}

void CSlideShow::ShowDelay() {
  SetDlgItemText(DelayFieldId, std::to_wstring(delay_).c_str());
}

bool CSlideShow::StepDelay(int step) {
  const int next = delay_ + step;
  if (next < MinimumSlideDelay || next > MaximumSlideDelay) return false;
  delay_ = next;
  ShowDelay();
  return next != MinimumSlideDelay && next != MaximumSlideDelay;
}

BOOL CSlideShow::PreTranslateMessage(MSG* msg) {
  const bool up = msg->hwnd == ::GetDlgItem(m_hWnd, DelayUpId);
  const bool down = msg->hwnd == ::GetDlgItem(m_hWnd, DelayDownId);
  if (up || down) {
    const UINT_PTR timer = up ? DelayUpTimer : DelayDownTimer;
    if (msg->message == WM_LBUTTONDOWN) {
      StepDelay(up ? 1 : -1);
      SetTimer(timer, DelayRepeatMs, nullptr);
    } else if (msg->message == WM_LBUTTONUP) {
      KillTimer(timer);
    }
  }
  return CDialog::PreTranslateMessage(msg);
}

void CSlideShow::OnTimer(UINT_PTR id) {
  switch (id) {
    case FirstDrawTimer:
      if (!IsWindowVisible() || !IsWindowEnabled()) return;
      KillTimer(FirstDrawTimer);
      DrawPage(page_);
      return;
    case DelayUpTimer:
    case DelayDownTimer:
      if (!StepDelay(id == DelayUpTimer ? 1 : -1)) KillTimer(id);
      return;
    default:
      CDialog::OnTimer(id);
  }
}

BOOL CSlideShow::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, RGB(0, 0, 0));
  return TRUE;
}

HBRUSH CSlideShow::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour) {
  const int id = wnd != nullptr ? wnd->GetDlgCtrlID() : 0;
  if (!IsCaption(id) && id != DelayFieldId) return CDialog::OnCtlColor(dc, wnd, ctlColour);
  dc->SetTextColor(RGB(255, 255, 255));
  dc->SetBkMode(TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CSlideShow::DrawPage(int page) {
  const int first = (page - 1) * SlidesPerPage;
  for (int i = 0; i < SlidesPerPage; ++i) {
    const int entry = first + i;
    std::wstring caption;
    if (entry < main_->slideCount && entry < static_cast<int>(main_->slideFiles.size())) {
      const std::wstring& name = main_->slideFiles[entry];
      if (ShowThumbnail(frames_[i], thumbnails_[i], main_->slideFolder + L"\\" + name)) caption = name;
    } else {
      ShowBlackFrame(frames_[i], thumbnails_[i]);
    }
    SetDlgItemText(FirstCaptionId + i, caption.c_str());
    if (CWnd* label = GetDlgItem(FirstCaptionId + i)) {
      label->Invalidate();
      label->UpdateWindow();
    }
  }
}

void CSlideShow::OnPreviousPage() {
  page_ = page_ > 1 ? page_ - 1 : SlidePageCount(main_->slideCount);
  DrawPage(page_);
}

void CSlideShow::OnNextPage() {
  page_ = page_ < SlidePageCount(main_->slideCount) ? page_ + 1 : 1;
  DrawPage(page_);
}

void CSlideShow::OnLButtonUp(UINT flags, CPoint point) {
  CExternalImage& overlay = main_->pictureOverlays[k_];
  for (int i = 0; i < SlidesPerPage; ++i) {
    CRect frame;
    frames_[i].GetWindowRect(&frame);
    ScreenToClient(&frame);
    if (!frame.PtInRect(point)) continue;
    const std::wstring caption = GetDlgItemText(FirstCaptionId + i);
    const int entry = (page_ - 1) * SlidesPerPage + i;
    if (caption.empty() || !overlay.IsFadeOutAllowed() || entry >= static_cast<int>(main_->slideFiles.size()))
      break;
    if (overlay.IsVisible()) overlay.Hide();
    main_->ShowImageOverPlanetarium(k_, main_->slideFolder + L"\\" + main_->slideFiles[entry]);
    break;
  }
  CDialog::OnLButtonUp(flags, point);
}

void CSlideShow::OnStart(UINT id) {
  if (delay_ != delayAtOpening_) WriteSlideDelay(delay_);
  if (main_->slideCount == 0 || main_->slideFiles.empty()) return;
  CExternalImage& overlay = main_->pictureOverlays[k_];
  if (overlay.IsVisible()) overlay.Hide();
  main_->ShowImageOverPlanetarium(k_, main_->slideFolder + L"\\" + main_->slideFiles[0]);
  if (main_->slideCount < 2) return;
  main_->slideIndex = 1;
  CSlideControlDlg remote(delay_, main_, id == StartLoopingId, k_, this);
  if (remote.DoModal() != SlideShowEnded) return;
  main_->pictureBackdrop.Hide();
  overlay.FadeOut();
}

void CSlideShow::OnHideImage() {
  if (main_->pictureBackdrop.IsVisible()) main_->pictureBackdrop.Hide();
  main_->pictureOverlays[k_].FadeOut();
}

void CSlideShow::OnClose() {
  KillTimer(FirstDrawTimer);
  EndDialog(0);
}
