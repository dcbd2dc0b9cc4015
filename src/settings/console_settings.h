// The console's general settings in the registry: language, view, shooting stars, ground,
// home, display options, speed buttons, monitoring window and the start-up wait.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/win/win_types.h"
#include "src/settings/console_state.h"

inline constexpr int InterfaceLanguageCount = 6;

// 0 English, 1 Italian, 2 French, 3 Spanish, 4 Turkish, 5 Chinese.
unsigned ReadLanguage();
// The dialogs' reading of "Language": a stored index 0 to 5, also put into the state record;
// any other value or none gives the user's default (Italian and French for those exact locales,
// English otherwise), which is not stored.
int ReadDialogLanguageIndex(CConsoleState& state);

int ReadFieldOfView();
void WriteFieldOfView(int degrees);
int ReadShootingStarsFrequency();
void WriteShootingStarsFrequency(int zenithalHourlyRate);

// The landscape name, first letter in upper case.
std::wstring ReadDefaultGround();

std::wstring LoadHomeLocation();
void SaveHomeLocation(std::wstring_view place);

// Bits: 1 art, 2 lines, 4 boundaries, 8 names.
int LoadDisplayOpts();
void SaveDisplayOpts(int options);

struct SpeedOptions {
  std::array<int, 4> speeds{1, 1, 1, 1};
  int options = 0xFFFFFF;
};
SpeedOptions LoadSpeedOptions();
void SaveSpeedOptions(const SpeedOptions& options);

struct PlaybackOptions {
  int windowSizePercent = 70;
  int refreshPerSecond = 3;
  COLORREF pointerColor = 0x3232FF;
};
PlaybackOptions LoadPlaybackOptions();
void SavePlaybackOptions(const PlaybackOptions& options, int startupWaitSeconds);
// Seconds to wait after starting Orvenna.
int LoadStartupWait();
