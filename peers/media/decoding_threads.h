// How many threads libavcodec decodes a video with.
#pragma once

namespace media {

// One a core, at most four: enough that a slow frame (a key frame) is decoded while the frames
// before it are shown, without holding many frames in the decoder's threads.
int video_decoding_threads();

}  // namespace media
