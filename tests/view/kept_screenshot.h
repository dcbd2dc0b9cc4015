// A screenshot compared pixel for pixel with the picture kept in tests/fixtures.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/desktop/image_file.h"

namespace view_testing {

// Set to write the kept pictures afresh after a deliberate change to the drawing.
inline constexpr const char* UpdateScreenshotsVariable = "OC_UPDATE_SCREENSHOTS";

// Compares the picture taken with the kept one, then removes the one taken.
inline void ExpectSameAsKept(const std::filesystem::path& taken, const std::filesystem::path& kept_file) {
  desktop::ImageLoad shot = desktop::load_image_file(taken);
  desktop::ImageLoad kept = desktop::load_image_file(kept_file);
  std::filesystem::remove(taken);
  ASSERT_TRUE(shot) << shot.failure;
  ASSERT_TRUE(kept) << kept.failure << " (" << UpdateScreenshotsVariable << "=1 writes it)";
  ASSERT_EQ(shot.image->width, kept.image->width);
  ASSERT_EQ(shot.image->height, kept.image->height);
  for (int y = 0; y < kept.image->height; ++y)
    for (int x = 0; x < kept.image->width; ++x)
      ASSERT_EQ(shot.image->at(x, y), kept.image->at(x, y)) << "at " << x << "," << y;
}

}  // namespace view_testing
