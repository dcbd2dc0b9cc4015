#include "platform/view/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <optional>

#include "platform/view/sdl_audio_sink.h"
#include "platform/win/mouse_api.h"

namespace view {
namespace {

constexpr const char* kTitle = "Orvenna Console - embedded desktop";
// The window takes at most this share of the host's usable screen.
constexpr double kShareOfHostScreen = 0.9;
constexpr int kWheelDelta = 120;

struct ButtonFlags {
  Uint8 button;
  DWORD down;
  DWORD up;
};

constexpr ButtonFlags kButtons[] = {
    {SDL_BUTTON_LEFT, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
    {SDL_BUTTON_RIGHT, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
    {SDL_BUTTON_MIDDLE, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP},
};

class SdlBackend : public ViewBackend {
 public:
  ~SdlBackend() override {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  ViewResult open(const ScreenLayout& layout) override {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return failed("cannot reach a display");
    initialised_ = true;
    origin_ = {layout.screen.left, layout.screen.top};
    const int width = layout.screen.right - layout.screen.left;
    const int height = layout.screen.bottom - layout.screen.top;
    const SDL_Point size = fitted_size(width, height);
    window_ = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.x, size.y,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window_ == nullptr) return failed("cannot open a window");
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) return failed("cannot draw in the window");
    // Mouse positions come back in the screen's own pixels, letterboxed as the window is.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_RenderSetLogicalSize(renderer_, width, height);
    texture_ =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (texture_ == nullptr) return failed("cannot hold the screen's pixels");
    return {};
  }

  std::unique_ptr<audio::AudioSink> make_audio_sink() override { return make_sdl_audio_sink(); }

  void present(const Frame& frame, std::span<const RECT> dirty) override {
    for (const RECT& part : dirty) {
      const SDL_Rect area{part.left, part.top, part.right - part.left, part.bottom - part.top};
      const std::uint32_t* first =
          frame.pixels.data() + static_cast<std::size_t>(part.top) * frame.width + part.left;
      SDL_UpdateTexture(texture_, &area, first, frame.width * static_cast<int>(sizeof(std::uint32_t)));
    }
    if (dirty.empty() && !exposed_) return;
    exposed_ = false;
    SDL_SetRenderDrawColor(renderer_, 32, 32, 32, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

  std::vector<ViewInput> pump() override {
    std::vector<ViewInput> inputs;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      switch (event.type) {
        case SDL_QUIT:
          inputs.emplace_back(CloseRequest{});
          break;
        case SDL_WINDOWEVENT:
          exposed_ = true;
          break;
        case SDL_MOUSEMOTION:
          inputs.emplace_back(mouse_at(event.motion.x, event.motion.y, 0));
          break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
          if (DWORD flag = button_flag(event.button); flag != 0)
            inputs.emplace_back(mouse_at(event.button.x, event.button.y, flag));
          break;
        case SDL_MOUSEWHEEL: {
          desktop::MouseEvent wheel;
          wheel.wheel = event.wheel.y * kWheelDelta;
          wheel.horizontal_wheel = event.wheel.x * kWheelDelta;
          inputs.emplace_back(wheel);
          break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
          inputs.emplace_back(
              KeyPress{static_cast<std::uint16_t>(event.key.keysym.scancode), event.type == SDL_KEYUP});
          break;
        default:
          break;
      }
    }
    return inputs;
  }

 private:
  static ViewResult failed(const char* what) {
    return ViewResult::failed(std::string(what) + " (" + SDL_GetError() + ")");
  }

  // The screen at its own size when the host's screen holds it, else shrunk to fit.
  static SDL_Point fitted_size(int width, int height) {
    SDL_Rect usable{0, 0, width, height};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return {width, height};
    const double scale =
        std::min({1.0, kShareOfHostScreen * usable.w / width, kShareOfHostScreen * usable.h / height});
    return {std::max(1, static_cast<int>(width * scale)), std::max(1, static_cast<int>(height * scale))};
  }

  static DWORD button_flag(const SDL_MouseButtonEvent& button) {
    for (const ButtonFlags& flags : kButtons)
      if (flags.button == button.button) return button.type == SDL_MOUSEBUTTONDOWN ? flags.down : flags.up;
    return 0;
  }

  // A press or release moves the cursor only when it is not there yet, as a mouse would.
  desktop::MouseEvent mouse_at(int x, int y, DWORD buttons) {
    desktop::MouseEvent event;
    const POINT at{origin_.x + x, origin_.y + y};
    if (!last_at_ || last_at_->x != at.x || last_at_->y != at.y) event.move_to = at;
    last_at_ = at;
    event.buttons = buttons;
    return event;
  }

  bool initialised_ = false;
  bool exposed_ = false;
  POINT origin_{};
  std::optional<POINT> last_at_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
};

}  // namespace

std::unique_ptr<ViewBackend> make_sdl_backend() {
  return std::make_unique<SdlBackend>();
}

}  // namespace view
