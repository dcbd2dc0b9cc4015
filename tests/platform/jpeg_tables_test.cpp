#include "platform/desktop/jpeg_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Bytes segment(std::uint8_t marker, const Bytes& payload) {
  const std::size_t length = payload.size() + 2;
  return Bytes{0xFF, marker, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)} +
         payload;
}

// One Huffman table declaring `codes` codes in all, with its symbols.
Bytes table(int codes) {
  Bytes out{0x00};
  int left = codes;
  for (int length = 0; length < 16; ++length) {
    out.push_back(static_cast<std::uint8_t>(left > 255 ? 255 : left));
    left -= out.back();
  }
  return out + Bytes(static_cast<std::size_t>(codes), 0x01);
}

Bytes jpeg(const Bytes& body) {
  return Bytes{0xFF, 0xD8} + body;
}

constexpr std::uint8_t kHuffman = 0xC4;

TEST(JpegTables, TablesOfAtMost256CodesFit) {
  struct Case {
    Bytes file;
    bool fits;
  };
  const Case cases[] = {
      {jpeg(segment(kHuffman, table(256))), true},
      {jpeg(segment(kHuffman, table(257))), false},
      // Every table of a segment counts, not only the first.
      {jpeg(segment(kHuffman, table(4) + table(270))), false},
      // Past the end the decoder reads zeros: the counts that are there decide.
      {jpeg(Bytes{0xFF, kHuffman, 0x01, 0x2C, 0x00, 10, 10, 10}), true},
      {jpeg(Bytes{0xFF, kHuffman, 0x01, 0x2C, 0x00, 255, 255}), false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(desktop::jpeg_huffman_tables_fit(cases[i].file), cases[i].fits) << "case " << i;
}

TEST(JpegTables, SegmentsAreWalkedAsTheDecoderWalksThem) {
  const Bytes bad = segment(kHuffman, table(300));
  const Bytes good = segment(kHuffman, table(10));
  // Scan data with a stuffed 0xFF and a restart marker runs on to the next real marker.
  const Bytes scan = segment(0xDA, {1, 1, 0, 0, 63, 0}) + Bytes{0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56};
  struct Case {
    Bytes file;
    bool fits;
  };
  const Case cases[] = {
      // A comment holding the bytes of a bad table is skipped by its length.
      {jpeg(segment(0xFE, bad) + good), true},
      {jpeg(good + scan + bad), false},
      // Padding and fill bytes between segments.
      {jpeg(scan + Bytes{0x00, 0x17, 0xFF, 0xFF} + bad), false},
      // Nothing after the end of the image is read.
      {jpeg(good + Bytes{0xFF, 0xD9} + bad), true},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(desktop::jpeg_huffman_tables_fit(cases[i].file), cases[i].fits) << "case " << i;
}

}  // namespace
