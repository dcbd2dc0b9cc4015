// The place-and-view script of a prepared event: where the observer goes and on which ground,
// the view it gets, and the target it selects.
#pragma once

#include <optional>
#include <string>

#include "src/settings/event_settings.h"
#include "src/util/coordinates.h"

inline constexpr wchar_t EventPlaceScriptName[] = L"GoToLocation.ovs";

// Signed decimal degrees with four decimals, truncated; negative when the hemisphere is not "E"
// (longitude) or not "N" (latitude).
std::wstring EventCoordinateText(const CoordinateParts& parts, bool isLongitude);

// How the event's target is shown and which name Orvenna selects.
struct EventTargetShown {
  std::wstring selection;
  // Isolate mode with the constellation parts, every part off, or nothing.
  std::wstring displayLines;
  bool ground = false;
};

struct EventScene {
  int slot = 0;
  std::wstring memo;
  std::wstring body;  // the English name Orvenna knows the body by
  std::wstring longitude;
  std::wstring latitude;
  std::wstring defaultGround;
  int initialAzimuth = 0;
  int fieldOfView = 0;
  int fadingDuration = 0;
  EventViewFlags view;
  std::optional<EventTargetShown> target;
};

std::wstring EventPlaceScript(const EventScene& scene);
// What the place script takes to run: 11 s, 15 s with a target, and 8 s more with the auto-zoom.
int EventPlaceRunMs(bool hasTarget, bool autoZoom);
