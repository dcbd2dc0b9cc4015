// The system colours of Windows 7's default look, and a brush of each that is never freed.
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/win_internal.h"

namespace {

// COLORREF values (0x00BBGGRR), by COLOR_ index; 25 has no colour of its own.
constexpr COLORREF kSysColours[desktop::Gdi::kSysColourCount] = {
    0xC8C8C8,  // COLOR_SCROLLBAR
    0x000000,  // COLOR_BACKGROUND
    0xD1B499,  // COLOR_ACTIVECAPTION
    0xDBCDBF,  // COLOR_INACTIVECAPTION
    0xF0F0F0,  // COLOR_MENU
    0xFFFFFF,  // COLOR_WINDOW
    0x646464,  // COLOR_WINDOWFRAME
    0x000000,  // COLOR_MENUTEXT
    0x000000,  // COLOR_WINDOWTEXT
    0x000000,  // COLOR_CAPTIONTEXT
    0xB4B4B4,  // COLOR_ACTIVEBORDER
    0xFCF7F4,  // COLOR_INACTIVEBORDER
    0xABABAB,  // COLOR_APPWORKSPACE
    0xFF9933,  // COLOR_HIGHLIGHT
    0xFFFFFF,  // COLOR_HIGHLIGHTTEXT
    0xF0F0F0,  // COLOR_BTNFACE
    0xA0A0A0,  // COLOR_BTNSHADOW
    0x6D6D6D,  // COLOR_GRAYTEXT
    0x000000,  // COLOR_BTNTEXT
    0x544E43,  // COLOR_INACTIVECAPTIONTEXT
    0xFFFFFF,  // COLOR_BTNHIGHLIGHT
    0x696969,  // COLOR_3DDKSHADOW
    0xE3E3E3,  // COLOR_3DLIGHT
    0x000000,  // COLOR_INFOTEXT
    0xE1FFFF,  // COLOR_INFOBK
    0x000000,  // 25
    0xCC6600,  // COLOR_HOTLIGHT
    0xEAD1B9,  // COLOR_GRADIENTACTIVECAPTION
    0xF2E4D7,  // COLOR_GRADIENTINACTIVECAPTION
    0xFF9933,  // COLOR_MENUHILIGHT
    0xF0F0F0,  // COLOR_MENUBAR
};

bool known(int index) {
  return index >= 0 && index < static_cast<int>(desktop::Gdi::kSysColourCount);
}

}  // namespace

DWORD WINAPI GetSysColor(int index) {
  return known(index) ? kSysColours[index] : 0;
}

HBRUSH WINAPI GetSysColorBrush(int index) {
  if (win_internal::caller() == nullptr || !known(index)) return nullptr;
  HGDIOBJ& slot = gdi_internal::machine().gdi().sys_colour_brush(static_cast<std::size_t>(index));
  if (slot == nullptr) {
    desktop::GdiObject object;
    object.stock = true;
    object.data = desktop::GdiBrush{BS_SOLID, kSysColours[index], nullptr, false, 0, false};
    slot = gdi_internal::machine().gdi().add(std::move(object));
  }
  return static_cast<HBRUSH>(slot);
}
