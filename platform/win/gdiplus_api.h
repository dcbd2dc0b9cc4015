// Pictures from files as GDI+ gives them to a Windows program: BMP, PNG, JPEG and GIF (its
// first frame) load into a bitmap with its size and pixel format, and become a 32-bit DIB
// section (HBITMAP) for GDI to draw with.
#pragma once

#include <memory>
#include <string>

#include "platform/win/win_types.h"

namespace desktop {
struct Image;
}

namespace Gdiplus {

enum Status {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  Win32Error = 7,
  FileNotFound = 10,
  UnknownImageFormat = 13,
};

using ARGB = DWORD;
using PixelFormat = INT;

inline constexpr PixelFormat PixelFormatAlpha = 0x00040000;
inline constexpr PixelFormat PixelFormatPAlpha = 0x00080000;
inline constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
inline constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;

inline BOOL IsAlphaPixelFormat(PixelFormat format) {
  return (format & PixelFormatAlpha) != 0;
}

enum ImageFlags : UINT {
  ImageFlagsNone = 0,
  ImageFlagsHasAlpha = 0x0002,
  ImageFlagsColorSpaceRGB = 0x0010,
  ImageFlagsReadOnly = 0x00010000,
};

class Color {
 public:
  Color() = default;
  Color(BYTE r, BYTE g, BYTE b) : Color(255, r, g, b) {}
  Color(BYTE a, BYTE r, BYTE g, BYTE b)
      : argb_(static_cast<ARGB>(a) << 24 | static_cast<ARGB>(r) << 16 | static_cast<ARGB>(g) << 8 | b) {}
  explicit Color(ARGB argb) : argb_(argb) {}
  ARGB GetValue() const { return argb_; }
  BYTE GetA() const { return static_cast<BYTE>(argb_ >> 24); }

 private:
  ARGB argb_ = 0xFF000000;  // opaque black
};

struct GdiplusStartupInput {
  UINT GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};

struct GdiplusStartupOutput {
  void* NotificationHook = nullptr;
  void* NotificationUnhook = nullptr;
};

Status WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                             GdiplusStartupOutput* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);

// A picture loaded from a file. Paths are Windows paths on the desktop's drives, against the
// calling program's current folder; load on a desktop thread.
class Bitmap {
 public:
  explicit Bitmap(const WCHAR* filename, BOOL useEmbeddedColorManagement = FALSE);
  ~Bitmap();
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  // Null only when there is no memory; a failed load is a Bitmap whose GetLastStatus says so.
  static Bitmap* FromFile(const WCHAR* filename, BOOL useEmbeddedColorManagement = FALSE);

  // The status of the last call that failed, which it then forgets, as GDI+ does.
  Status GetLastStatus() const;
  UINT GetWidth() const;
  UINT GetHeight() const;
  // PixelFormat32bppARGB when the file keeps alpha, else PixelFormat24bppRGB.
  PixelFormat GetPixelFormat() const;
  UINT GetFlags() const;
  // A new 32-bit top-down DIB section of the picture laid over background: with a background
  // of alpha 0 the pixels keep their alpha, premultiplied, ready for AlphaBlend's AC_SRC_ALPHA.
  // The caller deletes it with DeleteObject.
  Status GetHBITMAP(const Color& background, HBITMAP* bitmap);

  // Not in GDI+: why the load failed, in words, for the log; empty after a good load.
  const std::string& GetFailureReason() const { return failure_; }

 private:
  Status fail(Status status) const;
  // The picture; null, noted as the last status, after a failed load.
  const desktop::Image* loaded() const;

  std::unique_ptr<desktop::Image> image_;
  mutable Status last_status_ = Ok;
  std::string failure_;
};

}  // namespace Gdiplus
