// A picture shown over the planetarium's screen in a borderless, click-through, layered window,
// faded in and out by worker threads (+15 every 40 ms in, -7 out).
//
// Every show, hide and fade starts a new generation; a fade thread acts only while its own
// generation is current, and the overlay hides at the end of a fade-out only if nothing came
// since, so a picture shown during a fade-out stays shown. The destructor stops and joins the
// fade threads before the window goes.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/afx/afx.h"

class CExternalImage {
 public:
  CExternalImage();
  CExternalImage(const CExternalImage&) = delete;
  CExternalImage& operator=(const CExternalImage&) = delete;
  virtual ~CExternalImage();

  // The hidden overlay owned by owner at (x, y, width, height) in screen coordinates.
  BOOL Create(HWND owner, HINSTANCE instance, int x, int y, int width, int height);
  // Shows the middle square of the picture stretched to the destination's size, at alpha first
  // and then fading in from 0 to it. FALSE, and nothing shown, when the picture cannot be loaded.
  BOOL ShowImage(LPCWSTR path, BYTE alpha, const RECT& destination);
  void Hide();
  // Fades out and hides; a second call while the fade-out runs hides at once.
  void FadeOut();

  BOOL IsVisible() const { return visible_.load(); }
  BOOL IsFadeOutAllowed() const { return fading_out_.load() != generation_.load(); }
  int GetTargetAlpha() const { return target_alpha_.load(); }
  int GetCurrentAlpha() const { return current_alpha_.load(); }
  HWND GetSafeHwnd() const { return overlay_; }
  HWND GetOwner() const { return owner_; }

 private:
  struct FadeRun;
  static UINT FadeInThread(LPVOID parameter);
  static UINT FadeOutThread(LPVOID parameter);
  static LRESULT CALLBACK OverlayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  unsigned NextGeneration();
  void StartFade(AFX_THREADPROC proc, unsigned generation);
  // Sets the overlay's alpha when generation is still current; false when it is not.
  bool SetAlphaIfCurrent(unsigned generation, int alpha);
  // Waits one fade step; false when the record is going away or the generation moved on.
  bool WaitStep(unsigned generation) const;
  void HideNow();
  void ReapFinishedThreads();
  void JoinThreads();

  std::atomic<int> visible_{0};
  std::atomic<int> current_alpha_{0};
  std::atomic<int> target_alpha_{0};
  std::atomic<unsigned> generation_{1};
  // The generation whose fade-out runs, 0 when none does.
  std::atomic<unsigned> fading_out_{0};
  // Keeps a stale generation from setting an alpha after a newer one did.
  std::mutex alpha_lock_;
  HWND owner_ = nullptr;
  HWND overlay_ = nullptr;
  WNDPROC static_proc_ = nullptr;
  HANDLE stop_ = nullptr;
  // The fade threads not yet joined, each with the run it was given.
  struct Fade {
    CWinThread* thread;
    std::unique_ptr<FadeRun> run;
  };
  std::vector<Fade> fades_;
};
