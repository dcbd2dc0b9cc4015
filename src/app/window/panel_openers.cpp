// The buttons that open the PDF list and the multimedia panel, modal dialogs of their own.
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/media/pdf/pdf_dialog.h"
#include "src/media/pdf/pdf_list_file_dlg.h"

void COrvennaConsoleDlg::OnPdfDocuments() {
  RunPdfListDialog();
}

void COrvennaConsoleDlg::OnMultimedia() {
  ActionGuards guards;
  guards.refuseDuringFlyBy = true;
  guards.ensurePlanetarium = true;
  guards.refuseWhileScriptRuns = true;
  if (!PassActionGuards(guards)) return;
  RunMultimediaDialog(ConsoleLayout == TwoMonitorLayout);
}

INT_PTR COrvennaConsoleDlg::RunPdfListDialog() {
  CPDFListFileDlg list(this);
  const INT_PTR result = list.DoModal();
  // The document the presenter chose comes to the front once the list has gone.
  if (CPDFDialog* viewer = list.OpenedViewer()) ::SetForegroundWindow(viewer->GetSafeHwnd());
  return result;
}
