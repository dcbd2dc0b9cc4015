#include "src/app/window/which_edition.h"
#include "platform/win/win32.h"

#include "platform/afx/data_exchange.h"
#include "platform/afx/message_map_entries.h"

BEGIN_MESSAGE_MAP(CWhichEdition, CDialog)
ON_BN_CLICKED(CWhichEdition::TwoMonitorRadio, &CWhichEdition::OnLayoutClicked)
ON_BN_CLICKED(CWhichEdition::TrainingRadio, &CWhichEdition::OnLayoutClicked)
ON_BN_CLICKED(CWhichEdition::PrimaryScreenRadio, &CWhichEdition::OnScreenClicked)
ON_BN_CLICKED(CWhichEdition::SecondaryScreenRadio, &CWhichEdition::OnScreenClicked)
END_MESSAGE_MAP()

CWhichEdition::CWhichEdition(BYTE* screenChoice, CWnd* owner)
    : CDialog(IDD, owner), screenChoice_(screenChoice) {}

void CWhichEdition::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, TwoMonitorRadio, twoMonitor_);
  DDX_Control(dx, TrainingRadio, training_);
  DDX_Control(dx, PrimaryScreenRadio, primaryScreen_);
  DDX_Control(dx, SecondaryScreenRadio, secondaryScreen_);
  DDX_Control(dx, IDOK, ok_);
}

BOOL CWhichEdition::OnInitDialog() {
  CDialog::OnInitDialog();
  ok_.EnableWindow(FALSE);
  primaryScreen_.SetCheck(BST_CHECKED);
  return TRUE;
}

void CWhichEdition::OnLayoutClicked() {
  UpdateData(TRUE);
  choiceMade_ = true;
  const bool twoMonitors = twoMonitor_.GetCheck() == BST_CHECKED;
  ok_.EnableWindow(TRUE);
  primaryScreen_.EnableWindow(twoMonitors);
  secondaryScreen_.EnableWindow(twoMonitors);
  result = twoMonitors ? TwoMonitorLayout : TrainingLayout;
}

void CWhichEdition::OnScreenClicked() {
  UpdateData(TRUE);
  choiceMade_ = true;
  *screenChoice_ = primaryScreen_.GetCheck() == BST_CHECKED ? 1 : 0;
}

void CWhichEdition::OnOK() {
  // Enter after a screen radio alone has no layout to give.
  if (choiceMade_ && result != LayoutNotChosen) EndDialog(result);
}
