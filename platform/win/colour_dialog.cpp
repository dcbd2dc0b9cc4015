// ChooseColorW: a modal dialog of the dialog manager. The colour cells are owner-drawn buttons,
// so a click, Tab and Space all pick them; the full part keeps the colour, its hue, saturation
// and luminance and its red, green and blue in step, whichever the presenter changes.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/win/colour_dialog_internal.h"
#include "platform/win/common_dialog_api.h"
#include "platform/win/controls_api.h"
#include "platform/win/device_context_api.h"
#include "platform/win/dialog_api.h"
#include "platform/win/dialog_placement.h"
#include "platform/win/focus_api.h"
#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/hls_colour.h"
#include "platform/win/message_api.h"
#include "platform/win/monitor_api.h"
#include "platform/win/mouse_api.h"
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

constexpr std::array<int, 3> kRgbEdits{COLOR_RED, COLOR_GREEN, COLOR_BLUE};
constexpr std::array<int, 3> kHlsEdits{COLOR_HUE, COLOR_SAT, COLOR_LUM};
// The luminance the spectrum shows and a spectrum click gives a black or white colour.
constexpr int kSpectrumLum = kHlsMax / 2;

struct Session {
  CHOOSECOLORW* request;
  COLORREF current;
  HlsColour hls{};
  std::array<COLORREF, kColourCustomCount> custom{};
  int selected = -1;      // the control id of the chosen cell, or -1
  int custom_slot = 0;    // where "Add to Custom Colors" writes
  bool updating = false;  // the edits are being set from a colour
};

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

void set_edits(HWND dialog, Session& session, const std::array<int, 3>& ids,
               const std::array<int, 3>& values) {
  session.updating = true;
  for (std::size_t i = 0; i < ids.size(); ++i)
    SetDlgItemInt(dialog, ids[i], static_cast<UINT>(values[i]), FALSE);
  session.updating = false;
}

void show_rgb(HWND dialog, Session& session) {
  set_edits(dialog, session, kRgbEdits,
            {GetRValue(session.current), GetGValue(session.current), GetBValue(session.current)});
}

void show_hls(HWND dialog, Session& session) {
  set_edits(dialog, session, kHlsEdits, {session.hls.hue, session.hls.sat, session.hls.lum});
}

void repaint_samples(HWND dialog) {
  InvalidateRect(GetDlgItem(dialog, COLOR_CURRENT), nullptr, FALSE);
  InvalidateRect(GetDlgItem(dialog, COLOR_LUMSCROLL), nullptr, FALSE);
  InvalidateRect(GetDlgItem(dialog, COLOR_RAINBOW), nullptr, FALSE);
}

void select_cell(HWND dialog, Session& session, int id) {
  const int previous = session.selected;
  session.selected = id;
  if (previous > 0) InvalidateRect(GetDlgItem(dialog, previous), nullptr, FALSE);
  if (id > 0) InvalidateRect(GetDlgItem(dialog, id), nullptr, FALSE);
}

// A colour from a cell or the red, green and blue: the hue, saturation and luminance follow.
void set_colour(HWND dialog, Session& session, COLORREF colour) {
  session.current = colour;
  session.hls = hls_from_rgb(colour);
  repaint_samples(dialog);
}

// A colour from the hue, saturation and luminance, kept as given (a grey keeps its hue).
void set_hls(HWND dialog, Session& session, HlsColour hls) {
  session.hls = hls;
  session.current = rgb_from_hls(hls);
  select_cell(dialog, session, -1);
  repaint_samples(dialog);
}

void pick_cell(HWND dialog, Session& session, int id) {
  set_colour(dialog, session, colour_of_cell(session, id));
  if (is_custom(id)) session.custom_slot = id - kColourCustomFirstId;
  select_cell(dialog, session, id);
  show_rgb(dialog, session);
  show_hls(dialog, session);
}

UINT read_edit(HWND dialog, int id, UINT top) {
  return std::min<UINT>(GetDlgItemInt(dialog, id, nullptr, FALSE), top);
}

// An edit changed: the colour follows it; a value above its range reads as the top of it.
void read_edit_group(HWND dialog, Session& session, int id) {
  if (session.updating) return;
  if (std::find(kRgbEdits.begin(), kRgbEdits.end(), id) != kRgbEdits.end()) {
    set_colour(dialog, session,
               RGB(read_edit(dialog, COLOR_RED, 255), read_edit(dialog, COLOR_GREEN, 255),
                   read_edit(dialog, COLOR_BLUE, 255)));
    select_cell(dialog, session, -1);
    show_hls(dialog, session);
    return;
  }
  set_hls(dialog, session,
          {static_cast<int>(read_edit(dialog, COLOR_HUE, kHlsHueSteps - 1)),
           static_cast<int>(read_edit(dialog, COLOR_LUM, kHlsMax)),
           static_cast<int>(read_edit(dialog, COLOR_SAT, kHlsMax))});
  show_rgb(dialog, session);
}

// Where the pointer is in a control, as fractions of its width and height from 0 to 1.
std::pair<double, double> pointer_in(HWND control) {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(control, &point);
  RECT client{};
  GetClientRect(control, &client);
  const auto fraction = [](LONG at, LONG size) {
    return size > 1 ? std::clamp(static_cast<double>(at) / (size - 1), 0.0, 1.0) : 0.0;
  };
  return {fraction(point.x, client.right), fraction(point.y, client.bottom)};
}

int scaled(double fraction, int top) {
  return static_cast<int>(std::lround(fraction * top));
}

void click_spectrum(HWND dialog, Session& session) {
  const auto [x, y] = pointer_in(GetDlgItem(dialog, COLOR_RAINBOW));
  const int lum = session.hls.lum == 0 || session.hls.lum == kHlsMax ? kSpectrumLum : session.hls.lum;
  set_hls(dialog, session, {scaled(x, kHlsHueSteps - 1), lum, kHlsMax - scaled(y, kHlsMax)});
  show_rgb(dialog, session);
  show_hls(dialog, session);
}

void click_luminance(HWND dialog, Session& session) {
  const auto [x, y] = pointer_in(GetDlgItem(dialog, COLOR_LUMSCROLL));
  set_hls(dialog, session, {session.hls.hue, kHlsMax - scaled(y, kHlsMax), session.hls.sat});
  show_rgb(dialog, session);
  show_hls(dialog, session);
}

void set_full(HWND dialog, bool full) {
  for (int id : colour_dialog::kFullPart)
    ShowWindow(GetDlgItem(dialog, id), full ? SW_SHOW : SW_HIDE);
  RECT size{0, 0, full ? colour_dialog::kFullWidth : colour_dialog::kCompactWidth, colour_dialog::kHeight};
  MapDialogRect(dialog, &size);
  AdjustWindowRectEx(&size, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
  SetWindowPos(dialog, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EnableWindow(GetDlgItem(dialog, COLOR_MIX), !full);
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

// Pixels of a 32-bit top-down DIB section, 0x00RRGGBB.
std::uint32_t dib_pixel(COLORREF colour) {
  return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
         static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

// Draws pixels from colour_at(x, y, width, height) into the item's rectangle, through one DIB.
template <typename ColourAt>
void draw_pixels(const DRAWITEMSTRUCT& draw, ColourAt colour_at) {
  const int width = draw.rcItem.right - draw.rcItem.left;
  const int height = draw.rcItem.bottom - draw.rcItem.top;
  if (width <= 0 || height <= 0) return;
  std::uint32_t* pixels = nullptr;
  HBITMAP picture = gdi_internal::top_down_dib(width, height, &pixels);
  if (picture == nullptr) return;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels[y * width + x] = dib_pixel(colour_at(x, y, width, height));
  HDC source = CreateCompatibleDC(draw.hDC);
  HGDIOBJ previous = SelectObject(source, picture);
  BitBlt(draw.hDC, draw.rcItem.left, draw.rcItem.top, width, height, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
  DeleteObject(picture);
}

int step_of(int at, int size, int top) {
  return size > 1 ? (at * top + (size - 1) / 2) / (size - 1) : 0;
}

// Hues left to right, saturation from full at the top to none at the bottom; a cross marks
// the colour's hue and saturation.
void draw_spectrum(const Session& session, const DRAWITEMSTRUCT& draw) {
  draw_pixels(draw, [](int x, int y, int width, int height) {
    return rgb_from_hls(
        {step_of(x, width, kHlsHueSteps - 1), kSpectrumLum, kHlsMax - step_of(y, height, kHlsMax)});
  });
  const int width = draw.rcItem.right - draw.rcItem.left;
  const int height = draw.rcItem.bottom - draw.rcItem.top;
  const int x = draw.rcItem.left + session.hls.hue * (width - 1) / (kHlsHueSteps - 1);
  const int y = draw.rcItem.top + (kHlsMax - session.hls.sat) * (height - 1) / kHlsMax;
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  const RECT across{x - 4, y, x + 5, y + 1};
  const RECT down{x, y - 4, x + 1, y + 5};
  FillRect(draw.hDC, &across, black);
  FillRect(draw.hDC, &down, black);
}

// The colour's hue and saturation from white at the top to black at the bottom; a bar marks
// its luminance.
void draw_luminance(const Session& session, const DRAWITEMSTRUCT& draw) {
  const HlsColour hls = session.hls;
  draw_pixels(draw, [hls](int, int y, int, int height) {
    return rgb_from_hls({hls.hue, kHlsMax - step_of(y, height, kHlsMax), hls.sat});
  });
  const int height = draw.rcItem.bottom - draw.rcItem.top;
  const int y = draw.rcItem.top + (kHlsMax - hls.lum) * (height - 1) / kHlsMax;
  const RECT mark{draw.rcItem.left, y, draw.rcItem.right, y + 1};
  FillRect(draw.hDC, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void draw_preview(const Session& session, const DRAWITEMSTRUCT& draw) {
  RECT rect = draw.rcItem;
  DrawEdge(draw.hDC, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  HBRUSH swatch = CreateSolidBrush(session.current);
  FillRect(draw.hDC, &rect, swatch);
  DeleteObject(swatch);
}

void initialise(HWND dialog, Session& session) {
  for (const auto* edits : {&kRgbEdits, &kHlsEdits})
    for (int id : *edits)
      SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, 3, 0);
  session.hls = hls_from_rgb(session.current);
  const DWORD flags = session.request->Flags;
  set_full(dialog, (flags & CC_FULLOPEN) != 0);
  win_internal::keep_on_monitor(dialog);
  if (flags & CC_PREVENTFULLOPEN) EnableWindow(GetDlgItem(dialog, COLOR_MIX), FALSE);
  const auto basic = std::find(kBasicColours.begin(), kBasicColours.end(), session.current);
  if (basic != kBasicColours.end())
    select_cell(dialog, session, kColourBasicFirstId + static_cast<int>(basic - kBasicColours.begin()));
  show_rgb(dialog, session);
  show_hls(dialog, session);
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
  } else if (id >= COLOR_HUE && id <= COLOR_BLUE) {
    if (code == EN_CHANGE) read_edit_group(dialog, session, id);
  } else if (id == COLOR_RAINBOW) {
    if (code == STN_CLICKED) click_spectrum(dialog, session);
  } else if (id == COLOR_LUMSCROLL) {
    if (code == STN_CLICKED) click_luminance(dialog, session);
  } else if (id == COLOR_MIX) {
    set_full(dialog, true);
    win_internal::keep_on_monitor(dialog);
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
    const Session& session = session_of(dialog);
    switch (static_cast<int>(draw.CtlID)) {
      case COLOR_CURRENT:
        draw_preview(session, draw);
        break;
      case COLOR_RAINBOW:
        draw_spectrum(session, draw);
        break;
      case COLOR_LUMSCROLL:
        draw_luminance(session, draw);
        break;
      default:
        draw_cell(session, draw);
    }
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
  const std::vector<DialogItemTemplate>& items = colour_dialog::items();
  const DialogTemplate dialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER,
                              WS_EX_DLGMODALFRAME,
                              0,
                              0,
                              colour_dialog::kFullWidth,
                              colour_dialog::kHeight,
                              L"Color",
                              L"MS Sans Serif",
                              8,
                              items.data(),
                              static_cast<int>(items.size())};
  const INT_PTR answer = DialogBoxIndirectParamW(nullptr, &dialog, choose->hwndOwner, colour_dialog_procedure,
                                                 reinterpret_cast<LPARAM>(&session));
  return answer == IDOK;
}
