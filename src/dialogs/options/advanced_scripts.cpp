#include "src/dialogs/options/advanced_scripts.h"

#include <cwchar>

#include "src/dialogs/options/advanced_settings.h"

namespace {

std::wstring Formatted(const wchar_t* format, int a, int b, int c) {
  wchar_t text[48]{};
  std::swprintf(text, 48, format, a, b, c);
  return text;
}

constexpr wchar_t TestBoundariesBody[] =
    L"var culture = core.getSkyCulture();\r"
    L"var fIS = ConstellationMgr.getFlagIsolateSelected();\r"
    L"var fA = ConstellationMgr.getFlagArt();\rvar fL = ConstellationMgr.getFlagLines();\r"
    L"var fB = ConstellationMgr.getFlagBoundaries();\rvar fLb = ConstellationMgr.getFlagLabels();\r"
    L"if (fA == true) {ConstellationMgr.setFlagArt(false);}\r"
    L"if (fL == true) {ConstellationMgr.setFlagLines(false);}\r"
    L"if (fB == true) {ConstellationMgr.setFlagBoundaries(false);}\r"
    L"if (fLb == true) {ConstellationMgr.setFlagLabels(false);}\r"
    L"if (culture != \"western\")\r{core.setSkyCulture(\"western\");}\r"
    L"if (fIS) { ConstellationMgr.setFlagIsolateSelected(true);}\r"
    L"ConstellationMgr.setFlagBoundaries(true);\r"
    L"core.wait(2);\r"
    L"ConstellationMgr.setFlagBoundaries(false);\r";

}  // namespace

std::wstring StarAppearanceScript(int absolutePosition, int relativePosition, bool starNames) {
  wchar_t text[160]{};
  std::swprintf(text, 160,
                L"OrvSkyDrawer.setAbsoluteStarScale(%f);\rOrvSkyDrawer.setRelativeStarScale(%f);\r"
                L"StarMgr.setFlagLabels(%ls);\r",
                static_cast<double>(static_cast<float>(absolutePosition) / 100.0f),
                static_cast<double>(static_cast<float>(relativePosition) / 100.0f),
                starNames ? L"true" : L"false");
  return text;
}

std::wstring StartDateTestScript(const std::wstring& datePart, const std::wstring& timePart) {
  return L"core.setDate(\"" + datePart + L"T" + timePart + L"\");\r";
}

std::wstring SystemDatePart(const SYSTEMTIME& today) {
  return Formatted(L"%05d-%02d-%02d", today.wYear, today.wMonth, today.wDay);
}

std::wstring ChosenDatePart(const SYSTEMTIME& day) {
  return Formatted(L"%d-%02d-%02d", day.wYear, day.wMonth, day.wDay);
}

std::wstring TimePart(const SYSTEMTIME& time) {
  return Formatted(L"%02d:%02d:%02d", time.wHour, time.wMinute, time.wSecond);
}

std::wstring ApplyBoundariesScript(COLORREF colour) {
  return L"var v = Vec3f(" + BoundariesColourText(colour) + L");\rConstellationMgr.setBoundariesColor(v);\r";
}

std::wstring TestBoundariesScript(COLORREF colour) {
  return ApplyBoundariesScript(colour) + TestBoundariesBody;
}

std::wstring MoonScaleScript(bool on) {
  return on ? L"SolarSystem.setFlagMoonScale(true);\r" : L"SolarSystem.setFlagMoonScale(false);\r";
}
