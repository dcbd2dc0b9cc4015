// The precession of the pole over 25,000 years, seen from 60 degrees north or south.
#include <string>

#include "src/app/show/demonstration_guards.h"

namespace {

constexpr wchar_t PrecessionFile[] = L"precession.ovs";
constexpr int NorthMs = 145000;
constexpr int SouthMs = 160000;

// Switching the culture away and back reloads the figures, which ends any isolation.
constexpr wchar_t Opening[] =
    L"core.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\rvar art = "
    L"ConstellationMgr.getFlagArt();\r"
    L"var bound = ConstellationMgr.getFlagBoundaries();\r"
    L"var line = ConstellationMgr.getFlagLines();\rvar names = ConstellationMgr.getFlagLabels();\r"
    L"var atmo = LandscapeMgr.getFlagAtmosphere();\rvar fog = LandscapeMgr.getFlagFog();\r"
    L"core.selectObjectByName(\"\",false);\rConstellationMgr.setFlagIsolateSelected(true);\r"
    L"var pos = core.getObserverLocationInfo();\rConstellationMgr.setFlagArt(false);\r"
    L"ConstellationMgr.setFlagBoundaries(false);\rConstellationMgr.setFlagLines(false);\r"
    L"ConstellationMgr.setFlagLabels(false);\rcore.setFlagGravityLabels(true);\r";

constexpr wchar_t NorthPlace[] =
    L"GridLinesMgr.setFlagEquatorGrid(true);\rcore.setObserverLocation(0, 60, 0, 8, \"precession\", "
    L"\"Earth\");\r"
    L"core.wait(4);\rLandscapeMgr.setFlagAtmosphere(false);\r"
    L"core.wait(4);\r";
constexpr wchar_t SouthPlace[] =
    L"GridLinesMgr.setFlagEquatorGrid(true);\rcore.setObserverLocation(0, -60, 0, 8, \"precession\", "
    L"\"Earth\");\r"
    L"core.wait(4);\rLandscapeMgr.setFlagAtmosphere(false);\r"
    L"core.wait(4);\r";

constexpr wchar_t YearLabelsMade[] =
    L"\tvar x = core.getScreenWidth();\r\tvar y = core.getScreenHeight();\r"
    L"\tlab1 = LabelMgr.labelScreen(\"\",x/2-(y/2.25), y/2-((x/y)*3)-90,false,26,\"#ffffff\");\r"
    L"\tlab2 = LabelMgr.labelScreen(\"\",x/2+(y/2.25), y/2-((x/y)*3)+30,false,26,\"#ffffff\");\r";
constexpr wchar_t YearLabelsShown[] =
    L"\tLabelMgr.setLabelShow(lab1, true);\r\tLabelMgr.setLabelShow(lab2, true);\r";

constexpr wchar_t LoopHeadStart[] =
    L"for (i=0; i<140; i++)\r{\r\tcore.setDate(\"+65192 days sidereal\");\r\tdate = "
    L"core.getDate().split(\"T\");\r"
    L" \tyear = date[0].split(\"-\");\r";
constexpr wchar_t NorthYearText[] = L"\tdate[0] = \"YEAR: \"+year[0] ;\r";
constexpr wchar_t SouthYearText[] = L"\tdate[0] = \"YEAR: \"+year[0];\r";
constexpr wchar_t LoopHeadLabels[] =
    L" LabelMgr.setLabelText(lab2, date[0]);\r LabelMgr.setLabelText(lab1, date[0]);\r";

constexpr wchar_t LastYearHeld[] = L"\tif (i == 139)\r\t{\r\t   core.wait(10);\r\t}\r";
constexpr wchar_t LoopEnd[] = L"\t}\r";
constexpr wchar_t Restore[] =
    L"ConstellationMgr.setFlagBoundaries(bound);\r"
    L"ConstellationMgr.setFlagLines(line);\r"
    L"ConstellationMgr.setFlagLabels(names);\r"
    L"LandscapeMgr.setFlagAtmosphere(atmo);\r"
    L"LandscapeMgr.setFlagFog(fog);\r";

constexpr wchar_t NorthBody[] =
    L"core.selectObjectByName(\"HP11767\",true);\rLabelMgr.deleteAllLabels();\r"
    L"var labPolaris = LabelMgr.labelObject(\"Polaris, Alpha Ursa Minor\", \"Polaris\", true, 20, "
    L"\"#ffffff\");\r"
    L"LabelMgr.setLabelShow(labPolaris, true);\rcore.wait(5);\rcore.selectObjectByName(\"Ursa Minor\", "
    L"false);\r"
    L"ConstellationMgr.setFlagArt(true);\rConstellationMgr.setConstellationDisplayStyle(2);\r";
constexpr wchar_t NorthFiguresShown[] =
    L"ConstellationMgr.setFlagLabels(true);\rcore.wait(4);\rLabelMgr.setLabelShow(labPolaris,false);\r"
    L"ConstellationMgr.setFlagBoundaries(true);\rGridLinesMgr.setFlagPrecessionCircles(true);\rcore.wait(5);"
    L"\r";
// The constellations near the pole as it passes them.
constexpr wchar_t NorthStops[] =
    L"  core.wait(0.6);\r\tif (i == 130)\r\t{\r\t   core.selectObjectByName(\"Camelopardalis\");\r"
    L"\t   core.wait(3);\r\t}\r\tif (i == 8)\r\t{\r\t   core.selectObjectByName(\"Cepheus\");\r\t   "
    L"core.wait(5);\r\t}\r"
    L"\tif (i == 46)\r\t{\r\t   core.selectObjectByName(\"Cygnus\");\r\t   core.wait(5);\r\t}\r"
    L"\tif (i == 65)\r\t{\r\t   core.selectObjectByName(\"Lyra\");\r\t   core.wait(5);\r\t}\r"
    L"\tif (i == 72)\r\t{\r\t   core.selectObjectByName(\"Hercules\");\r\t   core.wait(5);\r  }\r"
    L"\tif (i == 97)\r\t{\r\t   core.selectObjectByName(\"Draco\");\r\t   core.wait(5);\r\t}\r";
constexpr wchar_t NorthLabelsRemoved[] = L"LabelMgr.deleteAllLabels();\r";

constexpr wchar_t SouthBody[] =
    L"core.selectObjectByName(\"Octans\");\rcore.selectObjectByName(\"Crux\");\rLabelMgr.deleteAllLabels();\r"
    L"ConstellationMgr.setFlagArt(true);\rConstellationMgr.setConstellationDisplayStyle(2);\r"
    L"ConstellationMgr.setFlagLabels(true);\rcore.wait(4);\rConstellationMgr.setFlagBoundaries(true);\r"
    L"GridLinesMgr.setFlagPrecessionCircles(true);\rcore.wait(5);\r";
constexpr wchar_t SouthStops[] =
    L"core.wait(0.6);\r"
    L"\tif (i == 8)\r\t{\r\t   core.selectObjectByName(\"Chamaeleon\");\r\t\tcore.wait(5);\r\t}\r"
    L"\tif (i == 15)\r\t{\r\t   core.selectObjectByName(\"Carina\");\r\t\t\tcore.wait(5);\r\t}\r"
    L"\tif (i == 34)\r\t{\r\t   core.selectObjectByName(\"Aspidiske\", true);\r\t\t\t"
    L"\t\t\t\t\tvar labNew = LabelMgr.labelObject(\"Aspidiske, Iota Carinae\", \"Aspidiske\", true, 20, "
    L"\"#ffffff\");\r"
    L"LabelMgr.setLabelShow(labNew, true);\rcore.wait(5);LabelMgr.setLabelShow(labNew, false);}\r"
    L"\tif (i == 67)\r\t{\r\t   core.selectObjectByName(\"Canopus\", true);\r\t\t\t"
    L"\t\t\t\t\tvar labNew = LabelMgr.labelObject(\"Canopus, Alpha Carinae\", \"Canopus\", true, 20, "
    L"\"#ffffff\");\r"
    L"LabelMgr.setLabelShow(labNew, true);\rcore.wait(5);LabelMgr.setLabelShow(labNew, false);}\r"
    L"\tif (i == 40)\r\t{\r\t   core.selectObjectByName(\"Vela\");\r\t\t\t\tcore.wait(5);\r\t}\r"
    L"\tif (i == 60)\r\t{\r\t   core.selectObjectByName(\"Puppis\");\r\t\t\tcore.wait(5);\r  }\r"
    L"\tif (i == 80)\r\t{\r\t   core.selectObjectByName(\"Pictor\");\r\t\t\tcore.wait(5);\r  }\r"
    L"\tif (i == 105)\r\t{\r\t   core.selectObjectByName(\"Horologium\");\r\t\t\tcore.wait(5);\r\t}\r"
    L"\tif (i == 118)\r\t{\r\t   core.selectObjectByName(\"Hydrus\");\r\t\t\tcore.wait(5);\r\t}\r";
constexpr wchar_t SouthLabelsHidden[] =
    L"LabelMgr.setLabelShow(lab1, false);\r\tLabelMgr.setLabelShow(lab2, false);\r";

std::wstring NorthScript() {
  return std::wstring(Opening) + NorthPlace + NorthBody + YearLabelsMade + NorthFiguresShown +
         YearLabelsShown + LoopHeadStart + NorthYearText + LoopHeadLabels + NorthStops + LastYearHeld +
         LoopEnd + NorthLabelsRemoved + Restore;
}

std::wstring SouthScript() {
  return std::wstring(Opening) + SouthPlace + SouthBody + YearLabelsMade + YearLabelsShown + LoopHeadStart +
         SouthYearText + LoopHeadLabels + SouthStops + LastYearHeld + LoopEnd + SouthLabelsHidden + Restore;
}

}  // namespace

void COrvennaConsoleDlg::OnPrecessionNorth() {
  RunPrecession(false);
}

void COrvennaConsoleDlg::OnPrecessionSouth() {
  RunPrecession(true);
}

void COrvennaConsoleDlg::RunPrecession(bool south) {
  if (!PassActionGuards(DemonstrationGuards(true))) return;
  if (FindPlanetariumWindow() == nullptr) return;
  StopPlanetariumScript();
  const std::wstring script = south ? SouthScript() : NorthScript();
  const int expectedMs = south ? SouthMs : NorthMs;
  RunScript(script, PrecessionFile, true, expectedMs);
  scriptRunning = true;
  RecordStep(script, L"", static_cast<float>(expectedMs));
}
