#include "platform/view/null_backend.h"

namespace view {

ViewResult NullBackend::open(const ScreenLayout& layout) {
  layout_ = layout;
  return {};
}

void NullBackend::present(const Frame&, std::span<const RECT> dirty) {
  ++presents_;
  last_dirty_.assign(dirty.begin(), dirty.end());
}

std::vector<ViewInput> NullBackend::pump() {
  std::vector<ViewInput> inputs(queued_.begin(), queued_.end());
  queued_.clear();
  return inputs;
}

}  // namespace view
