// The dialog item helpers: text, numbers and messages by control id.
#include <cerrno>
#include <cstdint>
#include <cwchar>
#include <cwctype>
#include <string>

#include "platform/win/dialog_api.h"
#include "platform/win/message_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/window_api.h"

BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
  HWND control = GetDlgItem(dialog, id);
  return control ? SetWindowTextW(control, text) : FALSE;
}

UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int max_count) {
  HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) {
    if (buffer != nullptr && max_count > 0) buffer[0] = L'\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextW(control, buffer, max_count));
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL is_signed) {
  std::wstring text = is_signed ? std::to_wstring(static_cast<int>(value)) : std::to_wstring(value);
  return SetDlgItemTextW(dialog, id, text.c_str());
}

UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL is_signed) {
  if (translated != nullptr) *translated = FALSE;
  wchar_t text[64];
  if (GetDlgItemTextW(dialog, id, text, 64) == 0) return 0;
  const wchar_t* start = text;
  while (std::iswspace(*start))
    ++start;
  wchar_t* end = nullptr;
  errno = 0;
  long long value = std::wcstoll(start, &end, 10);
  while (end != nullptr && std::iswspace(*end))
    ++end;
  const bool negative_refused = !is_signed && value < 0;
  const bool out_of_range = is_signed ? (value < INT32_MIN || value > INT32_MAX) : value > UINT32_MAX;
  if (end == start || *end != L'\0' || errno != 0 || negative_refused || out_of_range) return 0;
  if (translated != nullptr) *translated = TRUE;
  return static_cast<UINT>(value);
}

LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) {
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return 0;
  }
  return SendMessageW(control, message, wParam, lParam);
}
