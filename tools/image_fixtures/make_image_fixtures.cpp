// Writes the picture files that the image loader's tests and fuzz target start from:
//   make_image_fixtures tests/fixtures/images
// Everything but the JPEG is written byte by byte, so the files do not depend on the encoder
// under test; the JPEG comes from the JPEG writer of the same codec library.
#include <stb/stb_image_write.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16le(Bytes& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32le(Bytes& out, std::uint32_t value) {
  put16le(out, value & 0xFFFF);
  put16le(out, value >> 16);
}

void put32be(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void append(Bytes& out, const Bytes& more) {
  out.insert(out.end(), more.begin(), more.end());
}

std::uint32_t crc32(const Bytes& data, std::size_t from) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = from; i < data.size(); ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

std::uint32_t adler32(const Bytes& data) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

void png_chunk(Bytes& out, const char* type, const Bytes& data) {
  put32be(out, static_cast<std::uint32_t>(data.size()));
  Bytes body(type, type + 4);
  append(body, data);
  append(out, body);
  put32be(out, crc32(body, 0));
}

// A zlib stream of one stored (uncompressed) block.
Bytes zlib_stored(const Bytes& data) {
  Bytes out{0x78, 0x01, 0x01};
  put16le(out, static_cast<unsigned>(data.size()));
  put16le(out, static_cast<unsigned>(~data.size() & 0xFFFF));
  append(out, data);
  put32be(out, adler32(data));
  return out;
}

// Rows are the samples of each row, without the filter byte.
Bytes png(std::uint32_t width, std::uint32_t height, std::uint8_t colour_type, const std::vector<Bytes>& rows,
          const Bytes& palette = {}, const Bytes& transparency = {}) {
  Bytes out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  Bytes header;
  put32be(header, width);
  put32be(header, height);
  append(header, {8, colour_type, 0, 0, 0});
  png_chunk(out, "IHDR", header);
  if (!palette.empty()) png_chunk(out, "PLTE", palette);
  if (!transparency.empty()) png_chunk(out, "tRNS", transparency);
  Bytes raw;
  for (const Bytes& row : rows) {
    raw.push_back(0);
    append(raw, row);
  }
  png_chunk(out, "IDAT", zlib_stored(raw));
  png_chunk(out, "IEND", {});
  return out;
}

struct BmpSpec {
  int width;
  int height;  // negative: rows stored top-down
  int bits;
  std::vector<Bytes> rows;  // stored order, without padding
  Bytes palette;            // blue, green, red, 0 per entry
};

Bytes bmp(const BmpSpec& spec) {
  Bytes pixels;
  for (const Bytes& row : spec.rows) {
    append(pixels, row);
    while (pixels.size() % 4)
      pixels.push_back(0);
  }
  const auto offset = static_cast<std::uint32_t>(14 + 40 + spec.palette.size());
  Bytes out{'B', 'M'};
  put32le(out, offset + static_cast<std::uint32_t>(pixels.size()));
  put32le(out, 0);
  put32le(out, offset);
  put32le(out, 40);
  put32le(out, static_cast<std::uint32_t>(spec.width));
  put32le(out, static_cast<std::uint32_t>(spec.height));
  put16le(out, 1);
  put16le(out, static_cast<unsigned>(spec.bits));
  put32le(out, 0);  // BI_RGB
  put32le(out, static_cast<std::uint32_t>(pixels.size()));
  put32le(out, 2835);
  put32le(out, 2835);
  put32le(out, static_cast<std::uint32_t>(spec.palette.size() / 4));
  put32le(out, 0);
  append(out, spec.palette);
  append(out, pixels);
  return out;
}

// LZW data for a 4-colour GIF frame in 3-bit codes: a clear code before every second pixel
// keeps the code table from growing, so no code ever widens.
Bytes gif_raster(const Bytes& indices) {
  std::vector<unsigned> codes;
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i % 2 == 0) codes.push_back(4);
    codes.push_back(indices[i]);
  }
  codes.push_back(5);
  Bytes packed;
  unsigned bits = 0;
  int count = 0;
  for (unsigned code : codes) {
    bits |= code << count;
    count += 3;
    while (count >= 8) {
      packed.push_back(static_cast<std::uint8_t>(bits));
      bits >>= 8;
      count -= 8;
    }
  }
  if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
  Bytes out{2, static_cast<std::uint8_t>(packed.size())};
  append(out, packed);
  out.push_back(0);
  return out;
}

struct GifFrame {
  Bytes indices;
  int transparent_index;  // -1: none
};

Bytes gif(unsigned width, unsigned height, const Bytes& palette, const std::vector<GifFrame>& frames) {
  Bytes out{'G', 'I', 'F', '8', '9', 'a'};
  put16le(out, width);
  put16le(out, height);
  append(out, {0x91, 0, 0});  // a global table of four colours
  append(out, palette);
  for (const GifFrame& frame : frames) {
    if (frame.transparent_index >= 0)
      append(out, {0x21, 0xF9, 4, 0x01, 0, 0, static_cast<std::uint8_t>(frame.transparent_index), 0});
    out.push_back(0x2C);
    put16le(out, 0);
    put16le(out, 0);
    put16le(out, width);
    put16le(out, height);
    out.push_back(0);
    append(out, gif_raster(frame.indices));
  }
  out.push_back(0x3B);
  return out;
}

void collect(void* context, void* data, int size) {
  auto* out = static_cast<Bytes*>(context);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

// 16 x 16 in four solid quadrants: red, green above; blue, white below.
Bytes jpeg_quadrants() {
  constexpr std::array<std::array<std::uint8_t, 3>, 4> kColours{
      {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}}};
  Bytes rgb;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const auto& colour = kColours[(y / 8) * 2 + x / 8];
      rgb.insert(rgb.end(), colour.begin(), colour.end());
    }
  Bytes out;
  stbi_write_jpg_to_func(collect, &out, 16, 16, 3, rgb.data(), 95);
  return out;
}

Bytes first(const Bytes& data, std::size_t count) {
  return Bytes(data.begin(), data.begin() + count);
}

Bytes with_byte(Bytes data, std::size_t at, std::uint8_t value) {
  data[at] = value;
  return data;
}

Bytes with_bytes(Bytes data, std::size_t at, std::size_t count, std::uint8_t value) {
  std::fill_n(data.begin() + static_cast<std::ptrdiff_t>(at), count, value);
  return data;
}

std::size_t find_marker(const Bytes& data, std::uint8_t marker) {
  for (std::size_t i = 0; i + 1 < data.size(); ++i)
    if (data[i] == 0xFF && data[i + 1] == marker) return i;
  return data.size();
}

bool save(const std::filesystem::path& path, const Bytes& data) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  file.close();
  if (file) return true;
  std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];

  const Bytes rgba_png = png(2, 2, 6, {{255, 0, 0, 255, 0, 255, 0, 128}, {0, 0, 255, 0, 255, 255, 255, 64}});
  const Bytes rgb_png = png(3, 1, 2, {{10, 20, 30, 40, 50, 60, 70, 80, 90}});
  const Bytes grey_png = png(2, 1, 0, {{0, 200}});
  const Bytes palette_png = png(3, 1, 3, {{0, 1, 2}}, {255, 0, 0, 0, 255, 0, 0, 0, 255}, {255, 0});

  // Six colours in three columns and two rows; the stored row order is the only difference.
  const Bytes top_row{0, 0, 255, 0, 255, 0, 255, 0, 0};           // red, green, blue as BGR
  const Bytes bottom_row{255, 255, 255, 0, 0, 0, 128, 128, 128};  // white, black, grey
  const Bytes bottom_up = bmp({3, 2, 24, {bottom_row, top_row}, {}});
  const Bytes top_down = bmp({3, -2, 24, {top_row, bottom_row}, {}});
  const Bytes bmp32 = bmp({2, 2, 32, {{0, 0, 255, 0, 0, 255, 0, 128}, {255, 0, 0, 255, 10, 20, 30, 7}}, {}});
  const Bytes bmp8 =
      bmp({2, 2, 8, {{2, 3}, {0, 1}}, {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0}});

  const Bytes gif_palette{255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  const Bytes transparent_gif = gif(3, 2, gif_palette, {{{0, 1, 3, 2, 3, 0}, 3}});
  const Bytes two_frame_gif = gif(2, 1, gif_palette, {{{0, 1}, -1}, {{2, 2}, -1}});
  const Bytes jpeg = jpeg_quadrants();

  const std::size_t start_of_frame = find_marker(jpeg, 0xC0);
  const std::size_t huffman_table = find_marker(jpeg, 0xC4);
  struct Fixture {
    const char* name;
    Bytes data;
  };
  const std::vector<Fixture> fixtures{
      {"valid/png_rgba_2x2.png", rgba_png},
      {"valid/png_rgb_3x1.png", rgb_png},
      {"valid/png_grey_2x1.png", grey_png},
      {"valid/png_palette_transparent_3x1.png", palette_png},
      {"valid/bmp_24_bottom_up_3x2.bmp", bottom_up},
      {"valid/bmp_24_top_down_3x2.bmp", top_down},
      {"valid/bmp_32_2x2.bmp", bmp32},
      {"valid/bmp_8_palette_2x2.bmp", bmp8},
      {"valid/gif_transparent_3x2.gif", transparent_gif},
      {"valid/gif_two_frames_2x1.gif", two_frame_gif},
      {"valid/jpeg_quadrants_16x16.jpg", jpeg},
      {"broken/empty.png", {}},
      {"broken/text.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e', '\n'}},
      {"broken/netpbm_1x1.ppm", {'P', '6', ' ', '1', ' ', '1', ' ', '2', '5', '5', '\n', 1, 2, 3}},
      {"broken/png_truncated.png", first(rgba_png, rgba_png.size() / 2)},
      {"broken/png_signature_only.png", first(rgba_png, 8)},
      {"broken/png_corrupt_zlib.png", with_byte(with_byte(rgba_png, 41, 0), 42, 0)},
      {"broken/png_zero_width.png", png(0, 1, 2, {{}})},
      {"broken/png_huge_100000x100000.png", first(png(100000, 100000, 2, {}), 33)},
      {"broken/png_huge_16000x16000.png", first(png(16000, 16000, 6, {}), 33)},
      {"broken/bmp_truncated.bmp", first(bottom_up, 30)},
      {"broken/bmp_bad_depth.bmp", with_byte(bottom_up, 28, 7)},
      {"broken/bmp_zero_height.bmp", bmp({3, 0, 24, {}, {}})},
      {"broken/bmp_huge_16384x16384.bmp", bmp({16384, 16384, 24, {}, {}})},
      {"broken/gif_truncated.gif", first(transparent_gif, 20)},
      {"broken/gif_bad_code_size.gif", with_byte(transparent_gif, 43, 13)},
      {"broken/jpeg_truncated.jpg", first(jpeg, start_of_frame + 4)},
      {"broken/jpeg_no_components.jpg", with_byte(jpeg, start_of_frame + 9, 0)},
      // A table claiming 16 x 255 codes, more than the decoder has room for.
      {"broken/jpeg_huffman_overflow.jpg", with_bytes(jpeg, huffman_table + 5, 16, 0xFF)},
  };
  bool ok = true;
  for (const Fixture& fixture : fixtures)
    ok = save(folder / fixture.name, fixture.data) && ok;
  return ok ? 0 : 1;
}
