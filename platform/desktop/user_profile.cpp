#include "platform/desktop/user_profile.h"

namespace desktop {

namespace {

struct Variable {
  const wchar_t* name;
  const wchar_t* value;
};

constexpr Variable kStandardEnvironment[] = {
    {L"ALLUSERSPROFILE", L"C:\\ProgramData"},
    {L"APPDATA", L"C:\\Users\\presenter\\AppData\\Roaming"},
    {L"CommonProgramFiles", L"C:\\Program Files\\Common Files"},
    {L"COMPUTERNAME", L"PLANETARIUM"},
    {L"ComSpec", L"C:\\Windows\\system32\\cmd.exe"},
    {L"HOMEDRIVE", L"C:"},
    {L"HOMEPATH", L"\\Users\\presenter"},
    {L"LOCALAPPDATA", L"C:\\Users\\presenter\\AppData\\Local"},
    {L"OS", L"Windows_NT"},
    {L"Path", L"C:\\Windows\\system32;C:\\Windows"},
    {L"PATHEXT", L".COM;.EXE;.BAT;.CMD"},
    {L"ProgramData", L"C:\\ProgramData"},
    {L"ProgramFiles", L"C:\\Program Files"},
    {L"ProgramFiles(x86)", L"C:\\Program Files (x86)"},
    {L"PUBLIC", L"C:\\Users\\Public"},
    {L"SystemDrive", L"C:"},
    {L"SystemRoot", L"C:\\Windows"},
    {L"TEMP", L"C:\\Users\\presenter\\AppData\\Local\\Temp"},
    {L"TMP", L"C:\\Users\\presenter\\AppData\\Local\\Temp"},
    {L"USERDOMAIN", L"PLANETARIUM"},
    {L"USERNAME", L"presenter"},
    {L"USERPROFILE", L"C:\\Users\\presenter"},
    {L"windir", L"C:\\Windows"},
};

constexpr const wchar_t* kStandardFolders[] = {
    L"C:\\ProgramData",
    L"C:\\Program Files\\Common Files",
    L"C:\\Program Files (x86)",
    L"C:\\Users\\Public",
    L"C:\\Users\\presenter\\AppData\\Local\\Temp",
    L"C:\\Users\\presenter\\AppData\\Roaming",
    L"C:\\Windows\\System32",
};

}  // namespace

Environment standard_environment() {
  Environment environment;
  for (const Variable& variable : kStandardEnvironment)
    environment.set(variable.name, variable.value);
  return environment;
}

void make_standard_folders(DriveMap& drives) {
  for (const wchar_t* folder : kStandardFolders)
    drives.make_folders(folder);
}

}  // namespace desktop
