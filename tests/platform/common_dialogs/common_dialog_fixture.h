// A desktop with a few shows on drive C:, a program that opens a common dialog, and the
// presenter's mouse and keyboard (the driver) to answer it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/driver/desktop_user.h"
#include "tests/platform/desktop_fixture.h"

class CommonDialogTest : public DesktopTest {
 protected:
  // C:\Shows holds old.ocsf, notes.txt and the folder 2024 with talk.ocsf.
  CommonDialogTest();
  // Runs body in a program of its own and lets it run until its dialog waits for the user;
  // returns the window in front.
  HWND open(std::function<void()> body);
  // The first column of a list view's rows, and a list box's rows.
  static std::vector<std::wstring> list_view_rows(HWND list);
  static std::vector<std::wstring> list_box_rows(HWND list);

  driver::DesktopUser user{machine};
};
