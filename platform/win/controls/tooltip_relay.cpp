#include "platform/win/controls/tooltip_relay.h"

#include <algorithm>
#include <vector>

#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

constexpr const wchar_t* kRelayProperty = L"OrvennaConsole.TooltipRelay";

struct Relay {
  WNDPROC previous;
  std::vector<HWND> tooltips;
};

Relay* relay_of(HWND hwnd) {
  return static_cast<Relay*>(GetPropW(hwnd, kRelayProperty));
}

bool is_relayed(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_MOUSELEAVE ||
         message == WM_NCMOUSEMOVE;
}

LRESULT CALLBACK relaying_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Relay* relay = relay_of(hwnd);
  if (relay == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const WNDPROC previous = relay->previous;
  if (is_relayed(message)) {
    MSG msg{hwnd, message, wParam, lParam, GetMessageTime(), {}};
    const DWORD position = GetMessagePos();
    msg.pt = {GET_X_LPARAM(static_cast<LPARAM>(position)), GET_Y_LPARAM(static_cast<LPARAM>(position))};
    const std::vector<HWND> tooltips = relay->tooltips;
    for (HWND tooltip : tooltips)
      SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  }
  if (message == WM_NCDESTROY) {
    RemovePropW(hwnd, kRelayProperty);
    delete relay;
  }
  return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

}  // namespace

void relay_from(HWND tool_window, HWND tooltip) {
  if (!IsWindow(tool_window)) return;
  Relay* relay = relay_of(tool_window);
  if (relay == nullptr) {
    relay = new Relay{reinterpret_cast<WNDPROC>(GetWindowLongPtrW(tool_window, GWLP_WNDPROC)), {}};
    SetPropW(tool_window, kRelayProperty, relay);
    SetWindowLongPtrW(tool_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&relaying_procedure));
  }
  if (std::find(relay->tooltips.begin(), relay->tooltips.end(), tooltip) == relay->tooltips.end())
    relay->tooltips.push_back(tooltip);
}

// The wrapper stays, since a later subclass may sit on top of it; only the tooltip leaves.
void stop_relaying(HWND tool_window, HWND tooltip) {
  if (!IsWindow(tool_window)) return;
  if (Relay* relay = relay_of(tool_window))
    relay->tooltips.erase(std::remove(relay->tooltips.begin(), relay->tooltips.end(), tooltip),
                          relay->tooltips.end());
}

}  // namespace controls
