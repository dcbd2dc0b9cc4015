// The part of the main dialog's state that its dialogs share: the keypad's entry, start-up
// options, the interface language, the five events' flags and places, Orvenna's version,
// the default landscape and the last search's target.
#pragma once

#include <array>
#include <string>

inline constexpr int EventSlotCount = 5;

// The interface language that the dialogs take when none is stored: Italian and French only for
// those exact locales, English for every other.
int DialogLanguageOfUser();

class CConsoleState {
 public:
  // What the last search found: 0 typed text, 1 catalogue designation, 2 named object,
  // 3 solar-system body; targetExtra is a star's number, else 0.
  struct SearchTarget {
    std::wstring targetName;
    int targetKind = 0;
    int targetExtra = 0;
  };

  CConsoleState();

  void SetSearchTarget(std::wstring name, int kind, int extra);
  // Start-up options from OCconfig.ini; false when the file could not be read.
  bool LoadIniStartupOptions();

  bool entrySet = false;
  bool isUtc = true;
  bool wantMoonScale = false;
  bool consoleScreenCopy = true;
  int zoomSpeed = 10;
  int fadingDuration = 4;
  int initialAzimuth = 270;
  std::wstring dateText;
  std::wstring timeText;
  int language = 0;
  std::array<bool, EventSlotCount> eventSetsDate{};
  std::array<bool, EventSlotCount> eventEnabled{};
  std::array<bool, EventSlotCount> eventGoesToPlace{};
  // At most seven characters, as Orvenna's window title gives them.
  std::wstring planetariumVersionText;
  std::array<std::wstring, EventSlotCount> eventLatitude;
  std::array<std::wstring, EventSlotCount> eventLongitude;
  int defaultGroundIndex = 1;
  SearchTarget searchTarget;
  // -1 until the main dialog loads the monitoring window's rate.
  int monitorRefreshRate = -1;
  // Into Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon, Sun, Vesta.
  int homePlanetIndex = 2;
};
