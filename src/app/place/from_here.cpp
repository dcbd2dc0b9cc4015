// The from-here button: Orvenna's observer stands on the surface of the selected body, with its
// ground and without air; from the Earth it goes home.
#include "platform/win/window_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/place/location_scripts.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT NoPlanetNotice = 4110;
constexpr UINT NoPlanetNoticeMs = 6000;
constexpr UINT FromHereScriptNoticeMs = 5000;
constexpr int AtmosphereButtonId = 1012;
constexpr UINT AtmosphereCaption = 4030;
constexpr wchar_t FromHereScriptName[] = L"FromHereOC.ovs";
constexpr int FromHereRunMs = 4500;
constexpr UINT ConsoleForwardMs = 400;

}  // namespace

void COrvennaConsoleDlg::OnFromHere() {
  if (!PassActionGuards({})) return;
  const unsigned language = ReadLanguage();
  const FromHereBody* body = FindFromHereBody(SelectedBodyCode);
  if (body == nullptr) {
    ShowStatusMessage(NoPlanetNotice + language, NoPlanetNoticeMs);
    return;
  }
  ActionGuards flyBy;
  flyBy.refuseWhileRecordingPaused = false;
  flyBy.refuseDuringFlyBy = true;
  if (!PassScriptOrRateKeysGuard(FromHereScriptNoticeMs) || !PassActionGuards(flyBy) ||
      !PassActionGuards(ReplayRefusal))
    return;

  SetDlgItemText(InformationBoxId, L"");
  const TimedScript script =
      FromHereScript(*body, consoleState.fadingDuration, ReadDefaultGround(), LoadHomeLocation());
  if (body->resetsAtmosphereButton) {
    SetDlgItemText(AtmosphereButtonId, LoadConsoleString(AtmosphereCaption + language).c_str());
    HWND atmosphere = ::GetDlgItem(m_hWnd, AtmosphereButtonId);
    for (CBtnPlanet& button : imageButtons)
      if (atmosphere != nullptr && button.GetSafeHwnd() == atmosphere) button.ClearHover();
  }
  ShowLocation(LoadConsoleString(body->label + language));
  RecordStep(script.text, L"", static_cast<float>(script.seconds * 1000));
  RunScript(script.text, FromHereScriptName, false, FromHereRunMs);
  SetTimer(ConsoleForwardTimer, ConsoleForwardMs, nullptr);
  ForgetSelectedBody();
}
