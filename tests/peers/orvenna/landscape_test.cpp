// landscape.ini as the program reads it: a place whose numbers are not finite is read as 0.
#include <gtest/gtest.h>

#include "peers/orvenna/installed_sky.h"

namespace {

struct NumberCase {
  const char* written;
  double read;
};

TEST(LandscapeTest, ANumberThatIsNotFiniteReadsAsNone) {
  for (const NumberCase& c : {NumberCase{"12.5", 12.5}, NumberCase{"nan", 0}, NumberCase{"inf", 0},
                              NumberCase{"-infinity", 0}, NumberCase{"1e999", 0}}) {
    const std::string ini =
        std::string("[landscape]\nname = Hill\n[location]\nplanet = Earth\nlongitude = ") + c.written +
        "\nlatitude = " + c.written + "\naltitude = " + c.written + "\n";
    const std::optional<orvenna::Landscape> landscape = orvenna::read_landscape("hill", ini);
    ASSERT_TRUE(landscape && landscape->location) << c.written;
    EXPECT_EQ(landscape->location->longitude, c.read) << c.written;
    EXPECT_EQ(landscape->location->latitude, c.read) << c.written;
    EXPECT_EQ(landscape->location->altitude, c.read) << c.written;
  }
}

}  // namespace
