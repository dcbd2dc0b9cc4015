#include "src/controls/control_font.h"

LOGFONTW ControlLogFont(const CWnd& control) {
  LOGFONTW font{};
  auto handle = reinterpret_cast<HGDIOBJ>(control.SendMessage(WM_GETFONT));
  if (handle == nullptr || ::GetObjectW(handle, sizeof(font), &font) == 0)
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  return font;
}
