// A fresh desktop per test with a program ("app.exe") that runs a body on the framework: its
// resources are the tests' sample table.
#pragma once

#include <functional>

#include "platform/afx/afx.h"
#include "tests/platform/desktop_fixture.h"

extern const ResourceTable kSampleResources;

class AfxTest : public DesktopTest {
 protected:
  // Starts app.exe, whose main thread runs body, and lets it run until it waits.
  desktop::DesktopThread& start_app(std::function<int()> body);
  // The program's exit code once it ended, or -1 while it runs.
  long exit_code() const;
  // The top-level dialog (class "#32770") titled so, or any when title is null.
  HWND find_dialog(const wchar_t* title = nullptr) const;
  std::vector<std::wstring> child_texts(HWND parent) const;

  desktop::Process* app_process = nullptr;
};
