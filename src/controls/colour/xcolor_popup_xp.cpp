#include "src/controls/colour/xcolor_popup_xp.h"

#include <algorithm>
#include <string>

#include "src/controls/colour/colour_picker_messages.h"

namespace {

constexpr const wchar_t* kClassName = L"XColorPopupXP";
constexpr const wchar_t* kCustomText = L"Custom...";
constexpr const wchar_t* kCustomTip = L"Selects a custom color";
constexpr int kMinimumBoxSize = 18;
constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kCloseDelayMs = 10;
constexpr int kLastRow = kColourTableRows - 1;
constexpr int kLastColumn = kColourTableColumns - 1;

void register_class() {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  if (GetClassInfoExW(nullptr, kClassName, &window_class)) return;
  window_class.style = CS_CLASSDC | CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = &DefWindowProcW;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  window_class.lpszClassName = kClassName;
  RegisterClassExW(&window_class);
}

bool is_colour_row(int row) {
  return row >= 0 && row != kSeparatorRow && row != kCustomButtonRow;
}

}  // namespace

BEGIN_MESSAGE_MAP(CXColorPopupXP, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_MESSAGE(WM_SYSKEYDOWN, &CXColorPopupXP::OnSysKeyDown)
ON_WM_KILLFOCUS()
ON_WM_ACTIVATE()
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CXColorPopupXP::CXColorPopupXP(COLORREF colour, CWnd* picker, COLORREF* custom_colours, bool opened_by_press)
    : initial_colour_(colour),
      current_colour_(colour),
      picker_(picker->GetSafeHwnd()),
      picker_custom_colours_(custom_colours),
      opened_by_press_(opened_by_press) {
  margin_ = GetSystemMetrics(SM_CXEDGE);
  box_size_ = std::max(kMinimumBoxSize, 2 * margin_ + 7);
  for (int i = 0; i < kColourTableCount; ++i) {
    const ColourTableEntry& entry = kColourTable[static_cast<std::size_t>(i)];
    colours_[static_cast<std::size_t>(i)] =
        entry.system_colour >= 0 ? GetSysColor(entry.system_colour) : entry.colour;
  }
  std::copy(custom_colours, custom_colours + kCustomColourCount, colours_.begin() + kFirstCustomColourEntry);
  const auto found = std::find(colours_.begin(), colours_.end(), colour);
  if (found != colours_.end()) {
    const int index = static_cast<int>(found - colours_.begin());
    chosen_ = {index / kColourTableColumns, index % kColourTableColumns};
  }
}

CXColorPopupXP* CXColorPopupXP::Open(CPoint point, COLORREF colour, CWnd* picker, COLORREF* custom_colours,
                                     bool opened_by_press) {
  auto* popup = new CXColorPopupXP(colour, picker, custom_colours, opened_by_press);
  if (popup->Create(point)) return popup;
  delete popup;
  return nullptr;
}

CXColorPopupXP::~CXColorPopupXP() = default;

bool CXColorPopupXP::Create(CPoint point) {
  register_class();
  if (!CreateEx(0, kClassName, L"", WS_VISIBLE | WS_POPUP, point.x, point.y, 100, 100, picker_, nullptr))
    return false;
  CClientDC dc(this);
  CFont* previous = dc.SelectObject(&MessageFont());
  const CSize text = dc.GetTextExtent(kCustomText);
  dc.SelectObject(previous);
  const int inner_width = std::max<int>(kColourTableColumns * box_size_, text.cx + 4 * margin_);
  window_rect_ = CRect(point.x, point.y, point.x + inner_width + 2 * margin_,
                       point.y + kColourTableRows * box_size_ + 2 * margin_);
  custom_button_rect_ = CRect(margin_, margin_ + kCustomButtonRow * box_size_, margin_ + inner_width,
                              margin_ + kCustomButtonRow * box_size_ + text.cy + 2 * margin_);
  separator_rect_ = CRect(margin_, margin_ + kSeparatorRow * box_size_, margin_ + inner_width,
                          margin_ + (kSeparatorRow + 1) * box_size_);
  MoveWindow(&window_rect_, TRUE);
  AddTooltips();
  ::SetCapture(m_hWnd);
  SetFocus();
  return true;
}

CFont& CXColorPopupXP::MessageFont() {
  if (font_.GetSafeHandle() == nullptr) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font_.CreateFontIndirect(&metrics.lfMessageFont);
  }
  return font_;
}

void CXColorPopupXP::AddTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                             m_hWnd, nullptr, nullptr, nullptr);
  if (tooltip_ == nullptr) return;
  auto add = [this](UINT_PTR id, const RECT& rect, LPCWSTR text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_hWnd;
    tool.uId = id;
    tool.rect = rect;
    tool.lpszText = const_cast<LPWSTR>(text);
    ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  };
  for (int i = 0; i < kColourTableCount; ++i) {
    const Cell cell{i / kColourTableColumns, i % kColourTableColumns};
    if (is_colour_row(cell.row)) add(static_cast<UINT_PTR>(i), CellRect(cell), kColourTable[i].name);
  }
  add(kColourTableCount, custom_button_rect_, kCustomTip);
}

BOOL CXColorPopupXP::PreTranslateMessage(MSG* msg) {
  if (tooltip_ != nullptr && msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST)
    ::SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
  return CWnd::PreTranslateMessage(msg);
}

CRect CXColorPopupXP::CellRect(Cell cell) const {
  if (cell.row == kCustomButtonRow) return custom_button_rect_;
  if (cell.row == kSeparatorRow) return separator_rect_;
  const int left = margin_ + cell.column * box_size_;
  const int top = margin_ + cell.row * box_size_;
  return CRect(left, top, left + box_size_, top + box_size_);
}

CXColorPopupXP::Cell CXColorPopupXP::CellAt(CPoint point) const {
  if (custom_button_rect_.PtInRect(point)) return {kCustomButtonRow, 0};
  if (separator_rect_.PtInRect(point)) return {};
  const int x = point.x - margin_;
  const int y = point.y - margin_;
  if (x < 0 || y < 0) return {};
  const Cell cell{y / box_size_, x / box_size_};
  if (cell.row > kLastRow || cell.column > kLastColumn || !is_colour_row(cell.row)) return {};
  return cell;
}

void CXColorPopupXP::OnMouseMove(UINT, CPoint point) {
  if (point.x < 0 || point.y < 0) {
    const Cell old = hot_;
    hot_ = {};
    const CRect area = CellRect(old);
    if (!old.none()) InvalidateRect(&area, FALSE);
    return;
  }
  const Cell cell = CellAt(point);
  if (cell != hot_) ChangeHotCell(cell);
}

void CXColorPopupXP::ChangeHotCell(Cell cell) {
  const Cell old = hot_;
  hot_ = cell;
  CClientDC dc(this);
  if (!old.none()) DrawCell(dc, old);
  if (cell.none()) return;
  DrawCell(dc, cell);
  if (cell.row == kCustomButtonRow) {
    ::SendMessageW(picker_, kColourChanged, initial_colour_, 0);
  } else {
    current_colour_ = colours_[static_cast<std::size_t>(EntryOf(cell))];
    ::SendMessageW(picker_, kColourChanged, current_colour_, 0);
  }
}

void CXColorPopupXP::OnPaint() {
  CPaintDC dc(this);
  for (int row = 0; row < kColourTableRows; ++row) {
    const int columns = (row == kSeparatorRow || row == kCustomButtonRow) ? 1 : kColourTableColumns;
    for (int column = 0; column < columns; ++column)
      DrawCell(dc, {row, column});
  }
  CRect client;
  GetClientRect(&client);
  DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
}

void CXColorPopupXP::DrawCell(CDC& dc, Cell cell) {
  CRect rect = CellRect(cell);
  if (cell.row == kSeparatorRow) {
    CRect groove(rect.left, rect.top + (rect.Height() - 4) / 2, rect.right,
                 rect.top + (rect.Height() - 4) / 2 + 4);
    DrawEdge(dc, &groove, EDGE_ETCHED, BF_RECT);
    return;
  }
  dc.FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
  if (cell.row == kCustomButtonRow) {
    if (hot_.row == kCustomButtonRow) DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT);
    CFont* previous = dc.SelectObject(&MessageFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    dc.DrawText(kCustomText, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(previous);
    return;
  }
  if (cell == hot_)
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT);
  else if (cell == chosen_)
    DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
  rect.DeflateRect(margin_ + 1, margin_ + 1);
  dc.FillSolidRect(&rect, GetSysColor(COLOR_BTNSHADOW));
  rect.DeflateRect(1, 1);
  dc.FillSolidRect(&rect, colours_[static_cast<std::size_t>(EntryOf(cell))]);
}

void CXColorPopupXP::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  switch (key) {
    case VK_RETURN:
      EndSelection(true);
      return;
    case VK_ESCAPE:
      EndSelection(false);
      return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      MoveByKey(key);
      return;
    default:
      CWnd::OnKeyDown(key, repeat, flags);
  }
}

CXColorPopupXP::Cell CXColorPopupXP::NextCell(Cell from, UINT key) {
  switch (key) {
    case VK_LEFT:
      if (from.none()) return {kLastRow, kLastColumn};
      return {from.row, (from.column + kLastColumn) % kColourTableColumns};
    case VK_RIGHT:
      if (from.none()) return {0, 0};
      return {from.row, (from.column + 1) % kColourTableColumns};
    case VK_UP:
      if (from.none()) return {kLastRow, 0};
      if (from.row == kCustomButtonRow) return {kSeparatorRow - 1, from.column};
      return {from.row == 0 ? kLastRow : from.row - 1, from.column};
    case VK_DOWN:
      if (from.none()) return {0, 0};
      if (from.row == kSeparatorRow - 1) return {kCustomButtonRow, from.column};
      return {from.row == kLastRow ? 0 : from.row + 1, from.column};
    default:
      return from;
  }
}

void CXColorPopupXP::MoveByKey(UINT key) {
  const Cell to = NextCell(hot_.none() ? chosen_ : hot_, key);
  if (to != hot_) ChangeHotCell(to);
}

LRESULT CXColorPopupXP::OnSysKeyDown(WPARAM key, LPARAM) {
  if (key == VK_UP) SetTimer(kCloseTimer, kCloseDelayMs);
  return Default();
}

void CXColorPopupXP::OnTimer(UINT_PTR id) {
  if (id != kCloseTimer) return;
  KillTimer(kCloseTimer);
  PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

void CXColorPopupXP::OnLButtonUp(UINT, CPoint point) {
  if (opened_by_press_ && ignore_first_button_up_) {
    ignore_first_button_up_ = false;
    return;
  }
  ignore_first_button_up_ = false;
  CRect client;
  GetClientRect(&client);
  EndSelection(client.PtInRect(point) != FALSE);
}

void CXColorPopupXP::OnKillFocus(CWnd* next) {
  CWnd::OnKillFocus(next);
  if (!colour_dialog_open_) PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

void CXColorPopupXP::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  CWnd::OnActivate(state, other, minimized);
  if (state == WA_INACTIVE && !colour_dialog_open_) PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

bool CXColorPopupXP::ChooseCustomColour() {
  std::array<COLORREF, kCustomColourCount> custom{};
  std::copy_n(colours_.begin() + kFirstCustomColourEntry, kCustomColourCount, custom.begin());
  CHOOSECOLORW request{sizeof(CHOOSECOLORW),
                       m_hWnd,
                       nullptr,
                       initial_colour_,
                       custom.data(),
                       CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT,
                       0,
                       nullptr,
                       nullptr};
  colour_dialog_open_ = true;
  const BOOL chosen = ChooseColorW(&request);
  colour_dialog_open_ = false;
  if (!chosen) return false;
  current_colour_ = request.rgbResult;
  std::copy(custom.begin(), custom.end(), colours_.begin() + kFirstCustomColourEntry);
  Invalidate(FALSE);
  return true;
}

void CXColorPopupXP::EndSelection(bool confirm) {
  ReleaseCapture();
  if (!confirm) current_colour_ = initial_colour_;
  if (confirm && hot_.row == kSeparatorRow) {
    ::SetCapture(m_hWnd);
    return;
  }
  if (confirm && hot_.row == kCustomButtonRow) {
    // The colour the dialog answered with is the choice; after Cancel the pop-up stays open.
    if (!ChooseCustomColour()) {
      ::SetCapture(m_hWnd);
      SetFocus();
      return;
    }
    const auto found = std::find(colours_.begin(), colours_.end(), current_colour_);
    const int index = static_cast<int>(found - colours_.begin());
    hot_ = found == colours_.end() ? Cell{} : Cell{index / kColourTableColumns, index % kColourTableColumns};
  }
  chosen_ = hot_;
  if (::IsWindow(picker_)) {
    std::copy_n(colours_.begin() + kFirstCustomColourEntry, kCustomColourCount, picker_custom_colours_);
    const LPARAM cell = MAKELPARAM(static_cast<WORD>(chosen_.row), static_cast<WORD>(chosen_.column));
    ::SendMessageW(picker_, confirm ? kColourChoiceConfirmed : kColourChoiceCancelled, current_colour_, cell);
  }
  DestroyWindow();
}

void CXColorPopupXP::OnDestroy() {
  if (tooltip_ != nullptr) ::DestroyWindow(tooltip_);
  tooltip_ = nullptr;
  CWnd::OnDestroy();
  if (::IsWindow(picker_)) ::SetFocus(picker_);
}

void CXColorPopupXP::PostNcDestroy() {
  delete this;
}
