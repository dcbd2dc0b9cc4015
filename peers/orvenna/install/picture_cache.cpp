#include "peers/orvenna/install/picture_cache.h"

#include <map>
#include <mutex>

#include "platform/desktop/png_file.h"

namespace orvenna {

PngBytes cached_png(const std::string& key, const std::function<desktop::Image()>& draw) {
  // Desktops on several threads may install at once.
  static std::mutex mutex;
  static std::map<std::string, PngBytes, std::less<>> pictures;
  std::lock_guard lock(mutex);
  auto [at, added] = pictures.try_emplace(key);
  if (added) {
    desktop::PngEncoding png = desktop::encode_png(draw());
    if (png) at->second = std::make_shared<const std::vector<std::uint8_t>>(std::move(*png.bytes));
  }
  return at->second;
}

}  // namespace orvenna
