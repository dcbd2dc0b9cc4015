#include "platform/afx/data_exchange.h"

#include <cerrno>
#include <cwchar>
#include <cwctype>
#include <type_traits>

#include "platform/afx/win_app.h"
#include "platform/afx/wnd.h"
#include "platform/win/controls_api.h"
#include "platform/win/dialog_api.h"
#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/window_api.h"

namespace {

std::wstring text_of(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring format(long long value) {
  return std::to_wstring(value);
}

std::wstring format(double value) {
  wchar_t text[64];
  std::swprintf(text, 64, L"%.15g", value);
  return text;
}

// The whole text as a number, blanks around it allowed.
template <typename Number, typename Parse>
bool parse(const std::wstring& text, Number& value, Parse parse_function) {
  const wchar_t* start = text.c_str();
  wchar_t* end = nullptr;
  errno = 0;
  auto parsed = parse_function(start, &end);
  if (end == start || errno != 0) return false;
  while (std::iswspace(*end))
    ++end;
  if (*end != L'\0') return false;
  value = static_cast<Number>(parsed);
  return static_cast<decltype(parsed)>(value) == parsed;
}

template <typename Number, typename Parse>
void exchange_number(CDataExchange* dx, int id, Number& value, Parse parse_function, LPCWSTR refusal) {
  HWND control = dx->PrepareCtrl(id);
  if (control == nullptr) return;
  if (!dx->m_bSaveAndValidate) {
    if constexpr (std::is_floating_point_v<Number>)
      SetWindowTextW(control, format(static_cast<double>(value)).c_str());
    else
      SetWindowTextW(control, format(static_cast<long long>(value)).c_str());
    return;
  }
  if (!parse(text_of(control), value, parse_function)) {
    AfxMessageBox(refusal, MB_ICONEXCLAMATION);
    dx->Fail();
  }
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  HWND control = GetDlgItem(m_pDlgWnd->m_hWnd, id);
  if (control == nullptr) {
    m_bFailed = true;
    return nullptr;
  }
  m_hWndLastControl = control;
  return control;
}

void CDataExchange::Fail() {
  m_bFailed = true;
  if (m_hWndLastControl != nullptr) SetFocus(m_hWndLastControl);
}

void DDX_Text(CDataExchange* dx, int id, std::wstring& value) {
  HWND control = dx->PrepareCtrl(id);
  if (control == nullptr) return;
  if (dx->m_bSaveAndValidate)
    value = text_of(control);
  else
    SetWindowTextW(control, value.c_str());
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  exchange_number(
      dx, id, value, [](const wchar_t* s, wchar_t** end) { return std::wcstol(s, end, 10); },
      L"Please enter an integer.");
}

void DDX_Text(CDataExchange* dx, int id, UINT& value) {
  exchange_number(
      dx, id, value,
      [](const wchar_t* s, wchar_t** end) {
        while (std::iswspace(*s))
          ++s;
        if (*s == L'-') {
          *end = const_cast<wchar_t*>(s);
          return 0ul;
        }
        return std::wcstoul(s, end, 10);
      },
      L"Please enter a positive integer.");
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
  exchange_number(
      dx, id, value, [](const wchar_t* s, wchar_t** end) { return std::wcstod(s, end); },
      L"Please enter a number.");
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareCtrl(id);
  if (control == nullptr) return;
  if (dx->m_bSaveAndValidate)
    value = static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0));
  else
    SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd != nullptr) return;
  HWND item = dx->PrepareCtrl(id);
  if (item != nullptr && !control.SubclassWindow(item)) dx->Fail();
}
