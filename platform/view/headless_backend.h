// A view without a display: it keeps the screen as last presented, and writes it as a PNG
// when asked.
#pragma once

#include <filesystem>

#include "platform/desktop/image.h"
#include "platform/view/view_backend.h"

namespace view {

class HeadlessBackend : public ViewBackend {
 public:
  ViewResult open(const ScreenLayout& layout) override;
  void present(const Frame& frame, std::span<const RECT> dirty) override;
  std::vector<ViewInput> pump() override { return {}; }

  // The screen as presented so far.
  const desktop::Image& image() const { return image_; }
  ViewResult write_screenshot(const std::filesystem::path& file) const;

 private:
  desktop::Image image_;
};

}  // namespace view
