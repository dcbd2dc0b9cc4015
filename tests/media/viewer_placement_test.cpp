#include <gtest/gtest.h>

#include "src/media/pdf/viewer_placement.h"

namespace {

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(ViewerPlacementTest, TheViewerGoesBesideTheConsoleWhereThereIsRoomElseOverItOnItsMonitor) {
  struct Case {
    const char* layout;
    RECT work;
    RECT console;
    RECT expected;
  };
  const SIZE viewer{1408, 843};
  const Case cases[] = {
      // The training window at the bottom right: the viewer fills the band left of it.
      {"training", {0, 0, 1920, 1040}, {952, 459, 1916, 1032}, {0, 98, 952, 941}},
      // The console fills its monitor: the viewer is centred over it, on that monitor.
      {"console on the secondary", {1920, 0, 3840, 1080}, {1920, 0, 3840, 1080}, {2176, 118, 3584, 961}},
      {"console on the primary", {0, 0, 1920, 1040}, {0, 0, 1920, 1080}, {256, 98, 1664, 941}},
      // A monitor smaller than the viewer keeps it whole within its work area.
      {"a small monitor", {0, 0, 1024, 728}, {0, 0, 1024, 768}, {0, 0, 1024, 728}},
  };
  for (const Case& c : cases) {
    const RECT place = ViewerPlace(c.work, c.console, viewer);
    EXPECT_TRUE(place == c.expected) << c.layout << ": " << place.left << "," << place.top << ","
                                     << place.right << "," << place.bottom;
  }
}

}  // namespace
