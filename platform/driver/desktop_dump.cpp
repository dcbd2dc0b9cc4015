// The dump of the machine, as JSON: windows (a tooltip with its tools' texts), the front dialog's
// controls, timers, the values under HKEY_CURRENT_USER\Software, the message boxes shown, and the
// programs' own sections.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <sstream>

#include "platform/desktop/json_text.h"
#include "platform/desktop/utf8.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/controls_api.h"
#include "platform/win/win32.h"

namespace driver {
namespace {

std::string json_text(const std::wstring& text) {
  return desktop::json_text(desktop::to_utf8(text));
}

std::string handle(const void* value) {
  char text[24];
  std::snprintf(text, sizeof(text), "\"0x%llx\"",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(value)));
  return text;
}

std::string boolean(bool value) {
  return value ? "true" : "false";
}

std::wstring class_of(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

// A layered window's constant alpha, 255 for any other window.
int layered_alpha(HWND hwnd) {
  BYTE alpha = 255;
  DWORD flags = 0;
  if ((GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) return 255;
  if (!GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) return 255;
  return alpha;
}

std::string list_view_rows(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const LRESULT columns =
      header != nullptr ? std::max<LRESULT>(1, SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  std::string rows = "[";
  const LRESULT count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  for (LRESULT row = 0; row < count; ++row) {
    rows += row == 0 ? "[" : ", [";
    for (LRESULT column = 0; column < columns; ++column) {
      wchar_t text[512]{};
      LVITEMW item{};
      item.iSubItem = static_cast<int>(column);
      item.pszText = text;
      item.cchTextMax = 512;
      SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
      rows += (column == 0 ? "" : ", ") + json_text(text);
    }
    rows += "]";
  }
  return rows + "]";
}

// A month calendar's selected day as YYYY-MM-DD.
std::string calendar_selection(HWND calendar) {
  SYSTEMTIME day{};
  SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
  char text[16];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d", day.wYear, day.wMonth, day.wDay);
  return std::string("\"") + text + "\"";
}

// A tooltip's tools: the window each belongs to (its id when it is a control) and its text.
std::string tooltip_tools(HWND tooltip) {
  std::string tools = "[";
  const LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tool)))
      continue;
    wchar_t text[1024]{};
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
    HWND window = (tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.uId) : tool.hwnd;
    const long long id =
        (tool.uFlags & TTF_IDISHWND) ? GetDlgCtrlID(window) : static_cast<long long>(tool.uId);
    tools += (index == 0 ? "" : ", ") + std::string("{\"window\": ") + handle(window) +
             ", \"id\": " + std::to_string(id) + ", \"text\": " + json_text(text) + "}";
  }
  return tools + "]";
}

// What a control of a class holds beyond its text: a combo box's and a list view's selection and
// rows, an up-down's position, a month calendar's selected day.
std::string control_state(HWND control, const std::wstring& name) {
  if (name == WC_COMBOBOXW)
    return ", \"selection\": " + std::to_string(SendMessageW(control, CB_GETCURSEL, 0, 0));
  if (name == MONTHCAL_CLASSW) return ", \"selection\": " + calendar_selection(control);
  if (name == UPDOWN_CLASSW)
    return ", \"position\": " + std::to_string(SendMessageW(control, UDM_GETPOS32, 0, 0));
  if (name == WC_LISTVIEWW) {
    const LRESULT selected = SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    return ", \"selection\": " + std::to_string(selected) + ", \"rows\": " + list_view_rows(control);
  }
  return "";
}

void write_windows(std::ostringstream& out, desktop::Desktop& machine, const DesktopUser& user) {
  out << "\"windows\": [";
  bool first = true;
  machine.windows().for_each([&](std::uintptr_t value, const desktop::Window& window) {
    if (window.thread == nullptr) return;
    HWND hwnd = reinterpret_cast<HWND>(value);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    out << (first ? "\n" : ",\n") << "  {\"handle\": " << handle(hwnd)
        << ", \"class\": " << json_text(class_of(hwnd))
        << ", \"title\": " << json_text(user.window_text(hwnd)) << ", \"rect\": [" << rect.left << ", "
        << rect.top << ", " << rect.right << ", " << rect.bottom
        << "], \"visible\": " << boolean(IsWindowVisible(hwnd))
        << ", \"enabled\": " << boolean(IsWindowEnabled(hwnd))
        << ", \"parent\": " << handle(GetAncestor(hwnd, GA_PARENT))
        << ", \"owner\": " << handle(GetWindow(hwnd, GW_OWNER))
        << ", \"topmost\": " << boolean((GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)
        << ", \"alpha\": " << layered_alpha(hwnd)
        << ", \"program\": " << json_text(window.thread->process().image_name);
    if (class_of(hwnd) == TOOLTIPS_CLASSW) out << ", \"tools\": " << tooltip_tools(hwnd);
    out << "}";
    first = false;
  });
  out << "\n],\n";
}

void write_controls(std::ostringstream& out, const DesktopUser& user) {
  HWND front = user.target_window();
  out << "\"dialog\": {\"handle\": " << handle(front)
      << ", \"title\": " << json_text(front ? user.window_text(front) : L"") << ", \"controls\": [";
  bool first = true;
  for (HWND child = front ? GetWindow(front, GW_CHILD) : nullptr; child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring name = class_of(child);
    const bool button = name == L"Button";
    out << (first ? "\n" : ",\n") << "  {\"id\": " << GetDlgCtrlID(child)
        << ", \"class\": " << json_text(name) << ", \"text\": " << json_text(user.window_text(child))
        << ", \"visible\": " << boolean(IsWindowVisible(child))
        << ", \"enabled\": " << boolean(IsWindowEnabled(child))
        << ", \"checked\": " << boolean(button && SendMessageW(child, BM_GETCHECK, 0, 0) == 1)
        << control_state(child, name) << "}";
    first = false;
  }
  out << "\n]},\n";
}

void write_timers(std::ostringstream& out, const DesktopUser& user) {
  out << "\"timers\": [";
  bool first = true;
  for (const desktop::WindowTimer& timer : user.timers()) {
    out << (first ? "\n" : ",\n") << "  {\"window\": " << handle(timer.hwnd) << ", \"id\": " << timer.id
        << ", \"period\": " << timer.period << "}";
    first = false;
  }
  out << "\n],\n";
}

std::string registry_value(DWORD type, const std::vector<BYTE>& data) {
  if (type == REG_DWORD && data.size() >= 4) {
    DWORD value = 0;
    std::memcpy(&value, data.data(), 4);
    return std::to_string(value);
  }
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
      text.pop_back();
    return json_text(text);
  }
  std::string hex = "\"";
  for (BYTE byte : data) {
    char pair[4];
    std::snprintf(pair, sizeof(pair), "%02x", byte);
    hex += pair;
  }
  return hex + "\"";
}

// Every value under the key as "path\\name": value, depth first.
void write_registry_key(std::ostringstream& out, HKEY key, const std::wstring& path, bool& first) {
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD name_length = 256;
    DWORD type = 0;
    DWORD size = 0;
    if (RegEnumValueW(key, index, name, &name_length, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::vector<BYTE> data(size);
    name_length = 256;
    RegEnumValueW(key, index, name, &name_length, nullptr, &type, data.data(), &size);
    out << (first ? "\n" : ",\n") << "  " << json_text(path + L"\\" + name) << ": "
        << registry_value(type, data);
    first = false;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD name_length = 256;
    if (RegEnumKeyExW(key, index, name, &name_length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    HKEY sub_key = nullptr;
    if (RegOpenKeyExW(key, name, 0, KEY_READ, &sub_key) != ERROR_SUCCESS) continue;
    write_registry_key(out, sub_key, path + L"\\" + name, first);
    RegCloseKey(sub_key);
  }
}

void write_registry(std::ostringstream& out) {
  out << "\"registry\": {";
  HKEY software = nullptr;
  bool first = true;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &software) == ERROR_SUCCESS) {
    write_registry_key(out, software, L"HKEY_CURRENT_USER\\Software", first);
    RegCloseKey(software);
  }
  out << "\n},\n";
}

void write_message_boxes(std::ostringstream& out, const DesktopUser& user) {
  out << "\"message_boxes\": [";
  bool first = true;
  for (const desktop::ShownMessageBox& box : user.message_boxes()) {
    out << (first ? "\n" : ",\n") << "  {\"text\": " << json_text(box.text)
        << ", \"title\": " << json_text(box.title) << ", \"style\": " << box.style
        << ", \"answer\": " << box.answer << "}";
    first = false;
  }
  out << "\n],\n";
}

void write_sections(std::ostringstream& out, desktop::Desktop& machine) {
  out << "\"programs\": {";
  bool first = true;
  for (const auto& [name, section] : machine.observations().dump_sections) {
    out << (first ? "\n" : ",\n") << "  " << json_text(desktop::from_utf8(name)) << ": " << section();
    first = false;
  }
  out << "\n}\n";
}

}  // namespace

std::vector<desktop::WindowTimer> DesktopUser::timers() const {
  std::set<desktop::DesktopThread*> threads;
  machine_.windows().for_each([&](std::uintptr_t, const desktop::Window& window) {
    if (window.thread != nullptr) threads.insert(window.thread);
  });
  std::vector<desktop::WindowTimer> all;
  for (desktop::DesktopThread* thread : threads)
    all.insert(all.end(), thread->queue.timers.begin(), thread->queue.timers.end());
  return all;
}

std::string DesktopUser::dump_json() {
  std::ostringstream out;
  out << "{\n";
  out << "\"foreground\": " << handle(GetForegroundWindow()) << ",\n";
  write_windows(out, machine_, *this);
  write_controls(out, *this);
  write_timers(out, *this);
  write_registry(out);
  write_message_boxes(out, *this);
  write_sections(out, machine_);
  out << "}\n";
  return out.str();
}

}  // namespace driver
