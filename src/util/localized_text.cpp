#include "src/util/localized_text.h"

#include "platform/afx/win_app.h"
#include "platform/win/resource_api.h"
#include "platform/win/window_api.h"
#include "src/settings/console_settings.h"

namespace {
constexpr std::wstring_view NumberField = L"%d";
}

std::wstring LoadResourceText(UINT id) {
  const wchar_t* text = nullptr;
  int length = LoadStringW(nullptr, id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 && text != nullptr ? std::wstring(text, static_cast<std::size_t>(length))
                                       : std::wstring();
}

std::wstring LoadLocalizedText(UINT baseId) {
  return LoadResourceText(baseId + ReadLanguage());
}

void SetWindowTextFromResource(HWND window, UINT id) {
  SetWindowTextW(window, LoadResourceText(id).c_str());
}

void ShowLocalizedError(UINT baseId, UINT type, int number) {
  std::wstring text = LoadLocalizedText(baseId);
  // Only the number goes in: the text is never used as a format of its own.
  if (std::size_t field = text.find(NumberField); field != std::wstring::npos)
    text.replace(field, NumberField.size(), std::to_wstring(number));
  AfxMessageBox(text.c_str(), type);
}
