// A fixture that runs a dialog modally in a program of its own ("app.exe", with the console's
// resources), as the console runs its dialogs, for the test to click and type at.
#pragma once

#include "platform/afx/afx.h"
#include "res/console_resources.h"
#include "tests/controls/user_input.h"
#include "tests/platform/desktop_fixture.h"

template <typename Dialog>
class DialogProgramTest : public DesktopTest {
 protected:
  DialogProgramTest() {
    start_program(L"app.exe", [this] {
      SetModuleResources(&console_resources());
      CWinApp app(L"Console");
      Dialog shown;
      dialog = &shown;
      shown.DoModal();
      dialog = nullptr;
      return DWORD{0};
    });
    machine.run_until_idle();
  }

  UserInput user{machine};
  Dialog* dialog = nullptr;
};
