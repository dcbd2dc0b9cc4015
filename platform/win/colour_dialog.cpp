// ChooseColorW: a modal dialog of the dialog manager. The colour cells are owner-drawn buttons,
// so a click, Tab and Space all pick them; the full part edits red, green and blue.
#include <algorithm>
#include <array>
#include <vector>

#include "platform/win/common_dialog_api.h"
#include "platform/win/controls_api.h"
#include "platform/win/device_context_api.h"
#include "platform/win/dialog_api.h"
#include "platform/win/focus_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/message_api.h"
#include "platform/win/monitor_api.h"
#include "platform/win/rect_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

constexpr std::array<COLORREF, kColourBasicCount> kBasicColours{
    RGB(255, 178, 178), RGB(255, 217, 178), RGB(255, 255, 178), RGB(178, 255, 178), RGB(178, 255, 242),
    RGB(178, 217, 255), RGB(204, 178, 255), RGB(255, 178, 255), RGB(255, 102, 102), RGB(255, 178, 102),
    RGB(255, 255, 102), RGB(102, 255, 102), RGB(102, 255, 229), RGB(102, 178, 255), RGB(153, 102, 255),
    RGB(255, 102, 255), RGB(255, 0, 0),     RGB(255, 128, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),
    RGB(0, 255, 212),   RGB(0, 127, 255),   RGB(85, 0, 255),    RGB(255, 0, 255),   RGB(170, 9, 9),
    RGB(170, 89, 9),    RGB(170, 170, 9),   RGB(9, 170, 9),     RGB(9, 170, 143),   RGB(9, 89, 170),
    RGB(62, 9, 170),    RGB(170, 9, 170),   RGB(97, 5, 5),      RGB(97, 51, 5),     RGB(97, 97, 5),
    RGB(5, 97, 5),      RGB(5, 97, 82),     RGB(5, 51, 97),     RGB(36, 5, 97),     RGB(97, 5, 97),
    RGB(0, 0, 0),       RGB(32, 32, 32),    RGB(64, 64, 64),    RGB(96, 96, 96),    RGB(128, 128, 128),
    RGB(160, 160, 160), RGB(192, 192, 192), RGB(255, 255, 255),
};

constexpr int kColumns = 8;
constexpr short kCellWidth = 18;
constexpr short kCellHeight = 14;
constexpr short kCompactWidth = 152;
constexpr short kFullWidth = 300;
constexpr short kHeight = 186;
constexpr DWORD kCellStyle = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kEditStyle = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER;

constexpr int kRedLabel = 790;
constexpr int kGreenLabel = 791;
constexpr int kBlueLabel = 792;
// The controls of the full part, hidden while the dialog is compact.
constexpr std::array<int, 8> kFullPart{COLOR_CURRENT, COLOR_RED, COLOR_GREEN, COLOR_BLUE,
                                       COLOR_ADD,     kRedLabel, kGreenLabel, kBlueLabel};
constexpr std::array<int, 3> kChannelEdits{COLOR_RED, COLOR_GREEN, COLOR_BLUE};

struct Session {
  CHOOSECOLORW* request;
  COLORREF current;
  std::array<COLORREF, kColourCustomCount> custom{};
  int selected = -1;      // the control id of the chosen cell, or -1
  int custom_slot = 0;    // where "Add to Custom Colors" writes
  bool updating = false;  // the edits are being set from a colour
};

std::vector<DialogItemTemplate> build_items() {
  std::vector<DialogItemTemplate> items;
  auto cell_grid = [&items](int first_id, int count, short top) {
    for (int i = 0; i < count; ++i) {
      const short x = static_cast<short>(4 + kCellWidth * (i % kColumns));
      const short y = static_cast<short>(top + kCellHeight * (i / kColumns));
      items.push_back({L"Button", first_id + i, L"", x, y, kCellWidth, kCellHeight,
                       kCellStyle | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), 0});
    }
  };
  items.push_back({L"Static", -1, L"&Basic colors:", 4, 4, 144, 9, WS_VISIBLE, 0});
  cell_grid(kColourBasicFirstId, kColourBasicCount, 14);
  items.push_back({L"Static", -1, L"&Custom colors:", 4, 102, 144, 9, WS_VISIBLE | WS_GROUP, 0});
  cell_grid(kColourCustomFirstId, kColourCustomCount, 112);
  items.push_back({L"Button", COLOR_MIX, L"&Define Custom Colors >>", 4, 146, 144, 14,
                   WS_VISIBLE | WS_GROUP | WS_TABSTOP, 0});
  items.push_back({L"Button", IDOK, L"OK", 4, 166, 46, 14, WS_VISIBLE | WS_GROUP | WS_TABSTOP | 0x1, 0});
  items.push_back({L"Button", IDCANCEL, L"Cancel", 54, 166, 46, 14, WS_VISIBLE | WS_TABSTOP, 0});
  items.push_back({L"Static", COLOR_CURRENT, L"", 156, 14, 64, 40, WS_VISIBLE | SS_OWNERDRAW, 0});
  items.push_back({L"Static", kRedLabel, L"&Red:", 156, 64, 32, 9, WS_VISIBLE, 0});
  items.push_back({L"Edit", COLOR_RED, L"", 192, 62, 28, 12, kEditStyle | WS_GROUP, 0});
  items.push_back({L"Static", kGreenLabel, L"&Green:", 156, 80, 32, 9, WS_VISIBLE, 0});
  items.push_back({L"Edit", COLOR_GREEN, L"", 192, 78, 28, 12, kEditStyle, 0});
  items.push_back({L"Static", kBlueLabel, L"Bl&ue:", 156, 96, 32, 9, WS_VISIBLE, 0});
  items.push_back({L"Edit", COLOR_BLUE, L"", 192, 94, 28, 12, kEditStyle, 0});
  items.push_back({L"Button", COLOR_ADD, L"&Add to Custom Colors", 156, 146, 140, 14,
                   WS_VISIBLE | WS_GROUP | WS_TABSTOP, 0});
  return items;
}

Session& session_of(HWND dialog) {
  return *reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool is_basic(int id) {
  return id >= kColourBasicFirstId && id < kColourBasicFirstId + kColourBasicCount;
}

bool is_custom(int id) {
  return id >= kColourCustomFirstId && id < kColourCustomFirstId + kColourCustomCount;
}

COLORREF colour_of_cell(const Session& session, int id) {
  if (is_basic(id)) return kBasicColours[static_cast<std::size_t>(id - kColourBasicFirstId)];
  return session.custom[static_cast<std::size_t>(id - kColourCustomFirstId)];
}

void show_channels(HWND dialog, Session& session) {
  session.updating = true;
  const int values[] = {GetRValue(session.current), GetGValue(session.current), GetBValue(session.current)};
  for (std::size_t i = 0; i < kChannelEdits.size(); ++i)
    SetDlgItemInt(dialog, kChannelEdits[i], static_cast<UINT>(values[i]), FALSE);
  session.updating = false;
  InvalidateRect(GetDlgItem(dialog, COLOR_CURRENT), nullptr, FALSE);
}

void select_cell(HWND dialog, Session& session, int id) {
  const int previous = session.selected;
  session.selected = id;
  if (previous > 0) InvalidateRect(GetDlgItem(dialog, previous), nullptr, FALSE);
  if (id > 0) InvalidateRect(GetDlgItem(dialog, id), nullptr, FALSE);
}

void pick_cell(HWND dialog, Session& session, int id) {
  session.current = colour_of_cell(session, id);
  if (is_custom(id)) session.custom_slot = id - kColourCustomFirstId;
  select_cell(dialog, session, id);
  show_channels(dialog, session);
}

// A channel edit changed: the colour follows it, a value above 255 reads as 255.
void read_channels(HWND dialog, Session& session) {
  if (session.updating) return;
  UINT values[3] = {};
  for (std::size_t i = 0; i < kChannelEdits.size(); ++i)
    values[i] = std::min<UINT>(GetDlgItemInt(dialog, kChannelEdits[i], nullptr, FALSE), 255);
  session.current = RGB(values[0], values[1], values[2]);
  select_cell(dialog, session, -1);
  InvalidateRect(GetDlgItem(dialog, COLOR_CURRENT), nullptr, FALSE);
}

void set_full(HWND dialog, bool full) {
  for (int id : kFullPart)
    ShowWindow(GetDlgItem(dialog, id), full ? SW_SHOW : SW_HIDE);
  RECT size{0, 0, full ? kFullWidth : kCompactWidth, kHeight};
  MapDialogRect(dialog, &size);
  AdjustWindowRectEx(&size, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
  SetWindowPos(dialog, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EnableWindow(GetDlgItem(dialog, COLOR_MIX), !full);
}

// Centred on a small owner such as the picker's pop-up, the dialog could reach off the screen.
void keep_on_monitor(HWND dialog) {
  RECT rect{};
  GetWindowRect(dialog, &rect);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &info);
  const RECT& work = info.rcWork;
  const LONG left = std::max(work.left, std::min(rect.left, work.right - (rect.right - rect.left)));
  const LONG top = std::max(work.top, std::min(rect.top, work.bottom - (rect.bottom - rect.top)));
  SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void draw_cell(const Session& session, const DRAWITEMSTRUCT& draw) {
  RECT rect = draw.rcItem;
  FillRect(draw.hDC, &rect, GetSysColorBrush(COLOR_BTNFACE));
  if (static_cast<int>(draw.CtlID) == session.selected) {
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FrameRect(draw.hDC, &rect, black);
  }
  InflateRect(&rect, -2, -2);
  DrawEdge(draw.hDC, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  HBRUSH swatch = CreateSolidBrush(colour_of_cell(session, static_cast<int>(draw.CtlID)));
  FillRect(draw.hDC, &rect, swatch);
  DeleteObject(swatch);
  if (draw.itemState & ODS_FOCUS) {
    RECT focus = draw.rcItem;
    InflateRect(&focus, -1, -1);
    DrawFocusRect(draw.hDC, &focus);
  }
}

void draw_preview(const Session& session, const DRAWITEMSTRUCT& draw) {
  RECT rect = draw.rcItem;
  DrawEdge(draw.hDC, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  HBRUSH swatch = CreateSolidBrush(session.current);
  FillRect(draw.hDC, &rect, swatch);
  DeleteObject(swatch);
}

void initialise(HWND dialog, Session& session) {
  for (int id : kChannelEdits)
    SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, 3, 0);
  const DWORD flags = session.request->Flags;
  set_full(dialog, (flags & CC_FULLOPEN) != 0);
  keep_on_monitor(dialog);
  if (flags & CC_PREVENTFULLOPEN) EnableWindow(GetDlgItem(dialog, COLOR_MIX), FALSE);
  const auto basic = std::find(kBasicColours.begin(), kBasicColours.end(), session.current);
  if (basic != kBasicColours.end())
    select_cell(dialog, session, kColourBasicFirstId + static_cast<int>(basic - kBasicColours.begin()));
  show_channels(dialog, session);
  const int focus = session.selected > 0 ? session.selected : kColourBasicFirstId;
  SetFocus(GetDlgItem(dialog, focus));
}

void finish(HWND dialog, Session& session) {
  session.request->rgbResult = session.current;
  if (session.request->lpCustColors != nullptr)
    std::copy(session.custom.begin(), session.custom.end(), session.request->lpCustColors);
  EndDialog(dialog, IDOK);
}

void command(HWND dialog, Session& session, int id, WORD code) {
  if (is_basic(id) || is_custom(id)) {
    if (code == BN_CLICKED) pick_cell(dialog, session, id);
  } else if (id == COLOR_RED || id == COLOR_GREEN || id == COLOR_BLUE) {
    if (code == EN_CHANGE) read_channels(dialog, session);
  } else if (id == COLOR_MIX) {
    set_full(dialog, true);
    keep_on_monitor(dialog);
    SetFocus(GetDlgItem(dialog, COLOR_RED));
  } else if (id == COLOR_ADD) {
    session.custom[static_cast<std::size_t>(session.custom_slot)] = session.current;
    InvalidateRect(GetDlgItem(dialog, kColourCustomFirstId + session.custom_slot), nullptr, FALSE);
    session.custom_slot = (session.custom_slot + 1) % kColourCustomCount;
  } else if (id == IDOK) {
    finish(dialog, session);
  } else if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  }
}

INT_PTR CALLBACK colour_dialog_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    initialise(dialog, *reinterpret_cast<Session*>(lParam));
    return FALSE;
  }
  if (message == WM_COMMAND) {
    command(dialog, session_of(dialog), LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (draw.CtlID == static_cast<UINT>(COLOR_CURRENT))
      draw_preview(session_of(dialog), draw);
    else
      draw_cell(session_of(dialog), draw);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

COLORREF ColourDialogBasicColour(int index) {
  if (index < 0 || index >= kColourBasicCount) return 0;
  return kBasicColours[static_cast<std::size_t>(index)];
}

BOOL WINAPI ChooseColorW(LPCHOOSECOLORW choose) {
  if (win_internal::caller() == nullptr || choose == nullptr || choose->lStructSize != sizeof(CHOOSECOLORW))
    return FALSE;
  Session session{choose, (choose->Flags & CC_RGBINIT) ? choose->rgbResult : RGB(0, 0, 0)};
  if (choose->lpCustColors != nullptr)
    std::copy(choose->lpCustColors, choose->lpCustColors + kColourCustomCount, session.custom.begin());
  static const std::vector<DialogItemTemplate> items = build_items();
  const DialogTemplate dialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER,
                              WS_EX_DLGMODALFRAME,
                              0,
                              0,
                              kFullWidth,
                              kHeight,
                              L"Color",
                              L"MS Sans Serif",
                              8,
                              items.data(),
                              static_cast<int>(items.size())};
  const INT_PTR answer = DialogBoxIndirectParamW(nullptr, &dialog, choose->hwndOwner, colour_dialog_procedure,
                                                 reinterpret_cast<LPARAM>(&session));
  return answer == IDOK;
}
