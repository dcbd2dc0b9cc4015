// Whether videos play in mpv: OCconfig.ini's choice of player.
#include "src/media/wm_play_video.h"
#include "src/settings/ini_files.h"
#include "src/util/compare_no_case.h"

namespace {
constexpr wchar_t BehaviorSection[] = L"behavior";
constexpr wchar_t PlayerKey[] = L"usePlayer";
constexpr wchar_t MpvChoice[] = L"MPV";
}  // namespace

bool IsMpvPlayerSelected() {
  std::wstring player;
  return ReadIniValue(ConsoleIniFile, BehaviorSection, PlayerKey, player) &&
         CompareTextNoCase(player, MpvChoice) == 0;
}
