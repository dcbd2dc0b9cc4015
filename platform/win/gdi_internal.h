// What the graphics calls share: finding contexts and objects, the stock objects, and where
// a context draws (its surface, its origin on it and the part it may touch).
#pragma once

#include <optional>
#include <variant>

#include "platform/desktop/desktop.h"
#include "platform/desktop/gdi/canvas.h"
#include "platform/win/win_types.h"

namespace gdi_internal {

// The calling thread's desktop; only for callers that checked win_internal::caller().
desktop::Desktop& machine();

// The context of a handle, or null with ERROR_INVALID_HANDLE (also outside every desktop).
desktop::DeviceContext* context_of(HDC hdc);
// The object of a handle, or null with ERROR_INVALID_HANDLE.
desktop::GdiObject* object_of(HGDIOBJ object);
template <typename T>
T* object_as(HGDIOBJ object) {
  desktop::GdiObject* found = object_of(object);
  return found ? std::get_if<T>(&found->data) : nullptr;
}

// A stock object by its GetStockObject index, made on first use; null for an unknown index.
HGDIOBJ stock_object(int index);
HGDIOBJ default_bitmap();
desktop::DcAttributes default_attributes(bool memory);
// Whether any context holds the object, in its current state or a saved one; except may be
// left out of the search.
bool selected_anywhere(HGDIOBJ object, const desktop::DeviceContext* except = nullptr);

// Where a context draws. Reads from the screen go through prepare_read, which composes it.
struct Target {
  desktop::Surface* surface = nullptr;
  bool monochrome = false;
  bool screen = false;
  POINT origin{};          // device (0, 0) on the surface
  desktop::RectList clip;  // surface coordinates: what the context may touch

  desktop::Canvas canvas() const { return {*surface, monochrome, clip}; }
};
// Null with ERROR_INVALID_HANDLE when the context's window is gone.
std::optional<Target> target_of(const desktop::DeviceContext& dc);
void prepare_read(const Target& target, const RECT& surface_area);

// A context ready to draw on: its record and where it draws.
struct Drawing {
  desktop::DeviceContext& dc;
  Target target;

  // Pattern operation rop over a rectangle in logical coordinates.
  void pattern_rect(const RECT& logical, const desktop::Pattern& pattern, std::uint8_t rop) const;
};
// Null (with the error set) for a bad context or one whose window is gone.
std::optional<Drawing> drawing_on(HDC hdc);

POINT to_surface(const desktop::DeviceContext& dc, const Target& target, int x, int y);
RECT to_surface(const desktop::DeviceContext& dc, const Target& target, const RECT& logical);

// A colour as the target's pixels hold it.
std::uint32_t device_colour(const Target& target, COLORREF colour);
// A brush (or COLOR_ index + 1) as the target's pixels; none for a null or unknown brush.
std::optional<desktop::Pattern> pattern_of(const desktop::DeviceContext& dc, const Target& target,
                                           HBRUSH brush);
// The selected pen as the target draws it; none for a null pen.
struct Pen {
  UINT style = 0;
  int width = 1;  // at least 1
  std::uint32_t colour = 0;
};
std::optional<Pen> pen_of(const desktop::DeviceContext& dc, const Target& target);

// How pixels of source become pixels of the destination.
desktop::Conversion conversion_between(const desktop::DeviceContext& dst_dc, const Target& dst,
                                       const desktop::DeviceContext& src_dc, const Target& src);

// A 32-bit top-down DIB section of that size, its pixels (0x00RRGGBB) at *bits; null on failure.
HBITMAP top_down_dib(int width, int height, std::uint32_t** bits);

}  // namespace gdi_internal
