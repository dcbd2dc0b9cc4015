// How a container activates a windowed control in place on this desktop: it names the parent
// window, the rectangle and the style, and the control makes its own window there. The control
// destroys that window when deactivated, and when its last reference goes.
#pragma once

#include "platform/com/com_types.h"

inline constexpr IID IID_IHostedControl{
    0x69247608, 0x5e8f, 0x4509, {0xb6, 0xfc, 0x5e, 0xb4, 0x16, 0x7f, 0x8d, 0x34}};

struct IHostedControl : IUnknown {
  // *window is the control's window, or null for a control that shows nothing.
  virtual HRESULT STDMETHODCALLTYPE CreateControlWindow(HWND parent, const RECT& rect, DWORD style, UINT id,
                                                        HWND* window) = 0;
  virtual HRESULT STDMETHODCALLTYPE DestroyControlWindow() = 0;

 protected:
  ~IHostedControl() = default;
};
