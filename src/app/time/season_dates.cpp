// The season buttons: Orvenna's date moves to the equinox or solstice of its current year. They
// have no guards, so they work during a fly-by, a paused recording or a running script.
#include "src/app/orvenna_console_dlg.h"
#include "src/app/time/time_scripts.h"

namespace {

constexpr wchar_t SeasonScriptName[] = L"equinox.ovs";
constexpr int SeasonRunMs = 4500;
constexpr float SeasonRecordedMs = 50;

}  // namespace

void COrvennaConsoleDlg::OnSeasonDate(UINT id) {
  if (id < FirstSeasonId || id > LastSeasonId) return;
  if (!PassActionGuards(ReplayRefusal)) return;
  const std::wstring script = SeasonDateScript(id);
  RunScript(script, SeasonScriptName, false, SeasonRunMs);
  BringConsoleForward();
  RecordStep(script, L"", SeasonRecordedMs);
}
