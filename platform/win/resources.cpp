// The calling program's resource table: strings and dialog templates by id.
#include <algorithm>
#include <cwchar>

#include "platform/win/resource_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"

void SetModuleResources(const ResourceTable* table) {
  if (desktop::DesktopThread* self = win_internal::caller()) self->process().resources = table;
}

const ResourceTable* GetModuleResources() {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? self->process().resources : nullptr;
}

const DialogTemplate* FindDialogTemplate(HINSTANCE, LPCWSTR name) {
  const ResourceTable* table = GetModuleResources();
  if (table == nullptr || !IS_INTRESOURCE(name)) return nullptr;
  const WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  for (int i = 0; i < table->dialog_count; ++i)
    if (table->dialogs[i].id == id) return &table->dialogs[i].dialog;
  return nullptr;
}

namespace {

LPCWSTR find_string(UINT id) {
  const ResourceTable* table = GetModuleResources();
  if (table == nullptr) return nullptr;
  const StringResource* end = table->strings + table->string_count;
  const StringResource* found = std::lower_bound(
      table->strings, end, id, [](const StringResource& entry, UINT key) { return entry.id < key; });
  return found != end && found->id == id ? found->text : nullptr;
}

}  // namespace

int WINAPI LoadStringW(HINSTANCE, UINT id, LPWSTR buffer, int max_count) {
  if (buffer == nullptr || max_count < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  LPCWSTR text = find_string(id);
  if (max_count == 0) {
    *reinterpret_cast<LPCWSTR*>(buffer) = text ? text : L"";
    return text ? static_cast<int>(std::wcslen(text)) : 0;
  }
  if (text == nullptr) {
    buffer[0] = L'\0';
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return 0;
  }
  return win_internal::copy_truncated(text, buffer, static_cast<std::size_t>(max_count));
}
