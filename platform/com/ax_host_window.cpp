#include <memory>
#include <string_view>

#include "platform/com/atl_host_api.h"
#include "platform/com/control_activation.h"
#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

struct HostedControl {
  IUnknown* control = nullptr;
  HWND window = nullptr;
};

HostedControl* hosted_of(HWND host) {
  return reinterpret_cast<HostedControl*>(GetWindowLongPtrW(host, 0));
}

bool is_host(HWND host) {
  wchar_t name[32] = {};
  return GetClassNameW(host, name, 32) > 0 && std::wstring_view(name) == kAxHostWindowClass;
}

void release_control(HWND host) {
  std::unique_ptr<HostedControl> hosted(hosted_of(host));
  SetWindowLongPtrW(host, 0, 0);
  if (hosted) com::deactivate_control(hosted->control);
}

LRESULT CALLBACK host_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      if (create->lpszName == nullptr || create->lpszName[0] == L'\0') return 0;
      return SUCCEEDED(AtlAxCreateControl(create->lpszName, hwnd, nullptr, nullptr)) ? 0 : -1;
    }
    case WM_SIZE:
      if (HostedControl* hosted = hosted_of(hwnd); hosted != nullptr && hosted->window != nullptr)
        MoveWindow(hosted->window, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (HostedControl* hosted = hosted_of(hwnd); hosted != nullptr && IsWindow(hosted->window))
        SetFocus(hosted->window);
      return 0;
    case WM_DESTROY:
      release_control(hwnd);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

BOOL WINAPI AtlAxWinInit() {
  WNDCLASSEXW host_class{};
  host_class.cbSize = sizeof(host_class);
  host_class.lpfnWndProc = host_procedure;
  host_class.cbWndExtra = sizeof(HostedControl*);
  host_class.lpszClassName = kAxHostWindowClass;
  WNDCLASSEXW existing{};
  if (GetClassInfoExW(nullptr, kAxHostWindowClass, &existing)) return TRUE;
  return RegisterClassExW(&host_class) != 0;
}

HRESULT WINAPI AtlAxCreateControl(LPCOLESTR name, HWND host, IStream*, IUnknown** container) {
  if (container != nullptr) *container = nullptr;
  if (!IsWindow(host) || !is_host(host)) return E_INVALIDARG;
  CLSID clsid{};
  if (HRESULT parsed = com::class_id_of(name, clsid); FAILED(parsed)) return parsed;
  release_control(host);
  RECT client{};
  GetClientRect(host, &client);
  com::ActivatedControl activated = com::activate_control(clsid, host, client, WS_CHILD | WS_VISIBLE, 0);
  if (FAILED(activated.result)) return activated.result;
  SetWindowLongPtrW(host, 0,
                    reinterpret_cast<LONG_PTR>(new HostedControl{activated.control, activated.window}));
  return S_OK;
}

HRESULT WINAPI AtlAxGetControl(HWND host, IUnknown** control) {
  if (control == nullptr) return E_POINTER;
  *control = nullptr;
  if (!IsWindow(host) || !is_host(host)) return E_FAIL;
  HostedControl* hosted = hosted_of(host);
  if (hosted == nullptr || hosted->control == nullptr) return E_FAIL;
  hosted->control->AddRef();
  *control = hosted->control;
  return S_OK;
}
