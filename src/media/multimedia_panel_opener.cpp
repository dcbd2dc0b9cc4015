// The main dialog's multimedia button opens the panel modally; what it starts lives on here.
#include "src/app/orvenna_console_dlg.h"
#include "src/media/multimedia_control_dlg.h"

INT_PTR COrvennaConsoleDlg::RunMultimediaDialog(bool twoMonitorLayout) {
  CMultimediaControlDlg panel(this, &consoleState, twoMonitorLayout);
  openPanel = &panel;
  const INT_PTR result = panel.DoModal();
  openPanel = nullptr;
  return result;
}
