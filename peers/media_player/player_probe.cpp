#include "peers/media_player/player_probe.h"

#include <cstdint>
#include <cstdio>

#include "peers/media_player/media_player.h"
#include "platform/desktop/json_text.h"
#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace media_player {
namespace {

std::string handle_text(HWND window) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llx",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
  return desktop::json_text(text);
}

std::string colour_text(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(GetRValue(colour)),
                static_cast<unsigned>(GetGValue(colour)), static_cast<unsigned>(GetBValue(colour)));
  return desktop::json_text(text);
}

std::string rect_text(HWND host) {
  RECT rect{};
  if (host != nullptr && IsWindow(host)) GetWindowRect(host, &rect);
  return "[" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " +
         std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + "]";
}

std::string boolean(bool value) {
  return value ? "true" : "false";
}

std::string json_view(const PlayerView& view) {
  char numbers[160];
  std::snprintf(numbers, sizeof numbers,
                "\"position\": %.3f, \"duration\": %.3f, \"rate\": %d, \"volume\": %d, \"frames_shown\": %d",
                view.position, view.duration, view.rate, view.volume, view.frames_shown);
  return "{\"url\": " + desktop::json_text(desktop::to_utf8(view.url)) +
         ", \"ui_mode\": " + desktop::json_text(desktop::to_utf8(view.ui_mode)) +
         ", \"state\": " + desktop::json_text(view.state) +
         ", \"failure\": " + desktop::json_text(view.failure) + ", " + numbers +
         ", \"mute\": " + boolean(view.mute) + ", \"enabled\": " + boolean(view.enabled) +
         ", \"full_screen\": " + boolean(view.full_screen) +
         ", \"last_centre\": " + colour_text(view.last_centre) + ", \"window\": " + handle_text(view.window) +
         ", \"host\": " + handle_text(view.host) + ", \"host_rect\": " + rect_text(view.host) +
         ", \"released\": " + boolean(view.released) + "}";
}

}  // namespace

std::string PlayerProbe::dump_json() const {
  return "{\"installed\": " + boolean(media_player_installed()) + ", " + controls_and_log_json(json_view) +
         "}";
}

}  // namespace media_player
