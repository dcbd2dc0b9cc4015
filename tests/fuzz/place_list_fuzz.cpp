// Feeds arbitrary bytes to the place look-up as base_locations.txt. The first line's name, when
// it is plain ASCII and fits in the first piece of at most 4095 bytes in which a long line is
// read, must be found there; a position found has the hemispheres' quadrant and numbers taken
// from its own line.
#include <optional>
#include <string>

#include "src/util/place_list.h"
#include "src/util/user_folder.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr int kFirstQuadrant = 2;
constexpr int kLastQuadrant = 5;
// A line longer than this is read in pieces of this many bytes, each taken as a line.
constexpr std::size_t kLongestPiece = 4095;

// The first line's first field, unless it holds anything but printable ASCII.
std::optional<std::wstring> first_name(const std::uint8_t* data, std::size_t size) {
  std::wstring name;
  for (std::size_t i = 0; i < size && data[i] != '\t' && data[i] != '\n'; ++i) {
    if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') break;
    if (data[i] < 0x20 || data[i] >= 0x7F) return std::nullopt;
    name += static_cast<wchar_t>(data[i]);
  }
  if (name.empty()) return std::nullopt;
  return name;
}

void check_position(const PlaceLookup& lookup) {
  if (!lookup.position) return;
  require(lookup.result == PlaceSearch::Found);
  const PlacePosition& position = *lookup.position;
  require(position.quadrant >= kFirstQuadrant && position.quadrant <= kLastQuadrant);
  for (const std::wstring* number : {&position.latitude, &position.longitude})
    require(number->find_first_of(L"\t\n") == std::wstring::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  write_fuzz_file(PlanetariumUserFolder(), PlaceListPath(), data, size);
  const std::optional<std::wstring> name = first_name(data, size);
  const PlaceLookup lookup = FindPlaceInList(name.value_or(L"Paris"));
  require(lookup.result != PlaceSearch::ListUnreadable);
  require(!name || name->size() > kLongestPiece || lookup.result == PlaceSearch::Found);
  check_position(lookup);
  int compared = 0;
  const PlaceLookup missing = FindPlaceInList(L"no\tplace", {nullptr, [&](int n) {
                                                               require(n == compared);
                                                               ++compared;
                                                             }});
  require(missing.result == PlaceSearch::NotFound && !missing.position);
  return 0;
}
