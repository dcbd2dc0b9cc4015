// Window properties, named by atoms of the global atom table, and that table's API.
#include <algorithm>
#include <cwchar>

#include "platform/win/atom_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/window_api.h"

namespace {

desktop::AtomTable* atoms() {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? &self->desktop().atoms() : nullptr;
}

ATOM existing_atom(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
  desktop::AtomTable* table = atoms();
  return table ? table->find(name) : 0;
}

}  // namespace

BOOL WINAPI SetPropW(HWND hwnd, LPCWSTR name, HANDLE data) {
  auto window = win_internal::live_window(hwnd);
  if (!window || name == nullptr) return FALSE;
  ATOM atom = existing_atom(name);
  if (atom == 0 || !window->props.count(atom)) {
    // A window's string property holds a reference to its atom until it is removed.
    atom = IS_INTRESOURCE(name) ? atom : atoms()->add(name);
    if (atom == 0) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
  }
  window->props[atom] = data;
  return TRUE;
}

HANDLE WINAPI GetPropW(HWND hwnd, LPCWSTR name) {
  auto window = win_internal::live_window(hwnd);
  if (!window || name == nullptr) return nullptr;
  auto at = window->props.find(existing_atom(name));
  return at == window->props.end() ? nullptr : at->second;
}

HANDLE WINAPI RemovePropW(HWND hwnd, LPCWSTR name) {
  auto window = win_internal::live_window(hwnd);
  if (!window || name == nullptr) return nullptr;
  ATOM atom = existing_atom(name);
  auto at = window->props.find(atom);
  if (at == window->props.end()) return nullptr;
  HANDLE data = at->second;
  window->props.erase(at);
  if (atom >= 0xC000) atoms()->remove(atom);
  return data;
}

ATOM WINAPI GlobalAddAtomW(LPCWSTR name) {
  desktop::AtomTable* table = atoms();
  if (table == nullptr) return 0;
  ATOM atom = table->add(name);
  if (atom == 0) SetLastError(ERROR_INVALID_PARAMETER);
  return atom;
}

ATOM WINAPI GlobalFindAtomW(LPCWSTR name) {
  desktop::AtomTable* table = atoms();
  if (table == nullptr) return 0;
  ATOM atom = table->find(name);
  if (atom == 0) SetLastError(ERROR_FILE_NOT_FOUND);
  return atom;
}

ATOM WINAPI GlobalDeleteAtom(ATOM atom) {
  desktop::AtomTable* table = atoms();
  if (table != nullptr && table->remove(atom)) return 0;
  SetLastError(ERROR_INVALID_HANDLE);
  return atom;
}

UINT WINAPI GlobalGetAtomNameW(ATOM atom, LPWSTR buffer, int size) {
  desktop::AtomTable* table = atoms();
  if (table == nullptr || buffer == nullptr || size <= 0) return 0;
  auto name = table->name_of(atom);
  if (!name) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return static_cast<UINT>(win_internal::copy_truncated(*name, buffer, static_cast<std::size_t>(size)));
}
