// The sixteen multimedia buttons in the registry: type, file or folder, folder flag and the
// video options of each.
#pragma once

#include <array>
#include <string>

inline constexpr int MultimediaButtonCount = 16;
// Button types run from -1 (no media) to 3.
inline constexpr int NoMediaType = -1;

struct ScriptButtons {
  std::array<int, MultimediaButtonCount> types;
  std::array<std::wstring, MultimediaButtonCount> names;
};
ScriptButtons LoadScriptButtons();
void SaveScriptButtons(const ScriptButtons& buttons);

std::array<bool, MultimediaButtonCount> LoadUseFolderFlags();
// Writes nothing while the console's key does not exist.
void SaveUseFolderFlags(const std::array<bool, MultimediaButtonCount>& flags);

// Button k's file name; empty when missing.
std::wstring LoadScriptName(int k);

struct VideoOptions {
  std::wstring fileName;
  bool fullScreen = false;
  int width = 100;
  int height = 100;
  int xOffset = 0;
  int yOffset = 0;
  int volume = 100;
  int rotation = 0;
  bool flip = false;
};
// False when the button has no file name. A missing width or height keeps the one the caller
// set before it is checked against its limits.
bool LoadVideoOptions(int k, VideoOptions& options);
void SaveVideoOptions(int k, const VideoOptions& options);
