// The object-position button, an on/off switch: a script keeps two labels with the selected
// object's altitude and azimuth (and a body's distance) on Orvenna's screen for a minute; a
// second press stops it.
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/link/script_literal.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT NothingSelectedNotice = 3700;
constexpr wchar_t PositionScriptName[] = L"position.ovs";
constexpr int PositionScriptExpectedMs = 4500;
constexpr int SunCode = 10;
// The script refreshes the labels once a second for a minute; then they are gone and the
// button shows them again at its next press.
constexpr UINT LabelsShownMs = 61000;

// The label text's ending: the distance in kilometres from Orvenna's astronomical units.
constexpr wchar_t DistanceEnding[] = L" - dist: \"+parseFloat(pos['distance'])*149597870.7+\" km\");\r ";
constexpr wchar_t PlainEnding[] = L"\");\r";
constexpr wchar_t LabelText[] =
    L", \"Alt: \"+altD+\"\u00b0\"+altm+\"'\"+altS+\"\\\" - Az: \"+azD+\"\u00b0\"+azm+\"'\"+azS+\"\\\" ";

// The name Orvenna knows the selection by; a Hipparcos name loses its dashes ("HP-32349").
std::wstring PositionObjectName(int bodyCode, const std::wstring& found) {
  const std::wstring body = PlanetTipName(bodyCode, 0);
  if (!body.empty()) return body;
  std::wstring name = found;
  if (name.starts_with(L"HP")) std::erase(name, L'-');
  return name;
}

// A found object's name comes from the presenter's search: it goes in as an escaped literal.
std::wstring PositionScript(const std::wstring& name, bool withDistance) {
  const std::wstring ending = withDistance ? DistanceEnding : PlainEnding;
  const std::wstring literal = ScriptStringLiteral(name);
  return L"LabelMgr.deleteAllLabels();\r\tvar pos = core.getObjectInfo(" + literal +
         L");\r var ra = pos['ra'].toString();\r\tvar dec = pos['dec'].toString();\r var labPosition1; var "
         L"labPosition2;\r"
         L"\tvar x = core.getScreenWidth(); var y = core.getScreenHeight();\r"
         L"labPosition1 = LabelMgr.labelScreen(\"\",x/2-(y/2.25), y/2-((x/y)*3)-80,false,23,\"#ffffff\");\r"
         L"LabelMgr.setLabelShow(labPosition1, true);\r"
         L"labPosition2 = LabelMgr.labelScreen(\"\",x/2+(y/2.25), y/2-((x/y)*3)+20,true,23,\"#ffffff\");\r"
         L"LabelMgr.setLabelShow(labPosition2, true);\r"
         L" for (i=0; i<60; i++) { pos = core.getObjectInfo(" +
         literal +
         L");\r alt = pos['altitude']; altD = parseInt(alt.toString()); altm = parseInt(((parseFloat(alt) "
         L"- "
         L"parseInt(altD))*60)).toString(); altS = parseInt(((parseFloat(alt) - parseInt(altD) - "
         L"parseInt(altm)/60)*3600)).toString();\r"
         L" az = pos['azimuth']; azD = parseInt(az.toString()); azm = parseInt(((parseFloat(az) - "
         L"parseInt(azD))*60)).toString(); azS = parseInt(((parseFloat(az) - parseInt(azD) - "
         L"parseInt(azm)/60)*3600)).toString();\r"
         L" LabelMgr.setLabelText(labPosition1" +
         LabelText + ending + L" LabelMgr.setLabelText(labPosition2" + LabelText + ending +
         L"core.wait(1);\r }\rLabelMgr.deleteAllLabels();\r";
}

}  // namespace

void COrvennaConsoleDlg::OnObjectPosition() {
  if (!PassActionGuards({})) return;
  if (!PassSelectionGuards(NothingSelectedNotice)) return;
  if (clearLabelsFirst) {
    StopPlanetariumScript();
    clearLabelsFirst = false;
    KillTimer(PositionLabelsTimer);
    return;
  }
  if (!PassActionGuards(ReplayRefusal)) return;
  const bool withDistance = SelectedBodyCode >= 0 && SelectedBodyCode < SunCode;
  RunScript(PositionScript(PositionObjectName(SelectedBodyCode, CurrentObjectName), withDistance),
            PositionScriptName, false, PositionScriptExpectedMs);
  clearLabelsFirst = true;
  SetTimer(PositionLabelsTimer, LabelsShownMs, nullptr);
  ::SetForegroundWindow(m_hWnd);
}
