// What shows the desktop to a person and takes the person's input: a real window, an image
// in memory, or nothing at all. The desktop knows none of them; the view drives them.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "platform/audio/audio_sink.h"
#include "platform/desktop/mouse_input.h"
#include "platform/win/win_types.h"

namespace view {

// Success, or why not.
struct ViewResult {
  bool ok = true;
  std::string failure;

  explicit operator bool() const { return ok; }
  static ViewResult failed(std::string why) { return {false, std::move(why)}; }
};

// The desktop's virtual screen and its monitors, in desktop coordinates.
struct ScreenLayout {
  RECT screen{};
  std::vector<RECT> monitors;
};

// The composed screen: top-down rows of 0xAARRGGBB pixels, (0, 0) at the screen's top left.
struct Frame {
  int width = 0;
  int height = 0;
  std::span<const std::uint32_t> pixels;
};

// A key as keyboards report it: its USB HID usage (the position, not the character).
struct KeyPress {
  std::uint16_t usage = 0;
  bool released = false;
};

// The person closed the view.
struct CloseRequest {};

// Mouse events carry desktop (screen) coordinates.
using ViewInput = std::variant<desktop::MouseEvent, KeyPress, CloseRequest>;

class ViewBackend {
 public:
  virtual ~ViewBackend() = default;

  virtual ViewResult open(const ScreenLayout& layout) = 0;
  // dirty lists the parts of the frame (in frame coordinates) changed since the last call;
  // it is empty when nothing changed.
  virtual void present(const Frame& frame, std::span<const RECT> dirty) = 0;
  // What the person did since the last call, in order.
  virtual std::vector<ViewInput> pump() = 0;
  // Where the desktop's sound goes while the view is open; null keeps the desktop's own sink.
  virtual std::unique_ptr<audio::AudioSink> make_audio_sink() { return nullptr; }
};

}  // namespace view
