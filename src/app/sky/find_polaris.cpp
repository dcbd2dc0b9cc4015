// The pole star found from the pointer stars of the Big Dipper.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "platform/win/window_api.h"
#include "src/app/show/demonstration_guards.h"
#include "src/link/script_literal.h"
#include "src/util/format_text.h"

namespace {

constexpr wchar_t FindPolarisFile[] = L"findPolar.ovs";
constexpr int FindPolarisMs = 17100;

constexpr wchar_t PointerBlink[] =
    L"for (i = 0; i < 4; i++)\r{\r"
    L"   core.selectObjectByName(\"HP53910\",true);\r"
    L"   core.wait(0.5);\r"
    L"   core.selectObjectByName(\"HP54061\",true);\r"
    L"   core.wait(0.5);\r"
    L"}\r"
    L"core.setFlagGravityLabels(true);\r";

struct PointerStar {
  std::wstring_view star;
  std::wstring_view name;
};
constexpr std::array PointerStars{
    PointerStar{L"HP53910", L"Merak (UMa)"},
    PointerStar{L"HP54061", L"Dubhe (UMa)"},
};
constexpr wchar_t SelectStarFormat[] = L"core.selectObjectByName(%s,true);\r";
constexpr wchar_t ScreenLabelFormat[] = L"lab%d = LabelMgr.labelScreen(%s, %d, %d, true, %d, \"#ffffff\");\r";
constexpr wchar_t ShowLabelFormat[] = L"LabelMgr.setLabelShow(lab%d, true);\r";
constexpr int LabelAbove = -220;
constexpr int LabelBelow = 180;
constexpr int LabelSize = 20;

constexpr wchar_t HideFigures[] =
    L"LabelMgr.deleteAllLabels();\r"
    L"var art = ConstellationMgr.getFlagArt();\r"
    L"var bound = ConstellationMgr.getFlagBoundaries();\r"
    L"var line = ConstellationMgr.getFlagLines();\r"
    L"var names = ConstellationMgr.getFlagLabels();\r"
    L"ConstellationMgr.setFlagArt(false);\r"
    L"ConstellationMgr.setFlagBoundaries(false);\r"
    L"ConstellationMgr.setFlagLines(false);\r"
    L"ConstellationMgr.setFlagLabels(false);\r";

// From the Dipper's bowl along the handle towards the pole.
constexpr std::array<std::wstring_view, 4> StepStars{L"HP54540", L"HP54442", L"HP55561", L"HP56340"};
constexpr wchar_t StepWait[] = L"core.wait(1.2);\r";
// Selected again, an isolated Big Dipper leaves isolation so the way to the pole stays visible.
constexpr wchar_t ReleaseUrsaMajor[] = L"core.selectObjectByName(\"Ursa Major\",false);\r";

constexpr wchar_t SelectPolarisAndRestore[] =
    L"core.selectObjectByName(\"HP11767\",true);\r"
    L"ConstellationMgr.setFlagArt(art);\r"
    L"ConstellationMgr.setFlagBoundaries(bound);\r"
    L"ConstellationMgr.setFlagLines(line);\r"
    L"ConstellationMgr.setFlagLabels(names);\r";

std::wstring FindPolarisScript(int cx, int cy, bool ursaMajorIsolated) {
  std::wstring script = PointerBlink;
  for (const PointerStar& pointer : PointerStars) {
    const std::wstring star = ScriptStringLiteral(pointer.star);
    const std::wstring name = ScriptStringLiteral(pointer.name);
    script += L"LabelMgr.deleteAllLabels();\r";
    script += FormatText(SelectStarFormat, star.c_str());
    script += FormatText(ScreenLabelFormat, 1, name.c_str(), cx, cy + LabelAbove, LabelSize);
    script += FormatText(ShowLabelFormat, 1);
    script += FormatText(ScreenLabelFormat, 2, name.c_str(), cx, cy + LabelBelow, LabelSize);
    script += FormatText(ShowLabelFormat, 2);
    script += L"core.wait(4);\r";
  }
  script += HideFigures;
  for (std::wstring_view star : StepStars) {
    script += FormatText(SelectStarFormat, ScriptStringLiteral(star).c_str());
    script += StepWait;
  }
  if (ursaMajorIsolated) script += ReleaseUrsaMajor;
  script += SelectPolarisAndRestore;
  return script;
}

}  // namespace

void COrvennaConsoleDlg::OnFindPolaris() {
  if (!PassActionGuards(DemonstrationGuards(true))) return;
  HWND main = FindPlanetariumWindow();
  if (main == nullptr) return;
  WINDOWINFO info{};
  info.cbSize = sizeof(info);
  GetWindowInfo(main, &info);
  const int cx = (info.rcClient.right - info.rcClient.left) / 2;
  const int cy = (info.rcClient.bottom - info.rcClient.top) / 2;

  auto& isolated = ConstellationNames.isolated;
  const std::uint8_t ursaMajor = FindConstellationIndex(L"Ursa Major");
  const std::wstring script =
      FindPolarisScript(cx, cy, ursaMajor != NoConstellation && isolated[ursaMajor] != 0);
  // In isolation, selecting the pole star isolates its constellation.
  const std::uint8_t ursaMinor = FindConstellationIndex(L"Ursa Minor");
  if (ursaMinor != NoConstellation &&
      std::any_of(isolated.begin(), isolated.end(), [](auto f) { return f != 0; }))
    isolated[ursaMinor] = 1;

  RunScript(script, FindPolarisFile, true, FindPolarisMs);
  scriptRunning = true;
  RecordStep(script, L"", FindPolarisMs);
}
