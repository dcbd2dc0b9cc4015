// The console's application object: it runs the main dialog modally and ends the process with it.
#pragma once

#include <string>

#include "platform/afx/win_app.h"

class COrvennaConsoleApp : public CWinAppEx {
 public:
  BOOL InitInstance() override;
  // Every message box of the program is the console's own, in its interface language.
  int DoMessageBox(LPCWSTR prompt, UINT type, UINT helpId) override;
};

// The console program's entry on the desktop, "orvenna-console.exe".
int OrvennaConsoleMain(const std::wstring& commandLine);
