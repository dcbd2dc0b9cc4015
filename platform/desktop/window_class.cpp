#include "platform/desktop/window_class.h"

#include <algorithm>
#include <cwctype>

#include "platform/win/win_errors.h"
#include "platform/win/win_macros.h"

namespace desktop {

bool equal_ignoring_case(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return std::towupper(x) == std::towupper(y);
         });
}

bool ClassRegistry::matches(const WindowClass& window_class, LPCWSTR name_or_atom) const {
  if (IS_INTRESOURCE(name_or_atom))
    return window_class.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name_or_atom));
  return equal_ignoring_case(window_class.name, name_or_atom);
}

ATOM ClassRegistry::add(WindowClass window_class) {
  for (const auto& existing : classes_)
    if (existing->process_id == window_class.process_id &&
        equal_ignoring_case(existing->name, window_class.name))
      return 0;
  window_class.atom = next_atom_++;
  classes_.push_back(std::make_shared<WindowClass>(std::move(window_class)));
  return classes_.back()->atom;
}

std::shared_ptr<WindowClass> ClassRegistry::find(LPCWSTR name_or_atom, DWORD process_id) const {
  std::shared_ptr<WindowClass> shared;
  for (const auto& window_class : classes_) {
    if (!matches(*window_class, name_or_atom)) continue;
    if (window_class->process_id == process_id) return window_class;
    if (window_class->process_id == 0) shared = window_class;
  }
  return shared;
}

bool ClassRegistry::remove(LPCWSTR name_or_atom, DWORD process_id, DWORD& error) {
  auto at = std::find_if(classes_.begin(), classes_.end(), [&](const auto& window_class) {
    return window_class->process_id == process_id && matches(*window_class, name_or_atom);
  });
  if (at == classes_.end()) {
    error = ERROR_CLASS_DOES_NOT_EXIST;
    return false;
  }
  if ((*at)->window_count > 0) {
    error = ERROR_CLASS_HAS_WINDOWS;
    return false;
  }
  classes_.erase(at);
  return true;
}

void ClassRegistry::remove_process(DWORD process_id) {
  std::erase_if(classes_, [&](const auto& window_class) { return window_class->process_id == process_id; });
}

}  // namespace desktop
