#include "platform/com/control_activation.h"

#include "platform/com/com_api.h"
#include "platform/com/hosted_control.h"

namespace com {

HRESULT class_id_of(LPCOLESTR name, CLSID& clsid) {
  if (name == nullptr || name[0] == L'\0') return CO_E_CLASSSTRING;
  if (name[0] == L'{') return CLSIDFromString(name, &clsid);
  return CLSIDFromProgID(name, &clsid);
}

ActivatedControl activate_control(REFCLSID clsid, HWND parent, const RECT& rect, DWORD style, UINT id) {
  ActivatedControl activated;
  void* object = nullptr;
  activated.result = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object);
  if (FAILED(activated.result)) return activated;
  activated.control = static_cast<IUnknown*>(object);
  void* hosted = nullptr;
  if (FAILED(activated.control->QueryInterface(IID_IHostedControl, &hosted))) return activated;
  auto* in_place = static_cast<IHostedControl*>(hosted);
  activated.result = in_place->CreateControlWindow(parent, rect, style, id, &activated.window);
  in_place->Release();
  if (FAILED(activated.result)) {
    activated.control->Release();
    activated.control = nullptr;
    activated.window = nullptr;
  }
  return activated;
}

void deactivate_control(IUnknown* control) {
  if (control == nullptr) return;
  void* hosted = nullptr;
  if (SUCCEEDED(control->QueryInterface(IID_IHostedControl, &hosted))) {
    auto* in_place = static_cast<IHostedControl*>(hosted);
    in_place->DestroyControlWindow();
    in_place->Release();
  }
  control->Release();
}

}  // namespace com
