// A view that shows nothing: it counts what it was given and hands out input a test queued.
#pragma once

#include <deque>

#include "platform/view/view_backend.h"

namespace view {

class NullBackend : public ViewBackend {
 public:
  ViewResult open(const ScreenLayout& layout) override;
  void present(const Frame& frame, std::span<const RECT> dirty) override;
  std::vector<ViewInput> pump() override;

  // Given to the view at its next pump.
  void queue(ViewInput input) { queued_.push_back(std::move(input)); }

  const ScreenLayout& layout() const { return layout_; }
  int presents() const { return presents_; }
  // The dirty rectangles of the last present.
  const std::vector<RECT>& last_dirty() const { return last_dirty_; }

 private:
  ScreenLayout layout_;
  int presents_ = 0;
  std::vector<RECT> last_dirty_;
  std::deque<ViewInput> queued_;
};

}  // namespace view
