// base_locations.txt as the program reads it: places by name with their hemispheres, in either
// encoding the user folder may hold.
#include <gtest/gtest.h>

#include "peers/orvenna/place_list.h"

namespace {

std::string utf16_with_mark(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

TEST(PlaceListTest, ReadsNamesAndSignedCoordinatesInEitherEncoding) {
  const std::string text =
      "# name\tregion\tcountry\trole\tzone\tlatitude\tlongitude\taltitude\r\n"
      "New York\tNew York\tUnited States\tB\tAmerica/New_York\t40.7128N\t74.0060W\t10\r\n"
      "Sydney\tNew South Wales\tAustralia\tB\tAustralia/Sydney\t33.8688S\t151.2093E\t58\n"
      "Broken\tno coordinates\n"
      "Beyond\t\t\t\t\t91.0N\t10.0E\t0\n"
      "Sideways\t\t\t\t\t10.0E\t10.0N\t0\n"
      "Nowhere\t\t\t\t\tnanN\t10.0E\t0\n"
      "Endless\t\t\t\t\t10.0N\tinfE\t0\n"
      "Sky high\t\t\t\t\t10.0N\t10.0E\tinf\n";
  for (const std::string& bytes : {text, utf16_with_mark(text)}) {
    const std::vector<orvenna::ObserverLocation> places = orvenna::read_place_list(bytes);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].name, "New York");
    EXPECT_DOUBLE_EQ(places[0].latitude, 40.7128);
    EXPECT_DOUBLE_EQ(places[0].longitude, -74.006);
    EXPECT_DOUBLE_EQ(places[0].altitude, 10);
    EXPECT_EQ(places[1].name, "Sydney");
    EXPECT_DOUBLE_EQ(places[1].latitude, -33.8688);
    EXPECT_DOUBLE_EQ(places[1].longitude, 151.2093);
    EXPECT_EQ(places[1].planet, "Earth");
  }
}

TEST(PlaceListTest, ANameBeyondSixteenBitsKeepsItsCharacterInUtf16) {
  const std::string line = "Vars \x3C\xD8\x0D\xDF\t\t\t\t\t10.0N\t10.0E\t0\n";
  std::string bytes = "\xFF\xFE";
  for (std::size_t i = 0; i < line.size(); ++i) {
    const bool pair = i >= 5 && i < 9;
    bytes += line[i];
    if (!pair) bytes += '\0';
  }
  const std::vector<orvenna::ObserverLocation> places = orvenna::read_place_list(bytes);
  ASSERT_EQ(places.size(), 1u);
  EXPECT_EQ(places[0].name, "Vars \xF0\x9F\x8C\x8D");
}

}  // namespace
