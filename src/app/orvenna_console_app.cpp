#include "src/app/orvenna_console_app.h"

#include "platform/win/common_controls_api.h"
#include "res/console_resources.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/controls/message_box/message_box_dialog.h"

namespace {
constexpr DWORD AllControlClasses = 0xFF;
constexpr wchar_t RegistryKey[] = L"Halcyra Software";
}  // namespace

BOOL COrvennaConsoleApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = AllControlClasses;
  InitCommonControlsEx(&controls);
  CWinAppEx::InitInstance();
  AfxOleInit();
  AfxEnableControlContainer();
  SetRegistryKey(RegistryKey);

  COrvennaConsoleDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  // The process ends with the main dialog.
  return FALSE;
}

int COrvennaConsoleApp::DoMessageBox(LPCWSTR prompt, UINT type, UINT helpId) {
  return DoConsoleMessageBox(prompt, type, helpId);
}

int OrvennaConsoleMain(const std::wstring& commandLine) {
  SetModuleResources(&console_resources());
  COrvennaConsoleApp app;
  return AfxWinMain(commandLine);
}
