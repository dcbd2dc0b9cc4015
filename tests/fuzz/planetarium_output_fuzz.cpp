// Feeds arbitrary bytes to the output.txt read-back as the information box reads it. A file
// over the bound must read as damaged, every value read must be one line, and the box's text must keep its
// six lines with each angle inside a full turn.
#include <algorithm>
#include <cwchar>
#include <string>

#include "src/app/screen/simulation_text.h"
#include "src/link/planetarium_output.h"
#include "src/link/planetarium_profile.h"
#include "src/util/text_trim.h"
#include "src/util/user_folder.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr int kBoxLines = 6;
constexpr long kLargestDegrees = 360;

bool one_line(const std::wstring& text) {
  return text.find(L'\n') == std::wstring::npos;
}

long degrees_after(const std::wstring& text, std::wstring_view label) {
  const std::size_t at = text.find(label);
  require(at != std::wstring::npos);
  return std::wcstol(text.c_str() + at + label.size(), nullptr, 10);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  write_fuzz_file(PlanetariumUserFolder(), PlanetariumUserFile(PlanetariumProfile::OutputFile), data, size);
  SimulationData box;
  const PlanetariumOutputKey keys[] = {
      {L"getTimeRate", &box.rate},   {L"getTime", &box.utcTime},       {L"getTimeL", &box.localTime},
      {L"position_pl", &box.planet}, {L"position_lo", &box.longitude}, {L"position_la", &box.latitude},
  };
  const PlanetariumOutputRead read = ReadPlanetariumOutput(L"main", keys);
  require(read ==
          (size > LargestPlanetariumOutput ? PlanetariumOutputRead::Damaged : PlanetariumOutputRead::Read));
  for (const PlanetariumOutputKey& key : keys)
    *key.value = std::wstring(StripWhiteSpace(*key.value));
  const bool plain = one_line(box.rate) && one_line(box.utcTime) && one_line(box.localTime) &&
                     one_line(box.planet) && one_line(box.longitude) && one_line(box.latitude);
  require(plain);
  const std::wstring text = FormatSimulationData(box);
  require(static_cast<int>(std::count(text.begin(), text.end(), L'\n')) == kBoxLines && text.back() == L'\n');
  const long longitude = degrees_after(text, L"Longitude: ");
  const long latitude = degrees_after(text, L"Latitude: ");
  require(longitude >= 0 && longitude <= kLargestDegrees && latitude >= 0 && latitude <= kLargestDegrees);
  return 0;
}
