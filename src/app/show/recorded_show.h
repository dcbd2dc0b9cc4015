// A recorded show: the script Orvenna runs at replay, and the command lines the console replays
// itself for the steps that cannot go into that script.
#pragma once

#include <string>

struct RecordedShow {
  std::wstring recordedScript;
  std::wstring commandList;
};
