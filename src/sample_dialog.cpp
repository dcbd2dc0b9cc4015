#include "src/sample_dialog.h"

#include "platform/afx/afx.h"
#include "res/console_resources.h"

namespace {

constexpr UINT kSampleDialog = 30000;
constexpr int kObjectName = 30001;

class CSampleDlg : public CDialog {
 public:
  CSampleDlg() : CDialog(kSampleDialog) {}

  void OnSpeed(UINT id) {
    static constexpr const wchar_t* kSpeeds[] = {L"Slower", L"Normal", L"Faster"};
    SetDlgItemText(kObjectName, kSpeeds[id - 30002]);
  }
  void OnOK() override {
    if (AfxMessageBox(L"Close the sample dialog?", MB_YESNO | MB_ICONQUESTION) == IDYES) CDialog::OnOK();
  }

 protected:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSampleDlg, CDialog)
ON_COMMAND_RANGE(30002, 30004, &CSampleDlg::OnSpeed)
END_MESSAGE_MAP()

class CSampleApp : public CWinApp {
 public:
  CSampleApp() : CWinApp(L"Orvenna Console") {}
  BOOL InitInstance() override {
    SetRegistryKey(L"Halcyra Software");
    CSampleDlg dialog;
    m_pMainWnd = &dialog;
    WriteProfileIntW(L"Sample", L"Result", static_cast<int>(dialog.DoModal()));
    m_pMainWnd = nullptr;
    return FALSE;
  }
};

}  // namespace

int sample_program_main(const std::wstring& command_line) {
  SetModuleResources(&console_resources());
  CSampleApp app;
  return AfxWinMain(command_line);
}

desktop::Launch start_sample_program(desktop::Desktop& machine) {
  machine.register_program(L"orvenna-console.exe", sample_program_main);
  machine.install_program(kConsolePath);
  desktop::LaunchRequest request;
  request.path = kConsolePath;
  return machine.launch_program(request);
}
