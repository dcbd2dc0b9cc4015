// A chooser run modally in a program of its own ("app.exe", with the console's resources and
// its registry key), over an owner window at a known place, driven by the desktop's user.
#pragma once

#include <functional>
#include <string>

#include "platform/afx/afx.h"
#include "platform/driver/desktop_user.h"
#include "tests/platform/desktop_fixture.h"

class ChooserTest : public DesktopTest {
 protected:
  // Runs the dialog that run makes modal over the owner until the program waits; the dialog's
  // result becomes the program's exit code.
  void open(std::function<INT_PTR(CWnd* owner)> run, RECT ownerRect = {0, 0, 1000, 600});
  // The dialog's result, or -1 while it is open.
  long result() const;
  bool open_now() const { return result() == -1; }
  // The dialog in front.
  HWND dialog() const { return user.target_window(); }
  static void set_language(DWORD index);
  // The control that has the focus of the dialog's thread.
  int focused_id();

  driver::DesktopUser user{machine};

 private:
  desktop::Process* process_ = nullptr;
};
