#include "src/app/planets/fly_by_script.h"

#include <algorithm>

#include "src/app/console_timers.h"
#include "src/app/sky/ground_statement.h"
#include "src/link/script_literal.h"
#include "src/util/format_text.h"

namespace {

constexpr std::array<MoonLanding, 6> MoonLandings{{
    {0, L"Earth", L"To the Moon", L"Moon", MoonLandingTimer},
    {1, L"Mars", L"To Phobos", L"Phobos", PhobosLandingTimer},
    {3, L"Saturn", L"To Tethys", L"Tethys", TethysLandingTimer},
    {2, L"Jupiter", L"To Europa", L"Europa", EuropaLandingTimer},
    {5, L"Pluto", L"To Charon", L"Charon", CharonLandingTimer},
    {7, L"Neptune", L"To Triton", L"Triton", TritonLandingTimer},
}};

using StatusNames = std::array<const wchar_t*, 11>;
constexpr std::array<StatusNames, 6> FlyByStatusNames{{
    {L"Earth", L"Mars", L"Jupiter", L"Saturn", L"Uranus", L"Pluto", L"Sun", L"Neptune", L"Venus", L"Mercury",
     L"Moon"},
    {L"della Terra", L"di Marte", L"di Giove", L"di Saturno", L"di Urano", L"di Plutone", L"del Sole",
     L"di Nettuno", L"di Venere", L"di Mercurio", L"della Luna"},
    {L"de la Terre", L"de Mars", L"de Jupiter", L"de Saturn", L"de Uranus", L"de Pluton", L"du Soleil",
     L"de Neptune", L"de V\u00e9nus", L"de Mercure", L"de la Lune"},
    {L"de la Tierra", L"de Marte", L"de J\u00fapiter", L"de Saturno", L"de Urano", L"de Plut\u00f3n",
     L"del Sol", L"de Neptuno", L"de Venus", L"de Mercurio", L"de la Luna"},
    {L"D\u00fcnya", L"Mars", L"J\u00fcpiter", L"Sat\u00fcrn", L"Uran\u00fcs", L"Pluto", L"G\u00fcne\u015f",
     L"Nept\u00fcn", L"Ven\u00fcs", L"Merk\u00fcr", L"Ay"},
    {L"\u5730\u7403", L"\u706b\u661f", L"\u6728\u661f", L"\u571f\u661f", L"\u5929\u738b\u661f",
     L"\u51a5\u738b\u661f", L"\u592a\u9633", L"\u6d77\u738b\u661f", L"\u91d1\u661f", L"\u6c34\u661f",
     L"\u6708\u7403"},
}};

constexpr int MoonScaleZoom = 420;
constexpr int MoonScaleRate = 3000;
constexpr int PlutoSecondZoom = 170;
// The orbit's script spends this long on its own before and after the wait it is given.
constexpr int ScriptOwnSeconds = 47;

constexpr wchar_t SaveReturnPoint[] =
    L"var items = core.getObserverLocationInfo();\rvar latitude = items[\"latitude\"];\r"
    L"var longitude = items[\"longitude\"];\rvar altitude = items[\"altitude\"];\rvar timedate = "
    L"core.getDate();";
constexpr wchar_t Prepare[] =
    L"ConstellationMgr.setFlagBoundaries(false);\r"
    L"OrvMovementMgr.setFlagTracking(true);\rConstellationMgr.setFlagIsolateSelected(false);\r"
    L"core.setProjectionMode(\"ProjectionFisheye\");\r"
    L"var cardinal = LandscapeMgr.getFlagCardinalsPoints();\rvar land = LandscapeMgr.getFlagLandscape();\r"
    L"var atmo = LandscapeMgr.getFlagAtmosphere();\rvar fog = LandscapeMgr.getFlagFog();\r"
    L"LandscapeMgr.setFlagCardinalsPoints(false);\r";
constexpr wchar_t IntoSpace[] =
    L"LandscapeMgr.setFlagFog(false);\rLandscapeMgr.setCurrentLandscapeName(\"Moon\");\r"
    L"LandscapeMgr.setFlagLandscape(false);\rLandscapeMgr.setFlagAtmosphere(false);\r";
constexpr wchar_t OnTheGround[] =
    L"LandscapeMgr.setFlagLandscape(true);\rcore.wait(1);\rOrvMovementMgr.autoZoomOut(2,true);\rcore.wait(2);"
    L"\r";

std::wstring Orbit(const FlyByPlan& plan) {
  const FlyByBody& body = FlyByBodies[plan.flyBy];
  const bool pluto = plan.flyBy == PlutoFlyBy;
  const int rate = plan.Rate();
  const int zoom = plan.Zoom();
  return FormatText(L"core.setObserverLocation(%d,%d,0,10, \"Flyby\", %s);\r", body.longitude, body.latitude,
                    ScriptStringLiteral(body.viewingBody).c_str()) +
         FormatText(L"core.wait(4);\rcore.selectObjectByName(%s, false);\r",
                    ScriptStringLiteral(body.englishName).c_str()) +
         IntoSpace +
         FormatText(L"OrvMovementMgr.setFlagTracking(true);\rOrvMovementMgr.zoomTo(%d, 8);\r", zoom) +
         FormatText(L"core.wait(2);\rfor(t=10; t<=%d; t+=%d)\r{\r", rate, rate / 100) +
         FormatText(
             L"   core.setTimeRate(t);\r   core.wait(0.1);\r}\rcore.wait(%d);\rOrvMovementMgr.zoomTo(%d, "
             L"12);\r"
             L"core.setTimeRate(%d);\rcore.wait(20);\r",
             plan.seconds - ScriptOwnSeconds, pluto ? PlutoSecondZoom : 2 * zoom, rate) +
         FormatText(
             L"core.wait(2);\rfor (t=%d; t>=1; t-=%d) {\rcore.setTimeRate(t);\rcore.wait(0.05);\r}\r"
             L"core.setTimeRate(1);\r",
             rate, rate / 80);
}

std::wstring Landing(const FlyByPlan& plan) {
  if (!plan.Lands()) return L"LandscapeMgr.setFlagLandscape(false);\r";
  const MoonLanding* landing = FindMoonLanding(plan.flyBy);
  if (landing == nullptr) return OnTheGround;
  return FormatText(L"core.selectObjectByName(%s, false);\r", ScriptStringLiteral(landing->planet).c_str()) +
         FormatText(L"core.setObserverLocation(16,30,0,10, %s, %s);\r",
                    ScriptStringLiteral(landing->place).c_str(), ScriptStringLiteral(landing->moon).c_str()) +
         L"OrvMovementMgr.setFlagTracking(true);\rcore.wait(10);\rOrvMovementMgr.setFlagTracking(false);\r" +
         OnTheGround;
}

std::wstring ReturnHome(const FlyByPlan& plan) {
  return LandscapeUnlessCurrent(plan.defaultGround) +
         L"LandscapeMgr.setFlagLandscape(land);\r"
         L"core.setObserverLocation(longitude,latitude,altitude, 1.9, \"toEarth\", "
         L"\"Earth\");\rcore.wait(2);\r"
         L"OrvMovementMgr.autoZoomOut(2.9,true);\rcore.wait(3);\r" +
         FormatText(L"core.moveToAltAzi(89.7,%.2f,1.75);\r   core.wait(1.9);\r",
                    static_cast<double>(plan.initialAzimuth)) +
         L"core.setDate(timedate);\r" +
         (plan.flyBy == EarthFlyBy ? L"LandscapeMgr.setFlagAtmosphere(atmo);\r" : L"");
}

std::wstring AfterTheOrbit(const FlyByPlan& plan) {
  switch (plan.after) {
    case AfterFlyBy::LandOnMoon:
      return Landing(plan);
    case AfterFlyBy::Return:
      return ReturnHome(plan);
    case AfterFlyBy::Stay:
      break;
  }
  return L"";
}

}  // namespace

std::optional<std::size_t> FindFlyBy(int bodyCode) {
  for (std::size_t i = 0; i < FlyByBodies.size(); ++i)
    if (std::ranges::find(FlyByBodies[i].codes, bodyCode) != FlyByBodies[i].codes.end()) return i;
  return std::nullopt;
}

const MoonLanding* FindMoonLanding(std::size_t flyBy) {
  auto found = std::ranges::find(MoonLandings, flyBy, &MoonLanding::flyBy);
  return found == MoonLandings.end() ? nullptr : &*found;
}

std::wstring FlyByStatusName(std::size_t flyBy, unsigned language) {
  return FlyByStatusNames[language < FlyByStatusNames.size() ? language : 0][flyBy];
}

int FlyByPlan::Zoom() const {
  return flyBy == MoonFlyBy && moonScale ? MoonScaleZoom : FlyByBodies[flyBy].zoom;
}

int FlyByPlan::Rate() const {
  return flyBy == MoonFlyBy && moonScale ? MoonScaleRate : FlyByBodies[flyBy].rate;
}

std::wstring BuildFlyByScript(const FlyByPlan& plan) {
  const bool withoutLanding = !FlyByBodies[plan.flyBy].canLand;
  return (plan.after == AfterFlyBy::Return ? SaveReturnPoint : L"") + std::wstring(Prepare) + Orbit(plan) +
         AfterTheOrbit(plan) + L"core.selectObjectByName(\"\", true);\r" +
         (withoutLanding ? L"LandscapeMgr.setFlagCardinalsPoints(false);\rcore.wait(1);\r"
                         : L"LandscapeMgr.setFlagCardinalsPoints(cardinal);\rcore.wait(1);\r") +
         L"LandscapeMgr.setFlagFog(false);\r";
}
