#include "platform/desktop/jpeg_tables.h"

#include <cstddef>

namespace desktop {

namespace {

constexpr std::uint8_t kHuffmanTable = 0xC4;
constexpr std::uint8_t kEndOfImage = 0xD9;

// Markers without a length: stuffed zero, restarts, start of image, TEM.
bool stands_alone(std::uint8_t marker) {
  return marker == 0x00 || (marker >= 0xD0 && marker <= 0xD8) || marker == 0x01;
}

// Past the end the decoder reads zeros, and so does this.
std::uint8_t byte_at(std::span<const std::uint8_t> bytes, std::size_t at) {
  return at < bytes.size() ? bytes[at] : 0;
}

bool tables_fit(std::span<const std::uint8_t> bytes, std::size_t at, long length) {
  long left = length - 2;
  at += 2;
  while (left > 0) {
    long codes = 0;
    for (std::size_t i = 1; i <= 16; ++i)
      codes += byte_at(bytes, at + i);
    if (codes > 256) return false;
    at += 17 + static_cast<std::size_t>(codes);
    left -= 17 + codes;
    if (at >= bytes.size()) return true;
  }
  return true;
}

}  // namespace

bool jpeg_huffman_tables_fit(std::span<const std::uint8_t> bytes) {
  std::size_t at = 2;  // after the start-of-image marker
  while (at < bytes.size()) {
    while (at < bytes.size() && bytes[at] != 0xFF)
      ++at;
    while (at < bytes.size() && bytes[at] == 0xFF)
      ++at;
    if (at >= bytes.size()) break;
    const std::uint8_t marker = bytes[at++];
    if (marker == kEndOfImage) break;
    if (stands_alone(marker)) continue;
    const long length = byte_at(bytes, at) << 8 | byte_at(bytes, at + 1);
    if (marker == kHuffmanTable && !tables_fit(bytes, at, length)) return false;
    at += static_cast<std::size_t>(length < 2 ? 2 : length);
  }
  return true;
}

}  // namespace desktop
