// The layout chooser shown at every start: the two-monitor or the training layout and, for the
// first, the monitor that holds the console.
#pragma once

#include "platform/afx/button.h"
#include "platform/afx/dialog.h"
#include "src/link/planetarium_link.h"

class CWhichEdition : public CDialog {
 public:
  enum { IDD = 90 };
  static constexpr int TwoMonitorRadio = 985;
  static constexpr int TrainingRadio = 984;
  static constexpr int PrimaryScreenRadio = 40001;
  static constexpr int SecondaryScreenRadio = 40002;

  // screenChoice is the main dialog's ConsoleScreen: 1 primary, 0 secondary, written at each click.
  CWhichEdition(BYTE* screenChoice, CWnd* owner);

  // 1 two-monitor, 2 training; 0 when cancelled.
  BYTE result = LayoutNotChosen;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override { EndDialog(0); }
  void OnLayoutClicked();
  void OnScreenClicked();

  DECLARE_MESSAGE_MAP()

 private:
  CButton twoMonitor_;
  CButton training_;
  CButton primaryScreen_;
  CButton secondaryScreen_;
  CButton ok_;
  bool choiceMade_ = false;
  BYTE* screenChoice_;
};
