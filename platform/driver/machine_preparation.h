// Scenario steps that prepare the machine, so that a scenario needs no shell around it:
//   regset KEY NAME TYPE VALUE        a registry value: KEY from HKEY_CURRENT_USER, HKCU,
//                                     HKEY_LOCAL_MACHINE or HKLM; TYPE REG_SZ, REG_EXPAND_SZ,
//                                     REG_DWORD, REG_QWORD or REG_BINARY
//   regdel KEY                        a registry key with every key and value below it
//   ini FILE SECTION KEY VALUE        an entry of an ini file
//   makefile PATH KIND ARGUMENT       a file of a kind of file_kinds.h: text TEXT, picture 640x480
// VALUE and ARGUMENT are the rest of the line. Paths are full Windows paths on the desktop's
// drives, %VARIABLES% taken from the environment; missing folders are made.
#pragma once

namespace driver {

class ScenarioRunner;

void add_preparation_verbs(ScenarioRunner& runner);

}  // namespace driver
