#include "tests/com/fake_control.h"

#include "platform/com/com_api.h"
#include "platform/com/hosted_control.h"
#include "platform/com/ole_auto_api.h"
#include "platform/win/win32.h"

namespace {

std::wstring class_key() {
  wchar_t text[40];
  StringFromGUID2(kFakeControlClassId, text, 40);
  return std::wstring(L"CLSID\\") + text;
}

class FakeControl final : public IDispatch, public IHostedControl {
 public:
  explicit FakeControl(std::shared_ptr<FakeControlRecord> record) : record_(std::move(record)) {
    ++record_->made;
    ++record_->alive;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch) *object = static_cast<IDispatch*>(this);
    if (iid == IID_IHostedControl) *object = static_cast<IHostedControl*>(this);
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (member != kRememberDispatchId) return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 1 || params->rgvarg[0].vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    std::wstring text(params->rgvarg[0].bstrVal, SysStringLen(params->rgvarg[0].bstrVal));
    record_->remembered.push_back(text);
    VariantInit(result);
    result->vt = VT_BOOL;
    result->boolVal = text.empty() ? VARIANT_FALSE : VARIANT_TRUE;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE CreateControlWindow(HWND parent, const RECT& rect, DWORD style, UINT id,
                                                HWND* window) override {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.lpszClassName = kFakeControlWindowClass;
    RegisterClassExW(&window_class);
    window_ = CreateWindowExW(0, kFakeControlWindowClass, nullptr, style | WS_CHILD, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    record_->window = window_;
    *window = window_;
    return window_ == nullptr ? E_FAIL : S_OK;
  }
  HRESULT STDMETHODCALLTYPE DestroyControlWindow() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    return S_OK;
  }

 private:
  ~FakeControl() {
    DestroyControlWindow();
    --record_->alive;
  }

  ULONG references_ = 1;
  std::shared_ptr<FakeControlRecord> record_;
  HWND window_ = nullptr;
};

}  // namespace

std::shared_ptr<FakeControlRecord> register_fake_control(desktop::Desktop& machine) {
  auto record = std::make_shared<FakeControlRecord>();
  machine.in_process_servers().add(kFakeControlClassId, [record](REFIID iid, void** object) {
    auto* control = new FakeControl(record);
    HRESULT result = control->QueryInterface(iid, object);
    control->Release();
    return result;
  });
  return record;
}

void install_fake_control() {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CLASSES_ROOT, class_key().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegCloseKey(key);
}

void uninstall_fake_control() {
  RegDeleteKeyW(HKEY_CLASSES_ROOT, class_key().c_str());
}
