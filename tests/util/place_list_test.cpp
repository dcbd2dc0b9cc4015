#include "src/util/place_list.h"

#include "platform/afx/utf16_text.h"
#include "src/util/user_folder.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

class PlaceListTest : public DesktopTest {
 protected:
  PlaceListTest() { CreateDirectoryW(PlanetariumUserFolder().c_str(), nullptr); }
  static bool WriteList(const std::string& bytes) { return write_file(PlaceListPath().c_str(), bytes); }
};

constexpr char Places[] =
    "Paris\tIle-de-France\tFR\tC\t2148000\t48.8566N\t2.3522E\t35\t\t\r\n"
    "New York\tNew York\tUS\tC\t8336817\t40.7128N\t74.0060W\t10\t\t\r\n"
    "Sydney\tNSW\tAU\tC\t5312163\t 33.8688S \t151.2093E\t58\t\t\r\n"
    "Lima\tLima\tPE\tC\t9751000\t12.0464S\t77.0428W\t154\t\t\r\n"
    "Nowhere\tbroken line\r\n"
    "Half\tx\ty\tz\tw\t45.0N\r\n"
    "Gen\xC3\xA8ve\tGE\tCH\tC\t203856\t46.2044N\t6.1432E\t375\t\t\r\n";

struct PlaceCase {
  const wchar_t* name;
  PlaceSearch result;
  std::optional<PlacePosition> position;
};

TEST_F(PlaceListTest, FindsAPlaceWithItsOwnPosition) {
  ASSERT_TRUE(WriteList(Places));
  for (const PlaceCase& c : {
           PlaceCase{L"paris", PlaceSearch::Found, PlacePosition{L"48.8566", L"2.3522", 2}},
           PlaceCase{L"New York", PlaceSearch::Found, PlacePosition{L"40.7128", L"74.0060", 4}},
           PlaceCase{L"SYDNEY", PlaceSearch::Found, PlacePosition{L"33.8688", L"151.2093", 3}},
           PlaceCase{L"Lima", PlaceSearch::Found, PlacePosition{L"12.0464", L"77.0428", 5}},
           PlaceCase{L"Nowhere", PlaceSearch::Found, std::nullopt},
           PlaceCase{L"Half", PlaceSearch::Found, std::nullopt},
           PlaceCase{L"Gen\u00E8ve", PlaceSearch::Found, PlacePosition{L"46.2044", L"6.1432", 2}},
           PlaceCase{L"Atlantis", PlaceSearch::NotFound, std::nullopt},
       }) {
    PlaceLookup lookup = FindPlaceInList(c.name);
    EXPECT_EQ(lookup.result, c.result) << c.name;
    ASSERT_EQ(lookup.position.has_value(), c.position.has_value()) << c.name;
    if (!c.position) continue;
    EXPECT_EQ(lookup.position->latitude, c.position->latitude) << c.name;
    EXPECT_EQ(lookup.position->longitude, c.position->longitude) << c.name;
    EXPECT_EQ(lookup.position->quadrant, c.position->quadrant) << c.name;
  }
}

TEST_F(PlaceListTest, ProgressCountsTheLinesBeforeAMatch) {
  ASSERT_TRUE(WriteList(Places));
  std::vector<int> steps;
  FindPlaceInList(L"Lima",
                  {[&steps] { steps.push_back(-1); }, [&steps](int compared) { steps.push_back(compared); }});
  EXPECT_EQ(steps, (std::vector<int>{-1, 0, 1, 2}));
}

TEST_F(PlaceListTest, AUtf16ListAndAMissingOne) {
  ASSERT_TRUE(WriteList(std::string("\xFF\xFE", 2) +
                        ToUtf16LeBytes(L"Z\u00FCrich\tZH\tCH\tC\t1\t47.3769N\t8.5417E\r\n")));
  PlaceLookup lookup = FindPlaceInList(L"z\u00FCrich");
  ASSERT_EQ(lookup.result, PlaceSearch::Found);
  ASSERT_TRUE(lookup.position);
  EXPECT_EQ(lookup.position->longitude, L"8.5417");

  DeleteFileW(PlaceListPath().c_str());
  EXPECT_EQ(FindPlaceInList(L"Paris").result, PlaceSearch::ListUnreadable);
}

}  // namespace
