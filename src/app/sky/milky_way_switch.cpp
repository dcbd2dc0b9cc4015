// The Milky Way switched on or off.
#include "src/app/console_timers.h"
#include "src/app/show/demonstration_guards.h"

namespace {

constexpr wchar_t MilkyWayFile[] = L"MilkyWay.ovs";
constexpr wchar_t MilkyWayScript[] = L"MilkyWay.setFlagShow(!MilkyWay.getFlagShow());\r";
constexpr int MilkyWayScriptMs = 4500;
constexpr UINT MilkyWayFlagMs = 1000;

}  // namespace

void COrvennaConsoleDlg::OnMilkyWay() {
  if (!PassActionGuards(DemonstrationGuards(true))) return;
  RunScript(MilkyWayScript, MilkyWayFile, false, MilkyWayScriptMs);
  SetTimer(ScriptFlagTimer, MilkyWayFlagMs, nullptr);
  BringConsoleForward();
  scriptRunning = true;
  RecordStep(MilkyWayScript, L"", 0);
}
