// Picture files as the console loads them through GDI+: sizes, alpha, the DIB section GDI
// draws, and failures with their reasons.
#include <filesystem>
#include <memory>

#include "platform/win/gdiplus_api.h"
#include "tests/platform/desktop_fixture.h"

namespace {

const std::filesystem::path kFixtures = OC_IMAGE_FIXTURES;

class GdiplusTest : public DesktopTest {
 protected:
  GdiplusTest() {
    const std::filesystem::path shows = machine.data_folder() / "C" / "Shows";
    std::filesystem::create_directories(shows);
    for (const char* folder : {"valid", "broken"})
      for (const auto& entry : std::filesystem::directory_iterator(kFixtures / folder))
        std::filesystem::copy_file(entry.path(), shows / entry.path().filename());
    Gdiplus::GdiplusStartupInput input;
    EXPECT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  }
  ~GdiplusTest() override { Gdiplus::GdiplusShutdown(token); }

  static std::vector<std::uint32_t> pixels_of(HBITMAP bitmap) {
    DIBSECTION section{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
    const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    return {bits, bits + section.dsBm.bmWidth * section.dsBm.bmHeight};
  }

  ULONG_PTR token = 0;
};

TEST_F(GdiplusTest, PicturesLoadWithTheirSizeAndAlpha) {
  struct Case {
    const wchar_t* path;
    UINT width, height;
    bool alpha;
  };
  const Case cases[] = {
      {L"C:\\Shows\\bmp_24_bottom_up_3x2.bmp", 3, 2, false},
      {L"C:\\Shows\\jpeg_quadrants_16x16.jpg", 16, 16, false},
      {L"C:\\Shows\\gif_transparent_3x2.gif", 3, 2, true},
      {L"C:\\SHOWS\\PNG_RGBA_2X2.PNG", 2, 2, true},  // Windows names, whatever their case
      {L"C:\\Shows\\png_rgb_3x1.png", 3, 1, false},
  };
  for (const Case& c : cases) {
    std::unique_ptr<Gdiplus::Bitmap> picture(Gdiplus::Bitmap::FromFile(c.path));
    ASSERT_EQ(picture->GetLastStatus(), Gdiplus::Ok) << picture->GetFailureReason();
    EXPECT_EQ(picture->GetWidth(), c.width);
    EXPECT_EQ(picture->GetHeight(), c.height);
    EXPECT_EQ(Gdiplus::IsAlphaPixelFormat(picture->GetPixelFormat()) != FALSE, c.alpha);
    EXPECT_EQ((picture->GetFlags() & Gdiplus::ImageFlagsHasAlpha) != 0, c.alpha);
    HBITMAP bitmap = nullptr;
    ASSERT_EQ(picture->GetHBITMAP(Gdiplus::Color(0, 0, 0, 0), &bitmap), Gdiplus::Ok);
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, static_cast<LONG>(c.width));
    EXPECT_EQ(info.bmHeight, static_cast<LONG>(c.height));
    EXPECT_TRUE(DeleteObject(bitmap));
  }
}

// Without a background the pixels keep their alpha, premultiplied, for AlphaBlend; over an
// opaque background they are blended into it.
TEST_F(GdiplusTest, TheBitmapIsPremultipliedOrLaidOverItsBackground) {
  Gdiplus::Bitmap picture(L"C:\\Shows\\png_rgba_2x2.png");
  HBITMAP clear = nullptr;
  HBITMAP on_white = nullptr;
  ASSERT_EQ(picture.GetHBITMAP(Gdiplus::Color(0, 0, 0, 0), &clear), Gdiplus::Ok);
  ASSERT_EQ(picture.GetHBITMAP(Gdiplus::Color(255, 255, 255), &on_white), Gdiplus::Ok);
  EXPECT_EQ(pixels_of(clear), (std::vector<std::uint32_t>{0xFFFF0000, 0x80008000, 0x00000000, 0x40404040}));
  EXPECT_EQ(pixels_of(on_white),
            (std::vector<std::uint32_t>{0xFFFF0000, 0xFF7FFF7F, 0xFFFFFFFF, 0xFFFFFFFF}));
  DeleteObject(clear);
  DeleteObject(on_white);
}

TEST_F(GdiplusTest, AMissingOrBrokenFileFailsWithItsReason) {
  struct Case {
    const wchar_t* path;
    Gdiplus::Status status;
  };
  const Case cases[] = {
      {L"C:\\Shows\\absent.png", Gdiplus::FileNotFound},
      {L"C:\\Nowhere\\absent.png", Gdiplus::FileNotFound},
      {L"C:\\Shows", Gdiplus::FileNotFound},
      {L"C:\\Shows\\png_truncated.png", Gdiplus::UnknownImageFormat},
      {L"C:\\Shows\\jpeg_truncated.jpg", Gdiplus::UnknownImageFormat},
      {L"C:\\Shows\\text.png", Gdiplus::UnknownImageFormat},
      {L"C:\\Shows\\empty.png", Gdiplus::UnknownImageFormat},
  };
  for (const Case& c : cases) {
    Gdiplus::Bitmap picture(c.path);
    EXPECT_FALSE(picture.GetFailureReason().empty());
    EXPECT_EQ(picture.GetLastStatus(), c.status) << picture.GetFailureReason();
    EXPECT_EQ(picture.GetWidth(), 0u);
    EXPECT_EQ(picture.GetLastStatus(), Gdiplus::InvalidParameter);
    EXPECT_EQ(picture.GetLastStatus(), Gdiplus::Ok) << "read once, the status is forgotten";
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
    EXPECT_EQ(picture.GetHBITMAP(Gdiplus::Color(), &bitmap), Gdiplus::InvalidParameter);
    EXPECT_EQ(bitmap, nullptr);
  }
}

}  // namespace
