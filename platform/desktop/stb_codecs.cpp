// The one translation unit that holds the picture decoders and encoders. Only the formats the
// console's pictures come in are built in, so a file of any other format is refused; built
// here rather than linked from the distribution's library, they also get the sanitizers'
// and the fuzzer's instrumentation.
#include "platform/desktop/stb_codecs.h"

#include "platform/desktop/image.h"

#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS desktop::kMaxImageSide
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
