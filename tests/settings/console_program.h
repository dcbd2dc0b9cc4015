// Runs code as the console does: in a program of the desktop, with the string table's texts
// that these tests need and an application object that records every message box.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/afx/win_app.h"
#include "tests/platform/desktop_fixture.h"

struct ShownMessage {
  std::wstring text;
  UINT type;
  bool operator==(const ShownMessage&) const = default;
};

class RecordingApp : public CWinApp {
 public:
  int DoMessageBox(LPCWSTR prompt, UINT type, UINT) override;
  std::vector<ShownMessage> shown;
};

class ConsoleProgramTest : public DesktopTest {
 protected:
  // Runs body on the program's main thread until it returns; gives the message boxes shown.
  std::vector<ShownMessage> RunAsConsole(const std::function<void()>& body);
};

void PrintTo(const ShownMessage& message, std::ostream* out);
