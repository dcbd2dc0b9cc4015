#include "platform/desktop/gdi/transparent_blt.h"

#include <vector>

namespace desktop {

void transparent_blt(const Canvas& canvas, const SignedRect& dst, const Surface& source,
                     const SignedRect& src, const Conversion& conversion, std::uint32_t key) {
  const StretchAxis x(dst.x, dst.width, src.x, src.width);
  const StretchAxis y(dst.y, dst.height, src.y, src.height);
  const Sampling sampling = nearest_sampling(canvas, x, y, source);
  if (is_empty(sampling.visible)) return;
  // Reading the whole of it first keeps a blit within one surface from reading what it wrote.
  std::vector<std::uint32_t> picked(sampling.columns.size() * sampling.rows.size());
  for (std::size_t j = 0; j < sampling.rows.size(); ++j) {
    const std::uint32_t* line = source.row(sampling.rows[j]);
    for (std::size_t i = 0; i < sampling.columns.size(); ++i)
      picked[j * sampling.columns.size() + i] = line[sampling.columns[i]];
  }
  const RECT& visible = sampling.visible;
  key &= kRgbMask;
  for (const RECT& clip : canvas.clip.rects()) {
    const RECT part = intersection(clip, visible);
    for (int yy = part.top; yy < part.bottom; ++yy) {
      const std::uint32_t* from =
          &picked[static_cast<std::size_t>(yy - visible.top) * sampling.columns.size()];
      std::uint32_t* to = canvas.surface.row(yy);
      for (int xx = part.left; xx < part.right; ++xx) {
        const std::uint32_t pixel = from[xx - visible.left];
        if ((pixel & kRgbMask) != key) to[xx] = conversion.apply(pixel);
      }
    }
  }
}

}  // namespace desktop
