#include "peers/media/yuv_to_bgra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace {

struct SizeCase {
  int width;
  int height;
  int shown_width;  // the left part converted; libswscale leaves the last width % 8 pixels unwritten
};

// A frame of random samples, so every arm of the arithmetic and its clamping is reached.
AVFrame* noise_frame(int width, int height, unsigned seed) {
  AVFrame* frame = av_frame_alloc();
  frame->format = AV_PIX_FMT_YUV420P;
  frame->width = width;
  frame->height = height;
  av_frame_get_buffer(frame, 0);
  std::mt19937 random(seed);
  for (int plane = 0; plane < 3; ++plane) {
    const int rows = plane == 0 ? height : height / 2;
    for (int row = 0; row < rows; ++row)
      for (int x = 0; x < frame->linesize[plane]; ++x)
        frame->data[plane][row * frame->linesize[plane] + x] = static_cast<std::uint8_t>(random());
  }
  return frame;
}

std::vector<std::uint32_t> scaled_by_libswscale(const AVFrame& frame) {
  std::vector<std::uint32_t> out(static_cast<std::size_t>(frame.width) * frame.height);
  SwsContext* scaler = sws_getContext(frame.width, frame.height, AV_PIX_FMT_YUV420P, frame.width,
                                      frame.height, AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr);
  uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(out.data()), nullptr, nullptr, nullptr};
  int strides[4] = {frame.width * 4, 0, 0, 0};
  sws_scale(scaler, frame.data, frame.linesize, 0, frame.height, planes, strides);
  sws_freeContext(scaler);
  return out;
}

TEST(YuvToBgra, GivesTheSamePixelsAsLibswscaleAtTheFramesSize) {
  const SizeCase cases[] = {{1920, 1080, 1920}, {160, 120, 160}, {48, 2, 48}, {48, 6, 38}};
  for (const SizeCase& c : cases) {
    AVFrame* frame = noise_frame(c.width, c.height, static_cast<unsigned>(c.width));
    const std::vector<std::uint32_t> theirs = scaled_by_libswscale(*frame);
    frame->width = c.shown_width;
    ASSERT_TRUE(media::converts_directly(*frame));
    std::vector<std::uint32_t> ours(static_cast<std::size_t>(c.shown_width) * c.height);
    // In bands of an odd number of rows, as a window is painted, so bands also start on odd rows.
    for (int top = 0; top < c.height; top += 7)
      media::convert_to_bgra(
          *frame, top, std::min(7, c.height - top),
          reinterpret_cast<std::uint8_t*>(ours.data() + static_cast<std::size_t>(top) * c.shown_width),
          c.shown_width * 4);
    int differing = 0;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.shown_width; ++x)
        differing += ours[static_cast<std::size_t>(y) * c.shown_width + x] !=
                     theirs[static_cast<std::size_t>(y) * c.width + x];
    EXPECT_EQ(differing, 0) << c.shown_width << "x" << c.height;
    av_frame_free(&frame);
  }
}

}  // namespace
