#include "platform/desktop/gdi/canvas.h"

#include <algorithm>

namespace desktop {

namespace {
int wrap(int value, int size) {
  const int r = value % size;
  return r < 0 ? r + size : r;
}
}  // namespace

void Conversion::row(const std::uint32_t* in, std::uint32_t* out, int count) const {
  if (kind == Kind::None) {
    std::copy(in, in + count, out);
    return;
  }
  for (int i = 0; i < count; ++i)
    out[i] = apply(in[i]);
}

void Pattern::row(int x, int y, int count, std::uint32_t* out) const {
  if (!tile || tile->width() == 0 || tile->height() == 0) {
    std::fill(out, out + count, colour);
    return;
  }
  const std::uint32_t* line = tile->row(wrap(y - origin.y, tile->height()));
  int at = wrap(x - origin.x, tile->width());
  for (int i = 0; i < count; ++i) {
    out[i] = line[at];
    if (++at == tile->width()) at = 0;
  }
}

}  // namespace desktop
