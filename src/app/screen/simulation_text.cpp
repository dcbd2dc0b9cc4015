#include "src/app/screen/simulation_text.h"

#include <cmath>
#include <cwchar>

namespace {

constexpr wchar_t StaleNote[] = L"Not updated: Orvenna did not answer in time.\n";
constexpr std::size_t DateLength = 10;
constexpr std::size_t TimeStart = 11;
constexpr std::size_t TimeLength = 8;

constexpr double LargestAngle = 360;
// Binary fractions of decimal degrees fall a hair short of whole seconds (41.9 is 41°53'59.99...").
constexpr double SecondTolerance = 1e-6;

// A text that is not wholly a decimal number of at most a full turn reads as 0.
double AngleValue(const std::wstring& text) {
  if (text.empty()) return 0;
  wchar_t* end = nullptr;
  const double value = std::wcstod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::fabs(value) <= LargestAngle ? value : 0;
}

// Degrees, minutes and whole seconds, the fraction of a second dropped, with the hemisphere's
// letter for the sign.
std::wstring Angle(const wchar_t* label, const std::wstring& text, wchar_t positive, wchar_t negative) {
  const double value = AngleValue(text);
  const auto seconds = static_cast<long>(std::floor(std::fabs(value) * 3600 + SecondTolerance));
  wchar_t line[96];
  std::swprintf(line, std::size(line), L"%ls: %ld\u00B0%ld'%ld\" %lc\n", label, seconds / 3600,
                seconds / 60 % 60, seconds % 60, value < 0 ? negative : positive);
  return line;
}

std::wstring Piece(const std::wstring& text, std::size_t start, std::size_t length) {
  return start < text.size() ? text.substr(start, length) : L"";
}

}  // namespace

std::wstring FormatSimulationData(const SimulationData& data) {
  std::wstring text = data.stale ? StaleNote : L"";
  text += L"Simulation rate: " + data.rate + L"x\n";
  text += L"UTC time: " + Piece(data.utcTime, 0, DateLength) + L" " +
          Piece(data.utcTime, TimeStart, TimeLength) + L"\n";
  text += L"local time: " + data.localTime + L"\n";
  text += Angle(L"Longitude", data.longitude, L'E', L'W');
  text += Angle(L"Latitude", data.latitude, L'N', L'S');
  text += L"Planet: " + data.planet + L"\n";
  return text;
}
