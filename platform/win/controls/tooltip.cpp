// The "tooltips_class32" class: a topmost pop-up that shows a tool's text once the pointer has
// rested on the tool for the initial delay, and hides when the pointer leaves it, when a button
// is pressed, or after the pop-down delay. The owner relays the tools' mouse messages to it.
#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"
#include "platform/win/controls/tooltip_relay.h"

namespace controls {

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kPopTimer = 2;
constexpr UINT_PTR kLeaveTimer = 3;
constexpr UINT kLeaveCheck = 100;
constexpr int kCursorDrop = 20;  // the tip shows this far below the pointer
constexpr int kPadding = 3;

struct Tool {
  UINT flags = 0;
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  // The window whose mouse messages concern the tool: the tool itself when its id is a window.
  HWND window() const { return (flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(id) : hwnd; }
  RECT rect{};
  std::wstring text;
  UINT string_id = 0;  // a text from the string table of the tool's program, read when shown
  bool callback = false;
  HINSTANCE instance = nullptr;
  LPARAM lParam = 0;
};

class Tooltip {
 public:
  explicit Tooltip(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_NCCREATE:
        // A tip is always a topmost tool window that shows nothing until a tool asks for it.
        SetWindowLongPtrW(hwnd_, GWL_STYLE, (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~WS_CHILD) | WS_POPUP);
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE,
                          GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
        break;
      case WM_NCHITTEST:
        return HTTRANSPARENT;
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(tip_font());
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_TIMER:
        timer(wParam);
        return 0;
      case TTM_ACTIVATE:
        active_ = wParam != 0;
        if (!active_) forget_tool();
        return 0;
      case TTM_ADDTOOLW:
        return add_tool(reinterpret_cast<const TOOLINFOW*>(lParam));
      case TTM_DELTOOLW:
        delete_tool(reinterpret_cast<const TOOLINFOW*>(lParam));
        return 0;
      case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(tools_.size());
      case TTM_UPDATETIPTEXTW:
        update_text(reinterpret_cast<const TOOLINFOW*>(lParam));
        return 0;
      case TTM_GETTEXTW:
        get_text(static_cast<std::size_t>(wParam), reinterpret_cast<TOOLINFOW*>(lParam));
        return 0;
      case TTM_GETTOOLINFOW:
        return get_info(reinterpret_cast<TOOLINFOW*>(lParam));
      case TTM_ENUMTOOLSW:
        return enum_tool(static_cast<std::size_t>(wParam), reinterpret_cast<TOOLINFOW*>(lParam));
      case TTM_SETTOOLINFOW:
      case TTM_NEWTOOLRECTW:
        set_info(reinterpret_cast<const TOOLINFOW*>(lParam), message == TTM_NEWTOOLRECTW);
        return 0;
      case TTM_RELAYEVENT:
        if (lParam != 0) relay(*reinterpret_cast<const MSG*>(lParam));
        return 0;
      case TTM_SETMAXTIPWIDTH:
        return std::exchange(max_width_, static_cast<int>(lParam));
      case TTM_GETMAXTIPWIDTH:
        return max_width_;
      case TTM_SETDELAYTIME:
        set_delay(wParam, static_cast<short>(LOWORD(lParam)));
        return 0;
      case TTM_GETDELAYTIME:
        return delay(wParam);
      case TTM_SETTIPBKCOLOR:
        background_ = static_cast<COLORREF>(wParam);
        return 0;
      case TTM_SETTIPTEXTCOLOR:
        text_colour_ = static_cast<COLORREF>(wParam);
        return 0;
      case TTM_POP:
        hide();
        return 0;
      case WM_DESTROY:
        for (const Tool& tool : tools_)
          if (tool.flags & TTF_SUBCLASS) stop_relaying(tool.window(), hwnd_);
        KillTimer(hwnd_, kShowTimer);
        KillTimer(hwnd_, kPopTimer);
        KillTimer(hwnd_, kLeaveTimer);
        return 0;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  HFONT tip_font() const {
    return font_ != nullptr ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }

  // A tool is known by its window and id.
  int find(const TOOLINFOW* info) const {
    if (info == nullptr) return -1;
    for (std::size_t i = 0; i < tools_.size(); ++i)
      if (tools_[i].hwnd == info->hwnd && tools_[i].id == info->uId) return static_cast<int>(i);
    return -1;
  }

  static void take_text(Tool& tool, LPCWSTR text) {
    tool.callback = text == LPSTR_TEXTCALLBACKW;
    const bool from_table = !tool.callback && text != nullptr && IS_INTRESOURCE(text);
    tool.string_id = from_table ? static_cast<UINT>(reinterpret_cast<ULONG_PTR>(text)) : 0;
    tool.text = (tool.callback || from_table || text == nullptr) ? std::wstring() : std::wstring(text);
  }

  static std::wstring table_text(HINSTANCE instance, UINT id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<std::size_t>(length))
                                         : std::wstring();
  }

  LRESULT add_tool(const TOOLINFOW* info) {
    if (info == nullptr || info->cbSize < offsetof(TOOLINFOW, lParam)) return FALSE;
    Tool tool;
    tool.flags = info->uFlags;
    tool.hwnd = info->hwnd;
    tool.id = info->uId;
    tool.rect = info->rect;
    tool.instance = info->hinst;
    tool.lParam = info->cbSize > offsetof(TOOLINFOW, lParam) ? info->lParam : 0;
    take_text(tool, info->lpszText);
    if (tool.flags & TTF_SUBCLASS) relay_from(tool.window(), hwnd_);
    tools_.push_back(std::move(tool));
    return TRUE;
  }

  void delete_tool(const TOOLINFOW* info) {
    const int index = find(info);
    if (index < 0) return;
    if (index == current_) forget_tool();
    const Tool& tool = tools_[static_cast<std::size_t>(index)];
    if (tool.flags & TTF_SUBCLASS) stop_relaying(tool.window(), hwnd_);
    tools_.erase(tools_.begin() + index);
    if (current_ > index) --current_;
  }

  void update_text(const TOOLINFOW* info) {
    const int index = find(info);
    if (index < 0) return;
    take_text(tools_[static_cast<std::size_t>(index)], info->lpszText);
    if (index == current_ && shown_) show();
  }

  void get_text(std::size_t capacity, TOOLINFOW* info) const {
    const int index = find(info);
    if (index < 0 || info->lpszText == nullptr) return;
    const Tool& tool = tools_[static_cast<std::size_t>(index)];
    const std::wstring text = tool.string_id != 0 ? table_text(tool.instance, tool.string_id) : tool.text;
    const std::size_t count = capacity == 0 ? text.size() : std::min(text.size(), capacity - 1);
    text.copy(info->lpszText, count);
    info->lpszText[count] = L'\0';
  }

  LRESULT get_info(TOOLINFOW* info) const {
    const int index = find(info);
    if (index < 0) return FALSE;
    const Tool& tool = tools_[static_cast<std::size_t>(index)];
    info->uFlags = tool.flags;
    info->rect = tool.rect;
    info->hinst = tool.instance;
    info->lParam = tool.lParam;
    return TRUE;
  }

  // The tool at an index, its text copied as far as a buffer of 80 characters holds it.
  LRESULT enum_tool(std::size_t index, TOOLINFOW* info) const {
    constexpr std::size_t kEnumTextSize = 80;
    if (info == nullptr || index >= tools_.size()) return FALSE;
    info->hwnd = tools_[index].hwnd;
    info->uId = tools_[index].id;
    get_text(kEnumTextSize, info);
    return get_info(info);
  }

  void set_info(const TOOLINFOW* info, bool rect_only) {
    const int index = find(info);
    if (index < 0) return;
    Tool& tool = tools_[static_cast<std::size_t>(index)];
    tool.rect = info->rect;
    if (rect_only) return;
    tool.flags = info->uFlags;
    take_text(tool, info->lpszText);
  }

  UINT delay(WPARAM which) const {
    switch (which) {
      case TTDT_AUTOPOP:
        return autopop_ >= 0 ? static_cast<UINT>(autopop_) : initial() * 10;
      case TTDT_RESHOW:
        return reshow_ >= 0 ? static_cast<UINT>(reshow_) : initial() / 5;
      default:
        return initial();
    }
  }

  UINT initial() const { return initial_ >= 0 ? static_cast<UINT>(initial_) : GetDoubleClickTime(); }

  // A negative delay goes back to the default, which follows the double-click time.
  void set_delay(WPARAM which, int milliseconds) {
    switch (which) {
      case TTDT_AUTOMATIC:
        initial_ = milliseconds;
        autopop_ = milliseconds < 0 ? -1 : milliseconds * 10;
        reshow_ = milliseconds < 0 ? -1 : milliseconds / 5;
        break;
      case TTDT_INITIAL:
        initial_ = milliseconds;
        break;
      case TTDT_AUTOPOP:
        autopop_ = milliseconds;
        break;
      case TTDT_RESHOW:
        reshow_ = milliseconds;
        break;
      default:
        break;
    }
  }

  // The tool under a point of the screen, as seen from the window that had the message.
  int tool_at(HWND window, POINT screen) const {
    for (std::size_t i = 0; i < tools_.size(); ++i) {
      const Tool& tool = tools_[i];
      if (tool.flags & TTF_IDISHWND) {
        const HWND tool_window = tool.window();
        RECT area{};
        // The parent gets the mouse over a disabled child: a tool window still counts there.
        if (window == tool_window || (window == GetParent(tool_window) && GetWindowRect(tool_window, &area) &&
                                      PtInRect(&area, screen) && IsWindowVisible(tool_window)))
          return static_cast<int>(i);
        continue;
      }
      if (tool.hwnd != window) continue;
      POINT local = screen;
      ScreenToClient(tool.hwnd, &local);
      if (PtInRect(&tool.rect, local)) return static_cast<int>(i);
    }
    return -1;
  }

  bool pointer_on_current() const {
    if (current_ < 0) return false;
    POINT cursor{};
    GetCursorPos(&cursor);
    const Tool& tool = tools_[static_cast<std::size_t>(current_)];
    RECT area{};
    if (tool.flags & TTF_IDISHWND) {
      GetWindowRect(tool.window(), &area);
    } else {
      area = tool.rect;
      MapWindowPoints(tool.hwnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
    }
    return PtInRect(&area, cursor) != 0;
  }

  void relay(const MSG& msg) {
    switch (msg.message) {
      case WM_MOUSEMOVE:
      case WM_NCMOUSEMOVE:
        pointer_moved(msg.hwnd, msg.pt);
        return;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
      case WM_NCLBUTTONDOWN:
      case WM_MOUSELEAVE:
        forget_tool();
        return;
      default:
        return;
    }
  }

  void pointer_moved(HWND window, POINT screen) {
    if (!active_) return;
    const int index = tool_at(window, screen);
    if (index == current_) return;
    const bool was_shown = shown_;
    forget_tool();
    if (index < 0) return;
    current_ = index;
    SetTimer(hwnd_, kShowTimer, was_shown ? delay(TTDT_RESHOW) : delay(TTDT_INITIAL), nullptr);
    SetTimer(hwnd_, kLeaveTimer, kLeaveCheck, nullptr);
  }

  void timer(WPARAM id) {
    if (id == kShowTimer) {
      KillTimer(hwnd_, kShowTimer);
      if (pointer_on_current()) {
        show();
      } else {
        forget_tool();
      }
    } else if (id == kPopTimer) {
      KillTimer(hwnd_, kPopTimer);
      hide();
    } else if (id == kLeaveTimer && !pointer_on_current()) {
      forget_tool();
    }
  }

  std::wstring current_text() {
    Tool& tool = tools_[static_cast<std::size_t>(current_)];
    if (tool.string_id != 0) return table_text(tool.instance, tool.string_id);
    if (!tool.callback) return tool.text;
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = hwnd_;
    info.hdr.idFrom = tool.id;
    info.hdr.code = TTN_GETDISPINFOW;
    info.uFlags = tool.flags;
    info.lParam = tool.lParam;
    SendMessageW(tool.hwnd, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&info));
    if (info.lpszText != nullptr && IS_INTRESOURCE(info.lpszText))
      return table_text(info.hinst, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(info.lpszText)));
    if (info.lpszText != nullptr && info.lpszText != LPSTR_TEXTCALLBACKW) return info.lpszText;
    return info.szText;
  }

  UINT text_format() const {
    const UINT prefix = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & TTS_NOPREFIX) ? DT_NOPREFIX : 0;
    return prefix | (max_width_ >= 0 ? DT_WORDBREAK : DT_SINGLELINE);
  }

  void show() {
    text_ = current_text();
    if (text_.empty()) {
      hide();
      return;
    }
    HDC dc = GetDC(hwnd_);
    RECT measured{0, 0, max_width_ >= 0 ? max_width_ : 0, 0};
    {
      FontScope font(dc, tip_font());
      DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &measured, text_format() | DT_CALCRECT);
    }
    ReleaseDC(hwnd_, dc);
    const int width = measured.right + 2 * kPadding + 2;
    const int height = measured.bottom + 2 * kPadding;
    POINT cursor{};
    GetCursorPos(&cursor);
    const int x =
        std::clamp(static_cast<int>(cursor.x), 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - width));
    int y = cursor.y + kCursorDrop;
    if (y + height > GetSystemMetrics(SM_CYSCREEN)) y = cursor.y - height;
    const bool was_shown = shown_;
    shown_ = true;
    SetWindowPos(hwnd_, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (!was_shown) notify_tool(TTN_SHOW);
    SetTimer(hwnd_, kPopTimer, delay(TTDT_AUTOPOP), nullptr);
  }

  void hide() {
    KillTimer(hwnd_, kPopTimer);
    if (!shown_) return;
    shown_ = false;
    ShowWindow(hwnd_, SW_HIDE);
    notify_tool(TTN_POP);
  }

  // The pointer is off every tool: nothing pending, nothing shown.
  void forget_tool() {
    KillTimer(hwnd_, kShowTimer);
    KillTimer(hwnd_, kLeaveTimer);
    hide();
    current_ = -1;
  }

  void notify_tool(UINT code) {
    if (current_ < 0) return;
    const Tool& tool = tools_[static_cast<std::size_t>(current_)];
    NMHDR header{hwnd_, tool.id, code};
    SendMessageW(tool.hwnd, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&header));
  }

  void paint() {
    PaintScope paint(hwnd_);
    HDC dc = paint.dc();
    RECT client = client_rect(hwnd_);
    fill(dc, client, background_ == CLR_DEFAULT ? GetSysColor(COLOR_INFOBK) : background_);
    FrameRect(dc, &client, GetSysColorBrush(COLOR_INFOTEXT));
    FontScope font(dc, tip_font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text_colour_ == CLR_DEFAULT ? GetSysColor(COLOR_INFOTEXT) : text_colour_);
    InflateRect(&client, -kPadding - 1, -kPadding);
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &client, text_format());
  }

  HWND hwnd_;
  std::vector<Tool> tools_;
  bool active_ = true;
  int current_ = -1;
  bool shown_ = false;
  std::wstring text_;
  int initial_ = -1;
  int autopop_ = -1;
  int reshow_ = -1;
  int max_width_ = -1;
  HFONT font_ = nullptr;
  COLORREF background_ = CLR_DEFAULT;
  COLORREF text_colour_ = CLR_DEFAULT;
};

}  // namespace

LRESULT CALLBACK tooltip_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<Tooltip>(hwnd, message, wParam, lParam);
}

}  // namespace controls
