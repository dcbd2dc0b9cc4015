// The view in a real window on the host's display (SDL2). Only this backend knows SDL.
#pragma once

#include <memory>

#include "platform/view/view_backend.h"

namespace view {

// Its open fails, with SDL's reason, when there is no display to open a window on.
std::unique_ptr<ViewBackend> make_sdl_backend();

}  // namespace view
