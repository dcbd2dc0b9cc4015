#include "src/controls/external_image.h"

#include <algorithm>
#include <memory>

#include "platform/win/gdiplus_api.h"
#include "platform/win/layered_window_api.h"

namespace {

constexpr int kFadeInStep = 15;
constexpr int kFadeOutStep = 7;
constexpr DWORD kFadeStepMs = 40;
// Posted by a fade-out that ended: the overlay hides if its generation (wParam) is still current.
constexpr UINT kHideAfterFade = WM_APP + 0x106;

}  // namespace

struct CExternalImage::FadeRun {
  CExternalImage* image;
  unsigned generation;
};

CExternalImage::CExternalImage() : stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

CExternalImage::~CExternalImage() {
  NextGeneration();
  if (stop_ != nullptr) SetEvent(stop_);
  JoinThreads();
  if (overlay_ != nullptr && IsWindow(overlay_)) DestroyWindow(overlay_);
  if (stop_ != nullptr) CloseHandle(stop_);
}

BOOL CExternalImage::Create(HWND owner, HINSTANCE instance, int x, int y, int width, int height) {
  owner_ = owner;
  overlay_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, L"STATIC", L"", WS_POPUP | SS_BITMAP, x, y,
                             width, height, owner, nullptr, instance, nullptr);
  visible_ = 0;
  if (overlay_ == nullptr) return FALSE;
  SetWindowLongPtrW(overlay_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  static_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(overlay_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CExternalImage::OverlayProc)));
  return TRUE;
}

LRESULT CALLBACK CExternalImage::OverlayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* image = reinterpret_cast<CExternalImage*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == kHideAfterFade) {
    if (static_cast<unsigned>(wParam) == image->generation_.load()) image->HideNow();
    return 0;
  }
  return CallWindowProcW(image->static_proc_, hwnd, message, wParam, lParam);
}

BOOL CExternalImage::ShowImage(LPCWSTR path, BYTE alpha, const RECT& destination) {
  if (overlay_ == nullptr) return FALSE;
  std::unique_ptr<Gdiplus::Bitmap> picture(Gdiplus::Bitmap::FromFile(path));
  if (!picture || picture->GetLastStatus() != Gdiplus::Ok) return FALSE;
  HBITMAP bitmap = nullptr;
  if (picture->GetHBITMAP(Gdiplus::Color(0, 0, 0, 0), &bitmap) != Gdiplus::Ok) return FALSE;
  const unsigned generation = NextGeneration();

  HDC dc = GetDC(overlay_);
  SetStretchBltMode(dc, HALFTONE);
  SetAlphaIfCurrent(generation, alpha);
  ShowWindow(overlay_, SW_SHOWNORMAL);
  UpdateWindow(overlay_);

  const int width = static_cast<int>(picture->GetWidth());
  const int height = static_cast<int>(picture->GetHeight());
  const int side = std::min(width, height);
  const int source_x = height < width ? (width - height) / 2 : 0;
  const int source_y = height < width ? 0 : (height - width) / 2;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap);
  const BYTE format = Gdiplus::IsAlphaPixelFormat(picture->GetPixelFormat()) ? AC_SRC_ALPHA : AC_SRC_OVER;
  AlphaBlend(dc, 0, 0, destination.right - destination.left, destination.bottom - destination.top, source,
             source_x, source_y, side, side, BLENDFUNCTION{AC_SRC_OVER, 0, 255, format});
  SelectObject(source, previous);
  DeleteDC(source);
  DeleteObject(bitmap);
  ReleaseDC(overlay_, dc);

  visible_ = 1;
  target_alpha_ = alpha;
  current_alpha_ = 0;
  StartFade(&CExternalImage::FadeInThread, generation);
  return TRUE;
}

void CExternalImage::Hide() {
  NextGeneration();
  HideNow();
}

void CExternalImage::FadeOut() {
  if (!IsFadeOutAllowed()) {
    Hide();
    return;
  }
  const unsigned generation = NextGeneration();
  fading_out_ = generation;
  StartFade(&CExternalImage::FadeOutThread, generation);
}

unsigned CExternalImage::NextGeneration() {
  std::lock_guard<std::mutex> lock(alpha_lock_);
  return ++generation_;
}

void CExternalImage::HideNow() {
  if (overlay_ != nullptr) ShowWindow(overlay_, SW_HIDE);
  visible_ = 0;
}

bool CExternalImage::SetAlphaIfCurrent(unsigned generation, int alpha) {
  std::lock_guard<std::mutex> lock(alpha_lock_);
  if (generation != generation_.load()) return false;
  current_alpha_ = alpha;
  SetLayeredWindowAttributes(overlay_, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
  return true;
}

bool CExternalImage::WaitStep(unsigned generation) const {
  return WaitForSingleObject(stop_, kFadeStepMs) == WAIT_TIMEOUT && generation == generation_.load();
}

void CExternalImage::StartFade(AFX_THREADPROC proc, unsigned generation) {
  ReapFinishedThreads();
  auto run = std::make_unique<FadeRun>(FadeRun{this, generation});
  CWinThread* thread = AfxBeginThread(proc, run.get(), 0, 0, CREATE_SUSPENDED);
  if (thread == nullptr) return;
  thread->m_bAutoDelete = FALSE;
  fades_.push_back({thread, std::move(run)});
  thread->ResumeThread();
}

UINT CExternalImage::FadeInThread(LPVOID parameter) {
  const FadeRun* run = static_cast<const FadeRun*>(parameter);
  CExternalImage& image = *run->image;
  const int target = image.target_alpha_.load();
  for (int alpha = 0;; alpha += kFadeInStep) {
    if (alpha > target) break;
    if (!image.SetAlphaIfCurrent(run->generation, alpha)) return 0;
    UpdateWindow(image.overlay_);
    if (alpha + kFadeInStep <= target && !image.WaitStep(run->generation)) return 0;
  }
  if (image.SetAlphaIfCurrent(run->generation, target)) UpdateWindow(image.overlay_);
  return 0;
}

UINT CExternalImage::FadeOutThread(LPVOID parameter) {
  const FadeRun* run = static_cast<const FadeRun*>(parameter);
  CExternalImage& image = *run->image;
  bool ended = true;
  for (int alpha = image.target_alpha_.load(); alpha >= 0; alpha -= kFadeOutStep) {
    if ((GetWindowLongW(image.overlay_, GWL_EXSTYLE) & WS_EX_LAYERED) == 0)
      SetWindowLongW(image.overlay_, GWL_EXSTYLE,
                     GetWindowLongW(image.overlay_, GWL_EXSTYLE) | WS_EX_LAYERED);
    if (!image.SetAlphaIfCurrent(run->generation, alpha)) {
      ended = false;
      break;
    }
    UpdateWindow(image.overlay_);
    if (alpha - kFadeOutStep >= 0 && !image.WaitStep(run->generation)) {
      ended = false;
      break;
    }
  }
  if (ended) PostMessageW(image.overlay_, kHideAfterFade, run->generation, 0);
  unsigned mine = run->generation;
  image.fading_out_.compare_exchange_strong(mine, 0);
  return 0;
}

void CExternalImage::ReapFinishedThreads() {
  std::erase_if(fades_, [](const Fade& fade) {
    if (WaitForSingleObject(fade.thread->m_hThread, 0) != WAIT_OBJECT_0) return false;
    CloseHandle(fade.thread->m_hThread);
    delete fade.thread;
    return true;
  });
}

void CExternalImage::JoinThreads() {
  for (const Fade& fade : fades_) {
    // A fade thread may be sending the overlay a paint: handle it while waiting.
    while (WaitForSingleObject(fade.thread->m_hThread, kFadeStepMs) == WAIT_TIMEOUT) {
      MSG msg;
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    }
    CloseHandle(fade.thread->m_hThread);
    delete fade.thread;
  }
  fades_.clear();
}
