// Whether videos play in the external player mpv: chosen in OCconfig.ini, and installed beside
// the console.
#pragma once

// OCconfig.ini's [behavior] usePlayer is "MPV", in any case.
bool IsMpvPlayerSelected();
// "mpv.exe" is in the console's own program folder.
bool MpvProgramInstalled();
