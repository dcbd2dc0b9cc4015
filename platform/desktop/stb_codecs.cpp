// The one translation unit that holds the picture decoders and encoders. Only the formats the
// console's pictures come in are built in, so a file of any other format is refused; built
// here rather than linked from the distribution's library, they also get the sanitizers'
// and the fuzzer's instrumentation.
#include "platform/desktop/stb_codecs.h"

#include <cstdlib>

#include "platform/desktop/image.h"

#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS desktop::kMaxImageSide
// Zeroed: the JPEG decoder reads Huffman tables that a damaged file never defined, and left
// as they came from the heap those would index its arrays with garbage.
#define STBI_MALLOC(size) std::calloc(1, size)
#define STBI_REALLOC(pointer, size) std::realloc(pointer, size)
#define STBI_FREE(pointer) std::free(pointer)
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace desktop {

const char* take_decoder_failure() {
  const char* reason = stbi__g_failure_reason;
  stbi__g_failure_reason = nullptr;
  return reason;
}

}  // namespace desktop
