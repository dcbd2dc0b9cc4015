#include "platform/desktop/gdi/alpha_blend.h"

#include <vector>

namespace desktop {

namespace {

template <bool SourceAlpha, bool Opaque>
void blend_row(const std::uint32_t* from, std::uint32_t* to, int count, Blend blend, bool monochrome) {
  for (int i = 0; i < count; ++i) {
    const std::uint32_t pixel = from[i];
    std::uint32_t blended;
    if constexpr (SourceAlpha && Opaque) {
      // Whole pixels of premultiplied pictures are often fully opaque or fully clear.
      if (pixel >> 24 == 255) {
        blended = pixel;
      } else if (pixel == 0) {
        continue;
      } else {
        blended = blend_pixel(pixel, to[i], blend);
      }
    } else {
      blended = blend_pixel(pixel, to[i], blend);
    }
    to[i] = monochrome ? nearest_mono(blended) : blended;
  }
}

using RowBlend = void (*)(const std::uint32_t*, std::uint32_t*, int, Blend, bool);

RowBlend row_blend_for(Blend blend) {
  if (!blend.source_alpha) return &blend_row<false, false>;
  return blend.constant_alpha == 255 ? &blend_row<true, true> : &blend_row<true, false>;
}

}  // namespace

void alpha_blend(const Canvas& canvas, const SignedRect& dst, const Surface& source, const SignedRect& src,
                 const Conversion& conversion, Blend blend) {
  const StretchAxis x(dst.x, dst.width, src.x, src.width);
  const StretchAxis y(dst.y, dst.height, src.y, src.height);
  const Sampling sampling = nearest_sampling(canvas, x, y, source);
  const RECT& visible = sampling.visible;
  if (is_empty(visible)) return;
  const bool direct = x.dst_size == x.src_size && !x.mirrored && conversion.kind == Conversion::Kind::None;
  const RowBlend row_blend = row_blend_for(blend);
  std::vector<std::uint32_t> line(direct ? 0 : sampling.columns.size());
  for (const RECT& clip : canvas.clip.rects()) {
    const RECT part = intersection(clip, visible);
    const int count = part.right - part.left;
    const auto skip = static_cast<std::size_t>(part.left - visible.left);
    for (int yy = part.top; yy < part.bottom; ++yy) {
      const std::uint32_t* from = source.row(sampling.rows[static_cast<std::size_t>(yy - visible.top)]);
      if (direct) {
        from += sampling.columns[skip];
      } else {
        for (int i = 0; i < count; ++i)
          line[static_cast<std::size_t>(i)] =
              conversion.apply(from[sampling.columns[skip + static_cast<std::size_t>(i)]]);
        from = line.data();
      }
      row_blend(from, canvas.surface.row(yy) + part.left, count, blend, canvas.monochrome);
    }
  }
}

}  // namespace desktop
