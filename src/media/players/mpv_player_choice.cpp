// Whether videos play in mpv: OCconfig.ini's choice of player, and mpv beside the console.
#include "src/media/players/mpv_player_choice.h"

#include <string>

#include "platform/win/win32.h"
#include "src/settings/ini_files.h"
#include "src/util/compare_no_case.h"

namespace {
constexpr wchar_t BehaviorSection[] = L"behavior";
constexpr wchar_t PlayerKey[] = L"usePlayer";
constexpr wchar_t MpvChoice[] = L"MPV";
constexpr wchar_t MpvProgram[] = L"mpv.exe";
}  // namespace

bool IsMpvPlayerSelected() {
  std::wstring player;
  return ReadIniValue(ConsoleIniFile, BehaviorSection, PlayerKey, player) &&
         CompareTextNoCase(player, MpvChoice) == 0;
}

bool MpvProgramInstalled() {
  wchar_t path[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.erase(folder.find_last_of(L'\\') + 1);
  return ::PathFileExistsW((folder + MpvProgram).c_str()) != FALSE;
}
