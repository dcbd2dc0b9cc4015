// The buttons that open the PDF list and the multimedia panel, modal dialogs of their own.
#include "src/app/orvenna_console_dlg.h"

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

// The PDF list is not part of the console yet: nothing opens.
INT_PTR COrvennaConsoleDlg::RunPdfListDialog() {
  return IDCANCEL;
}
