// Ternary raster operations: the low byte of a ROP3 code's high word is the truth table of
// pattern, source and destination, bit (p << 2 | s << 1 | d).
#pragma once

#include <cstdint>

namespace desktop {

constexpr std::uint8_t rop3_index(std::uint32_t rop) {
  return static_cast<std::uint8_t>((rop >> 16) & 0xFF);
}
constexpr bool rop_uses_source(std::uint8_t rop) {
  return (((rop >> 2) ^ rop) & 0x33) != 0;
}
constexpr bool rop_uses_pattern(std::uint8_t rop) {
  return (((rop >> 4) ^ rop) & 0x0F) != 0;
}
constexpr bool rop_uses_destination(std::uint8_t rop) {
  return (((rop >> 1) ^ rop) & 0x55) != 0;
}

// The operation worked out bit by bit from its truth table.
constexpr std::uint32_t rop3(std::uint8_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  std::uint32_t result = 0;
  for (int i = 0; i < 8; ++i)
    if (rop & (1u << i)) result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  return result;
}

// A pen's binary operation (R2_BLACK 1 ... R2_WHITE 16; bit (p << 1 | d) of rop2 - 1) as the
// ternary one that ignores the source.
constexpr std::uint8_t rop3_of_rop2(int rop2) {
  const unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
  std::uint8_t rop = 0;
  for (unsigned i = 0; i < 8; ++i)
    if ((table >> (((i >> 1) & 2) | (i & 1))) & 1) rop = static_cast<std::uint8_t>(rop | (1u << i));
  return rop;
}

// dst[i] := rop(pattern, src[i], dst[i]) for count pixels, the pattern being pattern_row[i], or
// pattern_colour when pattern_row is null. src may be null when rop does not read it, and may
// overlap dst.
void rop_row(std::uint8_t rop, std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* pattern_row,
             std::uint32_t pattern_colour, int count);

}  // namespace desktop
