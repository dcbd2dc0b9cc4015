// The information button: Orvenna writes its rate, time and place into output.txt, and a second
// later the information box shows them.
#include <string>

#include "platform/win/file_api.h"
#include "platform/win/time_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/screen/simulation_text.h"
#include "src/link/planetarium_output.h"
#include "src/link/planetarium_profile.h"
#include "src/util/text_trim.h"
#include "src/util/user_folder.h"

namespace {

constexpr wchar_t InformationScriptName[] = L"getSimulInfo.ovs";
constexpr int InformationScriptMs = 200;
constexpr UINT ReadBackAfterMs = 1000;
constexpr wchar_t OutputSection[] = L"main";

constexpr wchar_t InformationScript[] =
    L"core.resetOutput(); core.output(\"[main]\");\r"
    L"core.output(\"getTimeRate = \"+core.getTimeRate()); core.output(\"getTime = "
    L"\"+core.getDate(\"utc\"));\r"
    L" core.output(\"getTimeL = \"+core.getDate(\"local\"));\r var position = "
    L"core.getObserverLocationInfo();\r"
    L"core.output(\"position_pl = \"+position['planet']);\rcore.output(\"position_lo = "
    L"\"+position['longitude']);\r"
    L"core.output(\"position_la = \"+position['latitude']);\r"
    L"core.output(\"position_al = \"+position['altitude']);\r";

ULONGLONG FileTimeValue(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// False when output.txt is missing or was last written before the moment.
bool WrittenSince(const FILETIME& moment) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  const std::wstring path = PlanetariumUserFile(PlanetariumProfile::OutputFile);
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) return false;
  return FileTimeValue(attributes.ftLastWriteTime) >= FileTimeValue(moment);
}

}  // namespace

void COrvennaConsoleDlg::OnGetSimulationData() {
  const ActionGuards scriptGuard{
      .refuseWhileRecordingPaused = false, .refuseWhileScriptRuns = true, .refuseDuringReplay = true};
  const ActionGuards flyByGuard{.refuseWhileRecordingPaused = false, .refuseDuringFlyBy = true};
  if (!PassActionGuards(scriptGuard) || !PassActionGuards(flyByGuard)) return;
  GetSystemTimeAsFileTime(&simulationDataRequested);
  scriptRunning = true;
  RunScript(InformationScript, InformationScriptName, false, InformationScriptMs);
  SetTimer(SimulationDataTimer, ReadBackAfterMs, nullptr);
}

void COrvennaConsoleDlg::ShowSimulationData() {
  SetDlgItemText(InformationBoxId, L"");
  SimulationData data;
  const PlanetariumOutputKey keys[] = {
      {L"getTimeRate", &data.rate},   {L"getTime", &data.utcTime},       {L"getTimeL", &data.localTime},
      {L"position_pl", &data.planet}, {L"position_lo", &data.longitude}, {L"position_la", &data.latitude},
  };
  const PlanetariumOutputRead read = ReadPlanetariumOutput(OutputSection, keys);
  // Orvenna writes "key = value": the blank after "=" is not part of the value.
  for (const PlanetariumOutputKey& key : keys)
    *key.value = std::wstring(StripWhiteSpace(*key.value));
  // A damaged output.txt is no answer to this question either.
  data.stale = read == PlanetariumOutputRead::Damaged ||
               (read == PlanetariumOutputRead::Read && !WrittenSince(simulationDataRequested));
  SetDlgItemText(InformationBoxId, FormatSimulationData(data).c_str());
}
