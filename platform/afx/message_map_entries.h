// The entries of a message map, by the framework's names. Each entry's adapter unpacks the
// message for the handler's signature and calls it on the object the map belongs to.
#pragma once

#include <type_traits>

#include "platform/afx/message_map.h"
#include "platform/afx/wnd.h"
#include "platform/win/controls_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"

namespace afx_entries {

template <typename T>
struct MemberClass;
template <typename C, typename R, typename... A>
struct MemberClass<R (C::*)(A...)> {
  using type = C;
};
template <typename C, typename R, typename... A>
struct MemberClass<R (C::*)(A...) const> {
  using type = C;
};

template <auto Fn>
auto* target(CCmdTarget* object) {
  return static_cast<typename MemberClass<decltype(Fn)>::type*>(object);
}

inline CWnd* window_of(WPARAM handle) {
  return CWnd::FromHandle(reinterpret_cast<HWND>(handle));
}

template <auto Fn>
void no_arguments(CCmdTarget* object, const AfxMessage&, LRESULT& result) {
  using R = decltype((target<Fn>(object)->*Fn)());
  if constexpr (std::is_void_v<R>) {
    (target<Fn>(object)->*Fn)();
  } else {
    result = (LRESULT)((target<Fn>(object)->*Fn)());
  }
}

template <auto Fn>
void command_id(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(m.id);
}

template <auto Fn>
void notification(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  (target<Fn>(object)->*Fn)(reinterpret_cast<NMHDR*>(m.lParam), &result);
}

template <auto Fn>
void notification_range(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  (target<Fn>(object)->*Fn)(m.id, reinterpret_cast<NMHDR*>(m.lParam), &result);
}

template <auto Fn>
void message(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  result = (target<Fn>(object)->*Fn)(m.wParam, m.lParam);
}

template <auto Fn>
void create(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  result = (target<Fn>(object)->*Fn)(reinterpret_cast<LPCREATESTRUCTW>(m.lParam));
}

template <auto Fn>
void erase_background(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  result = (target<Fn>(object)->*Fn)(CDC::FromHandle(reinterpret_cast<HDC>(m.wParam)));
}

template <auto Fn>
void timer(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(m.wParam);
}

template <auto Fn>
void size(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
}

template <auto Fn>
void move(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
}

template <auto Fn>
void show_window(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(static_cast<BOOL>(m.wParam), static_cast<UINT>(m.lParam));
}

template <auto Fn>
void activate(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(LOWORD(m.wParam), window_of(static_cast<WPARAM>(m.lParam)),
                            HIWORD(m.wParam) != 0);
}

template <auto Fn>
void focus(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(window_of(m.wParam));
}

template <auto Fn>
void mouse(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(static_cast<UINT>(m.wParam), CPoint(m.lParam));
}

template <auto Fn>
void mouse_wheel(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  result =
      (target<Fn>(object)->*Fn)(LOWORD(m.wParam), static_cast<short>(HIWORD(m.wParam)), CPoint(m.lParam));
}

template <auto Fn>
void key(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
}

template <auto Fn>
void system_command(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(static_cast<UINT>(m.wParam), m.lParam);
}

template <auto Fn>
void control_colour(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  HBRUSH brush =
      (target<Fn>(object)->*Fn)(CDC::FromHandle(reinterpret_cast<HDC>(m.wParam)),
                                window_of(static_cast<WPARAM>(m.lParam)), m.message - WM_CTLCOLORMSGBOX);
  result = reinterpret_cast<LRESULT>(brush);
}

template <auto Fn>
void reflected_colour(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  HBRUSH brush = (target<Fn>(object)->*Fn)(CDC::FromHandle(reinterpret_cast<HDC>(m.wParam)),
                                           m.message - WM_CTLCOLORMSGBOX);
  result = reinterpret_cast<LRESULT>(brush);
}

template <auto Fn>
void draw_item(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  (target<Fn>(object)->*Fn)(static_cast<int>(m.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam));
  result = TRUE;
}

template <auto Fn>
void measure_item(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  (target<Fn>(object)->*Fn)(static_cast<int>(m.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(m.lParam));
  result = TRUE;
}

template <auto Fn>
void set_cursor(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  result = (target<Fn>(object)->*Fn)(window_of(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
}

// A slider or an up-down that scrolls is no scroll bar: the handler gets nullptr for it.
template <auto Fn>
void scroll(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(LOWORD(m.wParam), HIWORD(m.wParam),
                            dynamic_cast<CScrollBar*>(window_of(static_cast<WPARAM>(m.lParam))));
}

template <auto Fn>
void window_pos(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(reinterpret_cast<WINDOWPOS*>(m.lParam));
}

}  // namespace afx_entries

// Window messages, each to the handler of the framework's name.
#define ON_WM_CREATE() {WM_CREATE, 0, 0, 0, &afx_entries::create<&ThisClass::OnCreate>},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, &afx_entries::no_arguments<&ThisClass::OnDestroy>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, &afx_entries::no_arguments<&ThisClass::OnPaint>},
#define ON_WM_ERASEBKGND() {WM_ERASEBKGND, 0, 0, 0, &afx_entries::erase_background<&ThisClass::OnEraseBkgnd>},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, 0, &afx_entries::timer<&ThisClass::OnTimer>},
#define ON_WM_SIZE() {WM_SIZE, 0, 0, 0, &afx_entries::size<&ThisClass::OnSize>},
#define ON_WM_MOVE() {WM_MOVE, 0, 0, 0, &afx_entries::move<&ThisClass::OnMove>},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, &afx_entries::no_arguments<&ThisClass::OnClose>},
#define ON_WM_SHOWWINDOW() {WM_SHOWWINDOW, 0, 0, 0, &afx_entries::show_window<&ThisClass::OnShowWindow>},
#define ON_WM_ACTIVATE() {WM_ACTIVATE, 0, 0, 0, &afx_entries::activate<&ThisClass::OnActivate>},
#define ON_WM_SETFOCUS() {WM_SETFOCUS, 0, 0, 0, &afx_entries::focus<&ThisClass::OnSetFocus>},
#define ON_WM_KILLFOCUS() {WM_KILLFOCUS, 0, 0, 0, &afx_entries::focus<&ThisClass::OnKillFocus>},
#define ON_WM_LBUTTONDOWN() {WM_LBUTTONDOWN, 0, 0, 0, &afx_entries::mouse<&ThisClass::OnLButtonDown>},
#define ON_WM_LBUTTONUP() {WM_LBUTTONUP, 0, 0, 0, &afx_entries::mouse<&ThisClass::OnLButtonUp>},
#define ON_WM_LBUTTONDBLCLK() {WM_LBUTTONDBLCLK, 0, 0, 0, &afx_entries::mouse<&ThisClass::OnLButtonDblClk>},
#define ON_WM_RBUTTONDOWN() {WM_RBUTTONDOWN, 0, 0, 0, &afx_entries::mouse<&ThisClass::OnRButtonDown>},
#define ON_WM_RBUTTONUP() {WM_RBUTTONUP, 0, 0, 0, &afx_entries::mouse<&ThisClass::OnRButtonUp>},
#define ON_WM_MOUSEMOVE() {WM_MOUSEMOVE, 0, 0, 0, &afx_entries::mouse<&ThisClass::OnMouseMove>},
#define ON_WM_MOUSEWHEEL() {WM_MOUSEWHEEL, 0, 0, 0, &afx_entries::mouse_wheel<&ThisClass::OnMouseWheel>},
#define ON_WM_MOUSELEAVE() {WM_MOUSELEAVE, 0, 0, 0, &afx_entries::no_arguments<&ThisClass::OnMouseLeave>},
#define ON_WM_KEYDOWN() {WM_KEYDOWN, 0, 0, 0, &afx_entries::key<&ThisClass::OnKeyDown>},
#define ON_WM_KEYUP() {WM_KEYUP, 0, 0, 0, &afx_entries::key<&ThisClass::OnKeyUp>},
#define ON_WM_CHAR() {WM_CHAR, 0, 0, 0, &afx_entries::key<&ThisClass::OnChar>},
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, 0, &afx_entries::system_command<&ThisClass::OnSysCommand>},
#define ON_WM_CTLCOLOR() {WM_CTLCOLOR, 0, 0, 0, &afx_entries::control_colour<&ThisClass::OnCtlColor>},
#define ON_WM_DRAWITEM() {WM_DRAWITEM, 0, 0, 0, &afx_entries::draw_item<&ThisClass::OnDrawItem>},
#define ON_WM_MEASUREITEM() {WM_MEASUREITEM, 0, 0, 0, &afx_entries::measure_item<&ThisClass::OnMeasureItem>},
#define ON_WM_QUERYDRAGICON() \
  {WM_QUERYDRAGICON, 0, 0, 0, &afx_entries::no_arguments<&ThisClass::OnQueryDragIcon>},
#define ON_WM_SETCURSOR() {WM_SETCURSOR, 0, 0, 0, &afx_entries::set_cursor<&ThisClass::OnSetCursor>},
#define ON_WM_HSCROLL() {WM_HSCROLL, 0, 0, 0, &afx_entries::scroll<&ThisClass::OnHScroll>},
#define ON_WM_VSCROLL() {WM_VSCROLL, 0, 0, 0, &afx_entries::scroll<&ThisClass::OnVScroll>},
#define ON_WM_GETDLGCODE() {WM_GETDLGCODE, 0, 0, 0, &afx_entries::no_arguments<&ThisClass::OnGetDlgCode>},
#define ON_WM_WINDOWPOSCHANGED() \
  {WM_WINDOWPOSCHANGED, 0, 0, 0, &afx_entries::window_pos<&ThisClass::OnWindowPosChanged>},
#define ON_MESSAGE(message_id, memberFxn) {message_id, 0, 0, 0, &afx_entries::message<memberFxn>},

// Commands and control notifications.
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), &afx_entries::no_arguments<memberFxn>},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(idLast), &afx_entries::command_id<memberFxn>},
#define ON_CONTROL(code, id, memberFxn)                                               \
  {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), \
   &afx_entries::no_arguments<memberFxn>},
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                     \
  {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(idLast), \
   &afx_entries::command_id<memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_NOTIFY(code, id, memberFxn)                                               \
  {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), \
   &afx_entries::notification<memberFxn>},
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                     \
  {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(idLast), \
   &afx_entries::notification_range<memberFxn>},

// Reflected notifications: the control's own map handles what its parent received.
#define ON_CONTROL_REFLECT(code, memberFxn) \
  {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, &afx_entries::no_arguments<memberFxn>},
#define ON_CBN_DROPDOWN_REFLECT(memberFxn) ON_CONTROL_REFLECT(CBN_DROPDOWN, memberFxn)
#define ON_BN_CLICKED_REFLECT(memberFxn) ON_CONTROL_REFLECT(BN_CLICKED, memberFxn)
#define ON_NOTIFY_REFLECT(code, memberFxn) \
  {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0, &afx_entries::notification<memberFxn>},
#define ON_WM_CTLCOLOR_REFLECT() \
  {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, &afx_entries::reflected_colour<&ThisClass::CtlColor>},
#define ON_WM_DRAWITEM_REFLECT() \
  {WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, &afx_entries::draw_item_reflect<&ThisClass::DrawItem>},
#define ON_WM_HSCROLL_REFLECT() \
  {WM_REFLECT_BASE + WM_HSCROLL, 0, 0, 0, &afx_entries::scroll_reflect<&ThisClass::HScroll>},

namespace afx_entries {

template <auto Fn>
void draw_item_reflect(CCmdTarget* object, const AfxMessage& m, LRESULT& result) {
  (target<Fn>(object)->*Fn)(reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam));
  result = TRUE;
}

template <auto Fn>
void scroll_reflect(CCmdTarget* object, const AfxMessage& m, LRESULT&) {
  (target<Fn>(object)->*Fn)(LOWORD(m.wParam), HIWORD(m.wParam));
}

}  // namespace afx_entries
