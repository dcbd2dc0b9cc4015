// Registered window classes. A class belongs to the process that registered it; the desktop's
// own classes (process 0) are seen by every process.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

struct WindowClass {
  ATOM atom = 0;
  std::wstring name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  int class_extra = 0;
  int window_extra = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON small_icon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  std::wstring menu_name;
  DWORD process_id = 0;
  int window_count = 0;
};

class ClassRegistry {
 public:
  // Returns the new class's atom, or 0 when the process already has a class of that name.
  ATOM add(WindowClass window_class);
  // A class by name or integer atom, the process's own before the desktop's.
  std::shared_ptr<WindowClass> find(LPCWSTR name_or_atom, DWORD process_id) const;
  // Any process's class of that name, for window searches.
  bool matches(const WindowClass& window_class, LPCWSTR name_or_atom) const;
  bool remove(LPCWSTR name_or_atom, DWORD process_id, DWORD& error);
  // An ended process's classes go with it.
  void remove_process(DWORD process_id);

 private:
  std::vector<std::shared_ptr<WindowClass>> classes_;
  ATOM next_atom_ = 0xC000;
};

bool equal_ignoring_case(const std::wstring& a, const std::wstring& b);

}  // namespace desktop
