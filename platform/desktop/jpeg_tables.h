// A check of JPEG files that the decoder leaves out.
#pragma once

#include <cstdint>
#include <span>

namespace desktop {

// Whether every Huffman table of a JPEG file declares at most 256 codes. The decoder copies
// a table's codes into room for 256 without counting them first, so a damaged table would
// overwrite its memory. Walks the segments as the decoder does: by their lengths, skipping
// padding, and through entropy-coded data to its closing marker.
bool jpeg_huffman_tables_fit(std::span<const std::uint8_t> bytes);

}  // namespace desktop
