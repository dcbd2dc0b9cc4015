// The zodiac: a tour of its thirteen constellations (undone by the next press), and a walk through
// them one press at a time.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "src/app/console_timers.h"
#include "src/app/show/demonstration_guards.h"
#include "src/link/script_literal.h"
#include "src/util/format_text.h"

namespace {

constexpr wchar_t ZodiacFile[] = L"Zodiac.ovs";
constexpr wchar_t Zodiac13File[] = L"Zodiac13.ovs";
constexpr int ZodiacScriptMs = 4500;
constexpr UINT TourMs = 81200;
constexpr UINT UndoMs = 5000;
// Recorded this short so that a step pressed during the undo still goes into the recorded script.
constexpr float UndoRecordedMs = 4;
constexpr UINT WalkStartMs = 5000;
constexpr std::uint16_t WalkSteps = 14;

constexpr std::array<std::wstring_view, 13> ZodiacConstellations{
    L"Aries",    L"Taurus",    L"Gemini",      L"Cancer",      L"Leo",      L"Virgo",  L"Libra",
    L"Scorpius", L"Ophiuchus", L"Sagittarius", L"Capricornus", L"Aquarius", L"Pisces",
};

constexpr wchar_t EclipticView[] =
    L"core.setFlagGravityLabels(true);\rLabelMgr.deleteAllLabels();\rGridLinesMgr.setFlagEclipticLine(true);"
    L"\r"
    L"core.setFlagGravityLabels(true);\r"
    L"LandscapeMgr.setFlagAtmosphere(false);\r"
    L"ConstellationMgr.setFlagBoundaries(false);\r"
    L"ConstellationMgr.setFlagLines(false);\r"
    L"ConstellationMgr.setFlagLabels(false);\r"
    L"GridLinesMgr.setFlagEclipticLine(true);\r"
    L"ConstellationMgr.setFlagArt(false);\r"
    L"LandscapeMgr.setFlagLandscape(false);\r"
    L"OrvMovementMgr.zoomTo(180,3);\r"
    L"core.wait(5);\r"
    L"ConstellationMgr.setFlagIsolateSelected(true);\r"
    L"core.selectObjectByName(\"Aries\", false);\r"
    L"ConstellationMgr.setFlagArt(true);\r"
    L"ConstellationMgr.setFlagBoundaries(true);\r"
    L"ConstellationMgr.setFlagLines(true);\r"
    L"ConstellationMgr.setFlagLabels(true);\r"
    L"OrvMovementMgr.setFlagTracking(true);\r";
constexpr wchar_t TourFirstWait[] = L"core.wait(10)\r";
constexpr wchar_t SelectFormat[] = L"core.selectObjectByName(%s, false);\r";
constexpr wchar_t Tracking[] = L"OrvMovementMgr.setFlagTracking(true);\r";
constexpr wchar_t TourWait[] = L"core.wait(6);\r";
constexpr wchar_t Isolate[] = L"ConstellationMgr.setFlagIsolateSelected(true);\r";
// The culture reloaded ends every isolation Orvenna still holds.
constexpr wchar_t FiguresOff[] =
    L"ConstellationMgr.setFlagArt(false);\r"
    L"ConstellationMgr.setFlagLines(false);\r"
    L"ConstellationMgr.setFlagBoundaries(false);\r"
    L"ConstellationMgr.setFlagLabels(false);\r"
    L"core.wait(4);\r"
    L"core.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\r";

std::wstring SelectStatement(std::wstring_view name) {
  return FormatText(SelectFormat, ScriptStringLiteral(name).c_str());
}

std::wstring TourScript() {
  std::wstring script = std::wstring(EclipticView) + TourFirstWait;
  for (std::wstring_view name : std::span(ZodiacConstellations).subspan(1))
    script += SelectStatement(name) + Tracking + TourWait;
  return script;
}

// The zodiac's entries in the constellation table, in the table's order.
std::vector<std::uint8_t> ZodiacIndices(const ConstellationList& list) {
  std::vector<std::uint8_t> indices;
  for (std::wstring_view name : ZodiacConstellations) {
    const std::uint8_t index = list.FindIndex(name);
    if (index != NoConstellation) indices.push_back(index);
  }
  std::sort(indices.begin(), indices.end());
  return indices;
}

}  // namespace

void COrvennaConsoleDlg::OnZodiac() {
  if (!PassActionGuards(DemonstrationGuards(true))) return;
  const std::vector<std::uint8_t> zodiac = ZodiacIndices(ConstellationNames);
  auto& isolated = ConstellationNames.isolated;
  if (!zodiacTourShown) {
    for (std::uint8_t index : zodiac)
      isolated[index] = 1;
    scriptRunning = true;
    zodiacTourShown = true;
    RunZodiacScript(TourScript(), ZodiacFile, TourMs, static_cast<float>(TourMs));
    return;
  }
  // Selected again in isolation, an isolated constellation leaves it.
  std::wstring script = Isolate;
  for (std::uint8_t index : zodiac) {
    if (isolated[index] == 0) continue;
    script += SelectStatement(ConstellationNames.names[index]);
    isolated[index] = 0;
  }
  script += FiguresOff;
  scriptRunning = true;
  zodiacTourShown = false;
  RunZodiacScript(script, ZodiacFile, UndoMs, UndoRecordedMs);
}

void COrvennaConsoleDlg::OnZodiac13() {
  if (!PassActionGuards(DemonstrationGuards(true))) return;
  const std::uint16_t step = zodiac13Step;
  zodiac13Step = static_cast<std::uint16_t>((step + 1) % WalkSteps);
  auto& isolated = ConstellationNames.isolated;
  auto isolate = [&](std::wstring_view name) {
    const std::uint8_t index = FindConstellationIndex(name);
    if (index != NoConstellation) isolated[index] = 1;
  };

  if (step == 0) {
    isolate(ZodiacConstellations[0]);
    scriptRunning = true;
    RunZodiacScript(EclipticView, Zodiac13File, WalkStartMs, static_cast<float>(WalkStartMs));
  } else if (step < ZodiacConstellations.size()) {
    isolate(ZodiacConstellations[step]);
    // The steps between leave the script flag alone, so the presenter can step on at once.
    RunZodiacScript(Isolate + SelectStatement(ZodiacConstellations[step]) + Tracking, Zodiac13File, 0, 0);
  } else {
    for (std::uint8_t index : ZodiacIndices(ConstellationNames))
      isolated[index] = 0;
    scriptRunning = true;
    RunZodiacScript(std::wstring(Isolate) + FiguresOff, Zodiac13File, UndoMs, UndoRecordedMs);
  }
}

void COrvennaConsoleDlg::RunZodiacScript(const std::wstring& script, const wchar_t* file, UINT scriptFlagMs,
                                         float recordedMs) {
  RunScript(script, file, false, ZodiacScriptMs);
  if (scriptFlagMs != 0) SetTimer(ScriptFlagTimer, scriptFlagMs, nullptr);
  BringConsoleForward();
  RecordStep(script, L"", recordedMs);
}
