// The shell of a logged-on machine: the taskbar along the bottom of the primary monitor and
// the Start button, owned by a program of their own.
#pragma once

namespace desktop {

class Desktop;

inline constexpr int kTaskbarHeight = 40;

// Starts the shell and leaves the taskbar's strip out of the primary monitor's work area.
void start_shell(Desktop& machine);

}  // namespace desktop
