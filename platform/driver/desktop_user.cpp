#include "platform/driver/desktop_user.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <fstream>

#include "platform/desktop/gdi/screen_composition.h"
#include "platform/desktop/mouse_input.h"
#include "platform/desktop/png_file.h"
#include "platform/desktop/utf8.h"
#include "platform/driver/key_names.h"
#include "platform/win/controls_api.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/win32.h"

namespace driver {
namespace {

std::string narrow(const std::wstring& text) {
  return desktop::to_utf8(text);
}

HWND find_child(HWND parent, int id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id) return child;
    if (HWND inner = find_child(child, id)) return inner;
  }
  return nullptr;
}

INPUT key_record(BYTE vk, bool up, bool extended) {
  INPUT record{};
  record.type = INPUT_KEYBOARD;
  record.ki.wVk = vk;
  record.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return record;
}

// The key with the modifiers VkKeyScan asks for (1 Shift, 2 Ctrl, 4 Alt) held around it.
std::vector<INPUT> keystroke(BYTE vk, BYTE modifiers, bool extended) {
  constexpr std::pair<BYTE, BYTE> kModifiers[] = {{1, VK_SHIFT}, {2, VK_CONTROL}, {4, VK_MENU}};
  std::vector<INPUT> records;
  for (auto [bit, modifier] : kModifiers)
    if (modifiers & bit) records.push_back(key_record(modifier, false, false));
  records.push_back(key_record(vk, false, extended));
  records.push_back(key_record(vk, true, extended));
  for (auto [bit, modifier] : kModifiers)
    if (modifiers & bit) records.push_back(key_record(modifier, true, false));
  return records;
}

POINT centre_of(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

ULONG_PTR extra_info_of(DesktopUser::Pointer pointer) {
  switch (pointer) {
    case DesktopUser::Pointer::Pen:
      return desktop::kPenExtraInfo;
    case DesktopUser::Pointer::Finger:
      return desktop::kTouchExtraInfo;
    case DesktopUser::Pointer::Mouse:
      break;
  }
  return 0;
}

}  // namespace

std::wstring DesktopUser::program_of(HWND hwnd) const {
  DWORD process_id = 0;
  GetWindowThreadProcessId(hwnd, &process_id);
  const desktop::Process* process = machine_.find_process(process_id);
  return process != nullptr ? process->image_name : std::wstring();
}

// The shell's taskbar and Start button are no program's window to act on.
bool DesktopUser::is_shell(HWND hwnd) const {
  return program_of(hwnd) == L"explorer.exe";
}

HWND DesktopUser::target_window() const {
  HWND front = GetForegroundWindow();
  // A foreground window disabled by its modal dialog shows that dialog in front of it: that is
  // where a person acts.
  if (front != nullptr && !IsWindowEnabled(front))
    for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT)) {
      if (!IsWindowVisible(top) || !IsWindowEnabled(top)) continue;
      for (HWND owner = GetWindow(top, GW_OWNER); owner != nullptr; owner = GetWindow(owner, GW_OWNER))
        if (owner == front) return top;
    }
  if (front != nullptr && IsWindowVisible(front) && !is_shell(front)) return front;
  for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT))
    if (IsWindowVisible(top) && IsWindowEnabled(top) && !is_shell(top)) return top;
  return nullptr;
}

HWND DesktopUser::control(int id) const {
  HWND target = target_window();
  HWND found = target ? find_child(target, id) : nullptr;
  return found != nullptr ? found : control_on_top(id);
}

// A presenter clicks what lies on top, whichever window has the keyboard: the topmost training
// console's button while Orvenna is in front, say. The control of this id, in the first visible
// window front to back, that the point at its centre shows.
// Without one on top, the first visible one: the click is then refused with what covers it.
HWND DesktopUser::control_on_top(int id) const {
  HWND first = nullptr;
  for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT)) {
    if (!IsWindowVisible(top) || is_shell(top)) continue;
    HWND found = find_child(top, id);
    if (found == nullptr || !IsWindowVisible(found)) continue;
    RECT rect{};
    GetWindowRect(found, &rect);
    HWND under = win_internal::find_mouse_target(machine_, centre_of(rect), nullptr).window;
    if (under != nullptr && GetAncestor(under, GA_ROOT) == top) return found;
    if (first == nullptr) first = found;
  }
  return first;
}

// A picker's text is what it shows, which only the picker itself can say.
std::wstring DesktopUser::window_text(HWND hwnd) const {
  wchar_t name[64]{};
  GetClassNameW(hwnd, name, 64);
  if (std::wstring(name) == DATETIMEPICK_CLASSW) {
    wchar_t shown[64]{};
    SendMessageW(hwnd, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(shown));
    return shown;
  }
  std::wstring text(static_cast<std::size_t>(std::max(GetWindowTextLengthW(hwnd), 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring DesktopUser::text_of(int id) const {
  HWND found = control(id);
  return found ? window_text(found) : std::wstring();
}

std::vector<desktop::ShownMessageBox> DesktopUser::message_boxes() const {
  return machine_.observations().message_boxes;
}

Outcome DesktopUser::mouse_at(int id, DWORD buttons, Pointer with) {
  HWND target = target_window();
  if (target == nullptr) return Outcome::failure("no window in front to act on");
  if (find_child(target, id) == nullptr)
    if (HWND shown = control_on_top(id)) target = GetAncestor(shown, GA_ROOT);
  return mouse_at(target, id, buttons, with);
}

Outcome DesktopUser::mouse_at(HWND window, int id, DWORD buttons, Pointer with) {
  HWND found = find_child(window, id);
  // A control held down stays where it is when another program comes to the front meanwhile.
  POINT cursor{};
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  if (found == nullptr && under != nullptr && (GetWindowLongPtrW(under, GWL_STYLE) & WS_CHILD) != 0 &&
      GetDlgCtrlID(under) == id)
    found = under;
  if (found == nullptr)
    return Outcome::failure("no control " + std::to_string(id) + " in \"" + narrow(window_text(window)) +
                            "\"");
  if (!IsWindowVisible(found)) return Outcome::failure("control " + std::to_string(id) + " is hidden");
  if (!IsWindowEnabled(found)) return Outcome::failure("control " + std::to_string(id) + " is disabled");
  RECT rect{};
  GetWindowRect(found, &rect);
  const POINT centre = centre_of(rect);
  desktop::MouseEvent move;
  move.move_to = centre;
  move.extra_info = extra_info_of(with);
  desktop::inject_mouse(machine_, move);
  if (Outcome reached = reach(id, centre); !reached) return reached;
  if (Outcome uncovered = on_top(found, "control " + std::to_string(id)); !uncovered) return uncovered;
  for (DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
    if (!(buttons & button)) continue;
    desktop::MouseEvent press;
    press.buttons = button;
    press.extra_info = extra_info_of(with);
    desktop::inject_mouse(machine_, press);
  }
  return settle();
}

// What the cursor is over once its move has been taken in must be the window meant, a child of
// it, or a window it lies in (a static that lets the mouse through to its dialog): a press
// elsewhere is not one a presenter could make.
Outcome DesktopUser::on_top(HWND meant, const std::string& what) {
  machine_.run_until_idle();
  // A window holding the capture takes the press wherever it is: a pop-up that captured the
  // mouse is where its own clicks go.
  if (HWND capture = machine_.mouse().capture; capture != nullptr && IsWindow(capture)) {
    if (capture == meant || IsChild(capture, meant) || IsChild(meant, capture)) return Outcome::done();
    return Outcome::failure(what + " is covered by \"" + narrow(window_text(GetAncestor(capture, GA_ROOT))) +
                            "\", which holds the mouse");
  }
  // A window that went away under the cursor (a message box just answered) leaves a record of
  // nothing: the mouse finds out again what is under it, as the move Windows makes then does.
  if (!IsWindow(machine_.mouse().under_cursor.hwnd)) {
    desktop::MouseEvent again;
    again.move_to = machine_.cursor();
    desktop::inject_mouse(machine_, again);
    machine_.run_until_idle();
  }
  const desktop::UnderCursor& under = machine_.mouse().under_cursor;
  const bool disabled = under.hit == HTERROR;
  if (under.hwnd == meant || IsChild(meant, under.hwnd) || (!disabled && IsChild(under.hwnd, meant)))
    return Outcome::done();
  if (under.hwnd == nullptr) return Outcome::failure(what + " is not under the mouse");
  HWND cover = GetAncestor(under.hwnd, GA_ROOT);
  if (cover == GetAncestor(meant, GA_ROOT)) {
    if (disabled)
      return Outcome::failure(what + " is in \"" + narrow(window_text(cover)) + "\", which is disabled");
    cover = under.hwnd;
  }
  return Outcome::failure(what + " is covered by \"" + narrow(window_text(cover)) + "\"");
}

// The cursor must get to the control: a clip or a place no monitor shows keeps it away, and
// the press would go to another window.
Outcome DesktopUser::reach(int id, POINT centre) const {
  const POINT at = machine_.cursor();
  if (at.x == centre.x && at.y == centre.y) return Outcome::done();
  return Outcome::failure("control " + std::to_string(id) + " at (" + std::to_string(centre.x) + ", " +
                          std::to_string(centre.y) + ") is out of the mouse's reach");
}

Outcome DesktopUser::click(int id) {
  return mouse_at(id, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP);
}

Outcome DesktopUser::click_in(HWND window, int id) {
  return mouse_at(window, id, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP);
}

Outcome DesktopUser::press(int id) {
  return mouse_at(id, MOUSEEVENTF_LEFTDOWN);
}

Outcome DesktopUser::release(int id) {
  return mouse_at(id, MOUSEEVENTF_LEFTUP);
}

Outcome DesktopUser::press(int id, Pointer with) {
  return mouse_at(id, MOUSEEVENTF_LEFTDOWN, with);
}

Outcome DesktopUser::release(int id, Pointer with) {
  return mouse_at(id, MOUSEEVENTF_LEFTUP, with);
}

Outcome DesktopUser::tap(int id, Pointer with) {
  return mouse_at(id, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, with);
}

Outcome DesktopUser::move_to(HWND target, POINT client) {
  POINT at = client;
  ClientToScreen(target, &at);
  desktop::MouseEvent move;
  move.move_to = at;
  desktop::inject_mouse(machine_, move);
  const POINT cursor = machine_.cursor();
  const std::string point = "the point (" + std::to_string(client.x) + ", " + std::to_string(client.y) +
                            ") of \"" + narrow(window_text(target)) + "\"";
  if (cursor.x != at.x || cursor.y != at.y) return Outcome::failure(point + " is out of the mouse's reach");
  return on_top(target, point);
}

Outcome DesktopUser::drag(const std::vector<POINT>& client_points) {
  HWND target = target_window();
  if (target == nullptr) return Outcome::failure("no window in front to act on");
  if (client_points.empty()) return Outcome::failure("a drag needs a point to start at");
  for (std::size_t i = 0; i < client_points.size(); ++i) {
    if (Outcome moved = move_to(target, client_points[i]); !moved) {
      // A drag that cannot go on leaves no button held.
      if (i > 0) release_left();
      return moved;
    }
    if (i == 0) {
      desktop::MouseEvent press;
      press.buttons = MOUSEEVENTF_LEFTDOWN;
      desktop::inject_mouse(machine_, press);
    }
    // Each point reaches the window as a move of its own.
    if (Outcome settled = settle(); !settled) return settled;
  }
  release_left();
  return settle();
}

void DesktopUser::release_left() {
  desktop::MouseEvent release;
  release.buttons = MOUSEEVENTF_LEFTUP;
  desktop::inject_mouse(machine_, release);
}

Outcome DesktopUser::click_at(POINT client, Button button) {
  HWND target = target_window();
  if (target == nullptr) return Outcome::failure("no window in front to act on");
  return click_at(target, client, button);
}

Outcome DesktopUser::click_at(HWND target, POINT client, Button button) {
  if (Outcome moved = move_to(target, client); !moved) return moved;
  const bool left = button == Button::Left;
  for (DWORD step : {left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN,
                     left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP}) {
    desktop::MouseEvent press;
    press.buttons = step;
    desktop::inject_mouse(machine_, press);
  }
  return settle();
}

Outcome DesktopUser::wheel(HWND target, POINT client, int delta) {
  if (Outcome moved = move_to(target, client); !moved) return moved;
  desktop::MouseEvent turn;
  turn.wheel = delta;
  desktop::inject_mouse(machine_, turn);
  return settle();
}

Outcome DesktopUser::key_down(std::string_view name) {
  return held_key(name, false);
}

Outcome DesktopUser::key_up(std::string_view name) {
  return held_key(name, true);
}

Outcome DesktopUser::held_key(std::string_view name, bool up) {
  HWND target = target_window();
  if (target == nullptr) return Outcome::failure("no window in front to type into");
  const std::optional<NamedKey> named = key_by_name(name);
  if (!named) return Outcome::failure("unknown key \"" + std::string(name) + "\"");
  SetForegroundWindow(target);
  INPUT record = key_record(named->vk, up, named->extended);
  SendInput(1, &record, sizeof(INPUT));
  return settle();
}

Outcome DesktopUser::key(std::string_view name) {
  HWND target = target_window();
  if (target == nullptr) return Outcome::failure("no window in front to type into");
  SetForegroundWindow(target);
  std::vector<INPUT> records;
  if (auto named = key_by_name(name)) {
    records = keystroke(named->vk, 0, named->extended);
  } else {
    std::wstring character = desktop::from_utf8(name);
    if (character.size() != 1) return Outcome::failure("unknown key \"" + std::string(name) + "\"");
    SHORT scan = VkKeyScanExW(character[0], GetKeyboardLayout(GetWindowThreadProcessId(target, nullptr)));
    if (scan == -1) return Outcome::failure("the keyboard has no key for \"" + std::string(name) + "\"");
    records = keystroke(LOBYTE(scan), HIBYTE(scan), false);
  }
  SendInput(static_cast<UINT>(records.size()), records.data(), sizeof(INPUT));
  return settle();
}

Outcome DesktopUser::type(std::wstring_view text) {
  for (wchar_t c : text) {
    Outcome typed = key(narrow(std::wstring(1, c)));
    if (!typed) return typed;
  }
  return Outcome::done();
}

Outcome DesktopUser::choose(int id, int index) {
  HWND combo = control(id);
  if (combo == nullptr) return Outcome::failure("no combo box " + std::to_string(id));
  if (!IsWindowEnabled(combo) || !IsWindowVisible(combo))
    return Outcome::failure("combo box " + std::to_string(id) + " cannot be used now");
  LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  if (index < 0 || index >= count)
    return Outcome::failure("combo box " + std::to_string(id) + " has " + std::to_string(count) + " items");
  // A click opens the list; a click on the item, brought into sight by the list's strip, chooses it.
  // The open list holds the mouse, so its clicks need no check of what lies under the cursor.
  if (Outcome opened = click(id); !opened) return opened;
  const auto click_list = [this](HWND list, POINT client) {
    ClientToScreen(list, &client);
    desktop::MouseEvent move;
    move.move_to = client;
    desktop::inject_mouse(machine_, move);
    for (DWORD step : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
      desktop::MouseEvent press;
      press.buttons = step;
      desktop::inject_mouse(machine_, press);
    }
    return settle();
  };
  HWND list = FindWindowW(L"ComboLBox", nullptr);
  if (list == nullptr || !IsWindowVisible(list))
    return Outcome::failure("combo box " + std::to_string(id) + " did not open its list");
  RECT client{};
  GetClientRect(list, &client);
  RECT item{};
  for (int tries = 0; tries <= count; ++tries) {
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR)
      return Outcome::failure("combo box " + std::to_string(id) + " has no item " + std::to_string(index));
    // A row shown only in part would scroll the list under the press: it must show whole.
    if (item.top >= client.top && item.bottom <= client.bottom) break;
    const bool below = index >= SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    const POINT strip{client.right - 8, below ? client.bottom - 8 : client.top + 8};
    if (Outcome scrolled = click_list(list, strip); !scrolled) return scrolled;
  }
  return click_list(list, {(item.left + item.right) / 2 - 8, (item.top + item.bottom) / 2});
}

Outcome DesktopUser::usable(int id, const wchar_t* class_name, const std::string& what, HWND& found) const {
  found = control(id);
  wchar_t name[64]{};
  if (found != nullptr) GetClassNameW(found, name, 64);
  if (found == nullptr || std::wstring(name) != class_name)
    return Outcome::failure("no " + what + " " + std::to_string(id));
  if (!IsWindowEnabled(found) || !IsWindowVisible(found))
    return Outcome::failure(what + " " + std::to_string(id) + " cannot be used now");
  return Outcome::done();
}

Outcome DesktopUser::spin(int id, bool up, int times) {
  HWND arrows = nullptr;
  if (Outcome found = usable(id, UPDOWN_CLASSW, "up-down", arrows); !found) return found;
  RECT client{};
  GetClientRect(arrows, &client);
  const bool sideways = (GetWindowLongPtrW(arrows, GWL_STYLE) & UDS_HORZ) != 0;
  const POINT up_point =
      sideways ? POINT{client.right * 3 / 4, client.bottom / 2} : POINT{client.right / 2, client.bottom / 4};
  const POINT down_point =
      sideways ? POINT{client.right / 4, client.bottom / 2} : POINT{client.right / 2, client.bottom * 3 / 4};
  for (int i = 0; i < times; ++i)
    if (Outcome clicked = click_at(arrows, up ? up_point : down_point); !clicked) return clicked;
  return Outcome::done();
}

Outcome DesktopUser::set_time(int id, int hour, int minute, int second) {
  HWND picker = nullptr;
  if (Outcome found = usable(id, DATETIMEPICK_CLASSW, "time picker", picker); !found) return found;
  RECT client{};
  GetClientRect(picker, &client);
  if (Outcome clicked = click_at(picker, {5, client.bottom / 2}); !clicked) return clicked;
  wchar_t digits[8]{};
  std::swprintf(digits, 8, L"%02d%02d%02d", hour, minute, second);
  if (Outcome typed = type(digits); !typed) return typed;
  wchar_t expected[12]{};
  std::swprintf(expected, 12, L"%02d:%02d:%02d", hour, minute, second);
  const std::wstring shown = window_text(picker);
  if (shown.find(expected) == std::wstring::npos)
    return Outcome::failure("time picker " + std::to_string(id) + " shows \"" + narrow(shown) + "\"");
  return Outcome::done();
}

Outcome DesktopUser::choose_row(int id, int row, bool double_click) {
  HWND list = nullptr;
  if (Outcome found = usable(id, WC_LISTVIEWW, "list view", list); !found) return found;
  const LRESULT count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  if (row < 0 || row >= count)
    return Outcome::failure("list view " + std::to_string(id) + " has " + std::to_string(count) + " rows");
  RECT client{};
  GetClientRect(list, &client);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  RECT header_rect{};
  if (header != nullptr) GetClientRect(header, &header_rect);
  const POINT strip_up{client.right - 8, header_rect.bottom + 8};
  const POINT strip_down{client.right - 8, client.bottom - 8};
  for (int guard = 0; guard < count; ++guard) {
    const auto top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    const auto page = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    if (row >= top && row < top + page) break;
    if (Outcome scrolled = click_at(list, row < top ? strip_up : strip_down); !scrolled) return scrolled;
  }
  RECT bounds{};
  bounds.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
  const POINT centre = centre_of(bounds);
  for (int click = 0; click < (double_click ? 2 : 1); ++click)
    if (Outcome clicked = click_at(list, centre); !clicked) return clicked;
  return Outcome::done();
}

namespace {

MCGRIDINFO calendar_part(HWND calendar, DWORD part, int row = 0, int column = 0) {
  MCGRIDINFO info{};
  info.cbSize = sizeof(info);
  info.dwPart = part;
  info.dwFlags = MCGIF_RECT | MCGIF_DATE;
  info.iRow = row;
  info.iCol = column;
  SendMessageW(calendar, MCM_GETCALENDARGRIDINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

std::string date_text(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d", year, month, day);
  return text;
}

}  // namespace

Outcome DesktopUser::pick_date(int id, int year, int month, int day) {
  HWND calendar = nullptr;
  if (Outcome found = usable(id, MONTHCAL_CLASSW, "month calendar", calendar); !found) return found;
  const std::string wanted = date_text(year, month, day);
  const auto pages_away = [&] {
    const SYSTEMTIME shown = calendar_part(calendar, MCGIP_CALENDAR).stStart;
    return (year * 12 + month) - (shown.wYear * 12 + shown.wMonth);
  };
  for (int away = pages_away(); away != 0; away = pages_away()) {
    const POINT arrow = centre_of(calendar_part(calendar, away > 0 ? MCGIP_NEXT : MCGIP_PREV).rc);
    if (Outcome clicked = click_at(calendar, arrow); !clicked) return clicked;
    if (pages_away() == away)
      return Outcome::failure("month calendar " + std::to_string(id) + " does not turn to " + wanted);
  }
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 7; ++column) {
      const MCGRIDINFO cell = calendar_part(calendar, MCGIP_CALENDARCELL, row, column);
      if (cell.stStart.wYear != year || cell.stStart.wMonth != month || cell.stStart.wDay != day) continue;
      if (Outcome clicked = click_at(calendar, centre_of(cell.rc)); !clicked) return clicked;
      SYSTEMTIME selected{};
      SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selected));
      if (selected.wYear == year && selected.wMonth == month && selected.wDay == day) return Outcome::done();
      return Outcome::failure("month calendar " + std::to_string(id) + " has " +
                              date_text(selected.wYear, selected.wMonth, selected.wDay) + " selected");
    }
  }
  return Outcome::failure("month calendar " + std::to_string(id) + " shows no " + wanted);
}

void DesktopUser::answer_next_message_box(int button_id) {
  answers_.push_back(button_id);
}

void DesktopUser::answer_next_colour_dialog(COLORREF colour) {
  colours_.push_back(colour);
}

void DesktopUser::answer_next_file_dialog(std::optional<std::wstring> path) {
  files_.push_back(std::move(path));
}

// A box that opens during the wait takes its answer then, not when the wait is over, so the
// programs run on after it for the rest of the wait.
Outcome DesktopUser::wait(desktop::Tick ms) {
  constexpr desktop::Tick kLookForBoxesMs = 100;
  const desktop::Tick end = machine_.clock().now() + ms;
  while (pending_answers() > 0 && machine_.clock().now() + kLookForBoxesMs < end) {
    machine_.advance(kLookForBoxesMs);
    if (Outcome answered = answer_open_boxes(); !answered) return answered;
  }
  machine_.advance(end - std::min(end, machine_.clock().now()));
  return answer_open_boxes();
}

Outcome DesktopUser::settle() {
  machine_.run_until_idle();
  return answer_open_boxes();
}

// Each box that opened since the last look takes the next answer, if one was given.
Outcome DesktopUser::answer_open_boxes() {
  auto& shown = machine_.observations().message_boxes;
  while (boxes_seen_ < shown.size() && !answers_.empty()) {
    const desktop::ShownMessageBox box = shown[boxes_seen_++];
    if (box.answer != 0 || box.box == nullptr) continue;
    const std::size_t index = boxes_seen_ - 1;
    const int answer = answers_.front();
    answers_.pop_front();
    HWND button = GetDlgItem(box.box, answer);
    answer_refused_ = true;
    if (button == nullptr)
      return Outcome::failure("the message box \"" + narrow(box.text) + "\" has no button " +
                              std::to_string(answer));
    Outcome clicked = mouse_at(box.box, answer, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP);
    if (!clicked) return clicked;
    // A click that did not close the box (another window took it) is no answer.
    if (shown[index].answer != answer)
      return Outcome::failure("the message box \"" + narrow(box.text) + "\" did not take the answer " +
                              std::to_string(answer));
    answer_refused_ = false;
  }
  if (Outcome coloured = answer_colour_dialog(); !coloured) return coloured;
  return answer_file_dialog();
}

// An open colour dialog takes the next colour: its red, green and blue (filled even while the
// dialog is compact), then OK.
Outcome DesktopUser::answer_colour_dialog() {
  if (colours_.empty()) return Outcome::done();
  HWND dialog = FindWindowW(WC_DIALOG, L"Color");
  if (dialog == nullptr || !IsWindowVisible(dialog) || GetDlgItem(dialog, COLOR_RED) == nullptr)
    return Outcome::done();
  const COLORREF colour = colours_.front();
  colours_.pop_front();
  const std::pair<int, BYTE> channels[] = {
      {COLOR_RED, GetRValue(colour)}, {COLOR_GREEN, GetGValue(colour)}, {COLOR_BLUE, GetBValue(colour)}};
  for (const auto& [id, value] : channels)
    SetDlgItemInt(dialog, id, value, FALSE);
  machine_.run_until_idle();
  return mouse_at(dialog, IDOK, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP);
}

Outcome DesktopUser::retype(HWND window, int id, const std::wstring& text) {
  for (int click = 0; click < 2; ++click)
    if (Outcome clicked = mouse_at(window, id, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP); !clicked)
      return clicked;
  return type(text);
}

// A list box's row scrolled into sight as a person does: a click on the top row shown, then the
// arrow keys.
Outcome DesktopUser::bring_into_sight(HWND list, int row) {
  const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  const auto height = std::max(1, static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)));
  RECT client{};
  GetClientRect(list, &client);
  const int shown = std::max(1, static_cast<int>(client.bottom) / height);
  if (row >= top && row < top + shown) return Outcome::done();
  if (Outcome clicked = click_at(list, {client.right / 2, height / 2}); !clicked) return clicked;
  for (int at = top; at != row; at += row > top ? 1 : -1)
    if (Outcome moved = key(row > top ? "DOWN" : "UP"); !moved) return moved;
  return Outcome::done();
}

Outcome DesktopUser::browse_to(HWND dialog, const std::wstring& path) {
  HWND list = GetDlgItem(dialog, kBrowseFolderTree);
  std::vector<std::wstring> names{path.substr(0, 3)};
  for (std::size_t start = 3; start < path.size();) {
    const std::size_t end = std::min(path.find(L'\\', start), path.size());
    if (end > start) names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  for (std::size_t depth = 0; depth < names.size(); ++depth) {
    const std::wstring shown = std::wstring(depth * 2, L' ') + names[depth];
    const auto row = static_cast<int>(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(shown.c_str())));
    if (row < 0)
      return Outcome::failure("the folder browser shows no folder \"" + narrow(names[depth]) + "\"");
    if (Outcome sighted = bring_into_sight(list, row); !sighted) return sighted;
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    const POINT centre = centre_of(item);
    const int clicks = depth + 1 < names.size() ? 2 : 1;
    for (int click = 0; click < clicks; ++click)
      if (Outcome clicked = click_at(list, centre); !clicked) return clicked;
  }
  return Outcome::done();
}

// An open file dialog (its name edit and its list) or folder browser takes the next answer:
// the path typed into its edit and OK, or Cancel, all with the mouse and the keyboard.
Outcome DesktopUser::answer_file_dialog() {
  if (files_.empty() || answering_file_) return Outcome::done();
  HWND dialog = nullptr;
  for (HWND top = GetTopWindow(nullptr); top != nullptr && dialog == nullptr;
       top = GetWindow(top, GW_HWNDNEXT)) {
    const bool file = GetDlgItem(top, edt1) != nullptr && GetDlgItem(top, lst1) != nullptr;
    const bool folder = GetDlgItem(top, kBrowseFolderTree) != nullptr;
    if (IsWindowVisible(top) && IsWindowEnabled(top) && (file || folder)) dialog = top;
  }
  if (dialog == nullptr) return Outcome::done();
  const std::optional<std::wstring> path = files_.front();
  files_.pop_front();
  answering_file_ = true;
  Outcome answered = [&] {
    if (!path) return mouse_at(dialog, IDCANCEL, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP);
    const int edit = GetDlgItem(dialog, edt1) != nullptr ? edt1 : kBrowseFolderEdit;
    const bool typing = IsWindowVisible(GetDlgItem(dialog, edit)) != FALSE;
    if (Outcome chosen = typing ? retype(dialog, edit, *path) : browse_to(dialog, *path); !chosen)
      return chosen;
    return mouse_at(dialog, IDOK, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP);
  }();
  answering_file_ = false;
  // The answer may have brought up the next box or dialog.
  return answered ? answer_open_boxes() : answered;
}

Outcome DesktopUser::screenshot(const std::filesystem::path& file) {
  // Every monitor, side by side as they stand.
  desktop::compose_screen(machine_, desktop::virtual_screen(machine_.monitors()));
  desktop::Surface& screen = machine_.gdi().screen();
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(screen.width()) * static_cast<std::size_t>(screen.height()));
  for (int y = 0; y < screen.height(); ++y)
    pixels.insert(pixels.end(), screen.row(y), screen.row(y) + screen.width());
  auto written = desktop::write_png(screen.width(), screen.height(), pixels, false, file);
  return written ? Outcome::done()
                 : Outcome::failure("cannot write " + file.string() + ": " + written.failure);
}

Outcome DesktopUser::dump(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << dump_json();
  return out ? Outcome::done() : Outcome::failure("cannot write " + file.string());
}

}  // namespace driver
