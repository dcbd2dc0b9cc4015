#include "platform/desktop/gdi/raster_op.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace desktop {

namespace {

// Every code gets its own loop with the truth table folded in; the common codes get their
// expression written out so the compiler need not find it.
template <std::uint8_t R>
struct Op {
  static std::uint32_t apply(std::uint32_t p, std::uint32_t s, std::uint32_t d) { return rop3(R, p, s, d); }
};
#define OC_FAST_ROP(code, expression)                                               \
  template <>                                                                       \
  struct Op<code> {                                                                 \
    static std::uint32_t apply(std::uint32_t p, std::uint32_t s, std::uint32_t d) { \
      (void)p;                                                                      \
      (void)s;                                                                      \
      (void)d;                                                                      \
      return expression;                                                            \
    }                                                                               \
  }
OC_FAST_ROP(0x88, s& d);               // SRCAND
OC_FAST_ROP(0x66, s ^ d);              // SRCINVERT
OC_FAST_ROP(0xEE, s | d);              // SRCPAINT
OC_FAST_ROP(0x44, s & ~d);             // SRCERASE
OC_FAST_ROP(0x33, ~s);                 // NOTSRCCOPY
OC_FAST_ROP(0x11, ~(s | d));           // NOTSRCERASE
OC_FAST_ROP(0xC0, p& s);               // MERGECOPY
OC_FAST_ROP(0xBB, ~s | d);             // MERGEPAINT
OC_FAST_ROP(0xFB, p | ~s | d);         // PATPAINT
OC_FAST_ROP(0x5A, p ^ d);              // PATINVERT
OC_FAST_ROP(0x55, ~d);                 // DSTINVERT
OC_FAST_ROP(0x22, d & ~s);             // DSna, clearing through a mask
OC_FAST_ROP(0xB8, ((p ^ d) & s) ^ p);  // PSDPxax: the pattern where the source is 0
OC_FAST_ROP(0xE2, ((p ^ d) & s) ^ d);  // DSPDxax: the pattern where the source is 1
#undef OC_FAST_ROP

using RowFunction = void (*)(std::uint32_t*, const std::uint32_t*, const std::uint32_t*, std::uint32_t, int);

template <std::uint8_t R, bool PatternRow>
void run(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* pattern, std::uint32_t colour,
         int count) {
  for (int i = 0; i < count; ++i)
    dst[i] = Op<R>::apply(PatternRow ? pattern[i] : colour, src[i], dst[i]);
}

template <bool PatternRow, std::size_t... Codes>
constexpr std::array<RowFunction, 256> table_of(std::index_sequence<Codes...>) {
  return {&run<static_cast<std::uint8_t>(Codes), PatternRow>...};
}

constexpr auto kWithPatternRow = table_of<true>(std::make_index_sequence<256>());
constexpr auto kWithPatternColour = table_of<false>(std::make_index_sequence<256>());

}  // namespace

void rop_row(std::uint8_t rop, std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* pattern_row,
             std::uint32_t pattern_colour, int count) {
  if (count <= 0) return;
  switch (rop) {
    case 0xAA:
      return;
    case 0xCC:
      if (dst != src) std::memmove(dst, src, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
      return;
    case 0x00:
      std::fill(dst, dst + count, 0u);
      return;
    case 0xFF:
      std::fill(dst, dst + count, 0xFFFFFFFFu);
      return;
    case 0xF0:
      if (pattern_row == nullptr) {
        std::fill(dst, dst + count, pattern_colour);
        return;
      }
      break;
    default:
      break;
  }
  // An operation that ignores the source may be handed none; any readable row will do.
  if (src == nullptr) src = dst;
  const auto& table = pattern_row ? kWithPatternRow : kWithPatternColour;
  table[rop](dst, src, pattern_row, pattern_colour, count);
}

}  // namespace desktop
