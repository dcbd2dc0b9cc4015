// Kernel objects of the desktop: threads, processes and events, which can be waited on, and
// open files.
#pragma once

#include "platform/win/win_types.h"

namespace desktop {

struct KernelObject {
  enum class Kind { Thread, Process, Event, File };

  Kind kind;
  DWORD id = 0;  // thread or process id
  bool signalled = false;
  bool manual_reset = true;  // events only; threads and processes stay signalled
  DWORD exit_code = 259;     // STILL_ACTIVE while running

  explicit KernelObject(Kind k) : kind(k) {}

  // Takes the signal as a satisfied wait does: an auto-reset event resets.
  void consume() {
    if (kind == Kind::Event && !manual_reset) signalled = false;
  }
};

}  // namespace desktop
