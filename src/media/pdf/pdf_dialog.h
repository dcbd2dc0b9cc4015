// CPDFDialog: the modeless, resizable viewer of one PDF document, the reader's control filling
// its client area. It belongs to no window of the console and frees itself when it closes.
#pragma once

#include <string>

#include "platform/afx/afx.h"
#include "src/media/pdf/pdf_document_control.h"

inline constexpr UINT PdfViewerTemplate = 55105;
inline constexpr UINT PdfControlId = 39482;

class CPDFDialog : public CDialog {
 public:
  CPDFDialog(const std::wstring& path, CWnd* parent);

  // A viewer of the document on the desktop, shown just behind the window given; null when the
  // reader's control is missing or the document does not open (the presenter was told, and
  // the viewer is gone).
  static CPDFDialog* Open(const std::wstring& path, CWnd* behind);

 protected:
  int OnCreate(LPCREATESTRUCTW create);
  void OnSize(UINT type, int cx, int cy);
  void OnOK() override;
  void OnCancel() override;
  void PostNcDestroy() override;
  DECLARE_MESSAGE_MAP()

 private:
  void PlaceOnConsolesMonitor();
  CAcroAXDocShim control_;
  std::wstring path_;
};
