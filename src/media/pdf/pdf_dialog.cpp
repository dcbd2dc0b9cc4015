#include "src/media/pdf/pdf_dialog.h"

#include "platform/win/win32.h"
#include "src/media/pdf/viewer_placement.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr wchar_t ControlName[] = L"AdobeWnd";
constexpr wchar_t NoReaderMessage[] =
    L"Failed to create Adobe window. Do you have Adobe Reader installed? Try download it from "
    L"its maker's website.";
constexpr UINT DocumentNotOpened = 9500;

}  // namespace

BEGIN_MESSAGE_MAP(CPDFDialog, CDialog)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CPDFDialog::CPDFDialog(const std::wstring& path, CWnd* parent)
    : CDialog(PdfViewerTemplate, parent), path_(path) {}

CPDFDialog* CPDFDialog::Open(const std::wstring& path, CWnd* behind) {
  auto* viewer = new CPDFDialog(path, CWnd::FromHandle(::GetDesktopWindow()));
  // A viewer that fails while it is made is destroyed, and so deleted, before Create returns.
  if (!viewer->Create(PdfViewerTemplate, viewer->m_pParentWnd)) return nullptr;
  viewer->PlaceOnConsolesMonitor();
  viewer->SetWindowPos(behind, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  viewer->ShowWindow(SW_SHOW);
  return viewer;
}

// The presenter's notes never show on Orvenna's monitor, the audience's.
void CPDFDialog::PlaceOnConsolesMonitor() {
  CWnd* console = AfxGetMainWnd();
  if (console == nullptr || console->GetSafeHwnd() == nullptr) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromWindow(console->GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &monitor)) return;
  CRect consoleRect;
  console->GetWindowRect(&consoleRect);
  CRect viewer;
  GetWindowRect(&viewer);
  const RECT place = ViewerPlace(monitor.rcWork, consoleRect, SIZE{viewer.Width(), viewer.Height()});
  SetWindowPos(nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int CPDFDialog::OnCreate(LPCREATESTRUCTW create) {
  if (CDialog::OnCreate(create) == -1) return -1;
  if (!control_.Create(nullptr, ControlName, WS_VISIBLE | WS_CHILD, CRect(0, 0, 0, 0), this, PdfControlId)) {
    AfxMessageBox(NoReaderMessage, MB_ICONEXCLAMATION);
    return -1;
  }
  if (!control_.LoadFile(path_)) {
    AfxMessageBox(FormatText(LoadLocalizedText(DocumentNotOpened).c_str(), path_.c_str()).c_str(),
                  MB_ICONEXCLAMATION);
    return -1;
  }
  return 0;
}

void CPDFDialog::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  if (control_.GetSafeHwnd() == nullptr) return;
  control_.MoveWindow(0, 0, cx, cy, TRUE);
  control_.RedrawWindow();
}

void CPDFDialog::OnOK() {
  DestroyWindow();
}

void CPDFDialog::OnCancel() {
  DestroyWindow();
}

void CPDFDialog::PostNcDestroy() {
  delete this;
}
