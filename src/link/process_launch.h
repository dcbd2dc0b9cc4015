// Starting a program as the console starts Orvenna and its players: in its own folder, in a
// new process group, without inheriting the console's handles.
#pragma once

#include <string>

#include "platform/win/win_types.h"

struct StartedProcess {
  DWORD error = 0;  // the system's error code of a failed start, else 0
  DWORD processId = 0;
};

// Arguments that do not begin with a blank get one in front.
StartedProcess StartProgram(const std::wstring& exePath, std::wstring arguments);
