// What the picture codecs' one translation unit adds to their own interface.
#pragma once

namespace desktop {

// The decoder's last failure on this thread, or null; reading it forgets it, so a later
// failure that names no reason is not reported with a stale one.
const char* take_decoder_failure();

}  // namespace desktop
