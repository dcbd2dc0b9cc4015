// A dialog that shows the controls kit over a painted background: image buttons, a transparent
// label, status line and picture, a question that can remember its answer, browse fields for
// a file and a folder, and a button that opens the standard controls' sample. A program of its
// own runs it (RunControlsSample), for a look at the kit and for its screenshot.
#pragma once

#include <array>

#include "platform/afx/afx.h"
#include "src/controls/btn_planet.h"
#include "src/controls/edit_ex.h"
#include "src/controls/static_ex.h"
#include "src/controls/transparent_image.h"

inline constexpr UINT kControlsSampleTemplate = 30100;
inline constexpr const wchar_t* kControlsSampleProgram = L"controls-sample.exe";

class CControlsSampleDlg : public CDialog {
 public:
  explicit CControlsSampleDlg(CWnd* parent = nullptr) : CDialog(kControlsSampleTemplate, parent) {}

 protected:
  BOOL OnInitDialog() override;
  BOOL OnEraseBkgnd(CDC* dc);
  LRESULT OnTransparentBackground(WPARAM wParam, LPARAM lParam);
  void OnSampleButton(UINT id);
  void OnAsk();
  void OnPathChange(UINT id);
  void OnStandardControls();
  DECLARE_MESSAGE_MAP()

 private:
  void PaintBackground();

  CDC m_background;
  CBitmap m_backgroundBitmap;
  CStaticEx m_label;
  CEditEx m_status;
  CTransparentImage m_picture;
  CBitmap m_pictureBitmap;
  std::array<CBtnPlanet, 6> m_buttons;
  CMFCEditBrowseCtrl m_showFile;
  CMFCEditBrowseCtrl m_slideFolder;
};

// The sample program's entry: the console's resources and the dialog, run modally.
int RunControlsSample();
