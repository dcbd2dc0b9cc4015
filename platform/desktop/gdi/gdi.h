// The desktop's graphics state: its object table, the stock objects and the screen's pixels.
#pragma once

#include <array>
#include <cstdint>

#include "platform/desktop/gdi/gdi_object.h"
#include "platform/desktop/gdi/surface.h"
#include "platform/desktop/handle_table.h"

namespace desktop {

class Gdi {
 public:
  HandleTable<GdiObject>& objects() { return objects_; }
  GdiObject* object(const void* handle) const {
    return objects_.get(reinterpret_cast<std::uintptr_t>(handle));
  }
  void* add(GdiObject object) {
    return reinterpret_cast<void*>(objects_.add(std::make_shared<GdiObject>(std::move(object))));
  }

  // Filled on first use by the Win32 layer, which knows what each stock object is.
  void*& stock(std::size_t index) { return stock_.at(index); }
  void*& sys_colour_brush(std::size_t index) { return sys_colour_brushes_.at(index); }
  // The 1 by 1 monochrome bitmap every memory context starts with.
  void*& default_bitmap() { return default_bitmap_; }

  // The composed screen; its (0, 0) is the top left of the virtual screen.
  Surface& screen() { return screen_; }

  static constexpr std::size_t kStockCount = 20;
  static constexpr std::size_t kSysColourCount = 31;

 private:
  HandleTable<GdiObject> objects_{2};
  std::array<void*, kStockCount> stock_{};
  std::array<void*, kSysColourCount> sys_colour_brushes_{};
  void* default_bitmap_ = nullptr;
  Surface screen_;
};

}  // namespace desktop
