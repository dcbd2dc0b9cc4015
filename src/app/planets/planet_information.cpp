#include "src/app/planets/planet_information.h"

#include <cmath>
#include <cwchar>
#include <optional>
#include <sstream>

#include "platform/win/locale_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/planets/find_object_info.h"
#include "src/util/format_text.h"

namespace {

constexpr UINT DistanceLabel = 670;
constexpr UINT DiameterLabel = 680;
constexpr UINT MassLabel = 750;
constexpr UINT MoonsLabel = 740;
constexpr UINT EarthName = 3000;
constexpr double KmPerMile = 1.609344;
constexpr float EarthMassE24Kg = 5.97f;
// Beyond any body of the solar system: such a distance is shown as "n/a", like the Sun's.
constexpr double LargestDistanceKm = 1e12;
// A thousand times the Sun's, in 10^24 kg: anything larger is shown as "n/a".
constexpr double LargestMassE24Kg = 2e9;

std::wstring Label(UINT base, unsigned language) {
  return LoadConsoleString(base + language);
}

std::wstring WholeNumber(long long value) {
  return GroupedLightYears(std::to_wstring(value));
}

// The mean distance in kilometres; none when the text holds no distance or one out of range.
std::optional<double> DistanceKm(const std::wstring& text) {
  const double km = std::wcstod(text.c_str(), nullptr);
  if (!(std::fabs(km) <= LargestDistanceKm) || static_cast<long long>(km) == 0) return std::nullopt;
  return km;
}

// The Sun's mass as a whole number, or "n/a" when the text's number is out of range.
std::wstring WholeMass(const std::wstring& text) {
  const double mass = std::wcstod(text.c_str(), nullptr);
  if (!(std::fabs(mass) <= LargestMassE24Kg)) return L"n/a";
  return WholeNumber(std::wcstol(text.c_str(), nullptr, 10));
}

// Six significant digits as a stream writes them, the whole part grouped as the locale groups.
std::wstring GroupedReal(double value) {
  std::wostringstream stream;
  stream << value;
  const std::wstring text = stream.str();
  if (text.find_first_of(L"eE") != std::wstring::npos) return text;
  const std::size_t point = text.find(L'.');
  if (point == std::wstring::npos) return GroupedLightYears(text);
  wchar_t decimal[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8) <= 0) decimal[0] = L'.';
  return GroupedLightYears(text.substr(0, point)) + decimal + text.substr(point + 1);
}

}  // namespace

std::wstring PlanetInformation(const SolarSystemBodyRecord& body, bool sun, unsigned language) {
  const std::optional<double> km = DistanceKm(body.meanDistanceKm);
  const std::wstring distance = km ? WholeNumber(static_cast<long long>(*km)) : L"n/a";
  const std::wstring distanceMiles = km ? WholeNumber(static_cast<long long>(*km / KmPerMile)) : L"n/a";
  const std::wstring earth = Label(EarthName, language);
  std::wstring text = FormatText(L"******%s: %s (km) - %s (miles)\n", Label(DistanceLabel, language).c_str(),
                                 distance.c_str(), distanceMiles.c_str());
  text += FormatText(L"%s: %s (km) [%s x %s]\n", Label(DiameterLabel, language).c_str(),
                     body.diameterKm.c_str(), body.diameterToEarth.c_str(), earth.c_str());
  const std::pair<UINT, const std::wstring*> plainLines[] = {
      {690, &body.orbitalPeriod},  {700, &body.rotationPeriod}, {710, &body.meanTemperature},
      {720, &body.surfaceGravity}, {730, &body.escapeVelocity},
  };
  for (const auto& [label, value] : plainLines)
    text += FormatText(L"%s: %s\n", Label(label, language).c_str(), value->c_str());
  text += FormatText(L"%s: %d\n", Label(MoonsLabel, language).c_str(), body.knownMoons);
  const std::wstring mass =
      sun ? WholeMass(body.massE24Kg) : GroupedReal(std::wcstod(body.massE24Kg.c_str(), nullptr));
  const float toEarth = std::wcstof(body.massE24Kg.c_str(), nullptr) / EarthMassE24Kg;
  text += FormatText(L"%s (10\u00b2\u2074 kg): %s [%f x %s]\n", Label(MassLabel, language).c_str(),
                     mass.c_str(), static_cast<double>(toEarth), earth.c_str());
  return text;
}
