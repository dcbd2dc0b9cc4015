// The colour dialog's controls in dialog units: the compact part on the left, the full part on
// the right.
#include "platform/win/colour_dialog_internal.h"
#include "platform/win/controls_api.h"
#include "platform/win/win_styles.h"

namespace colour_dialog {
namespace {

constexpr int kColumns = 8;
constexpr short kCellWidth = 18;
constexpr short kCellHeight = 14;
constexpr DWORD kCellStyle = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kEditStyle = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER;
constexpr DWORD kClickable = WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY;

struct Field {
  int label_id;
  LPCWSTR label;
  int edit_id;
  short x;
  short y;
};

constexpr Field kFields[] = {
    {kHueLabel, L"Hu&e:", COLOR_HUE, 200, 82},       {kSatLabel, L"&Sat:", COLOR_SAT, 200, 96},
    {kLumLabel, L"&Lum:", COLOR_LUM, 200, 110},      {kRedLabel, L"&Red:", COLOR_RED, 250, 82},
    {kGreenLabel, L"&Green:", COLOR_GREEN, 250, 96}, {kBlueLabel, L"Bl&ue:", COLOR_BLUE, 250, 110},
};

void add_cells(std::vector<DialogItemTemplate>& items, int first_id, int count, short top) {
  for (int i = 0; i < count; ++i) {
    const short x = static_cast<short>(4 + kCellWidth * (i % kColumns));
    const short y = static_cast<short>(top + kCellHeight * (i / kColumns));
    items.push_back({L"Button", first_id + i, L"", x, y, kCellWidth, kCellHeight,
                     kCellStyle | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), 0});
  }
}

std::vector<DialogItemTemplate> build() {
  std::vector<DialogItemTemplate> items;
  items.push_back({L"Static", -1, L"&Basic colors:", 4, 4, 144, 9, WS_VISIBLE, 0});
  add_cells(items, kColourBasicFirstId, kColourBasicCount, 14);
  items.push_back({L"Static", -1, L"&Custom colors:", 4, 102, 144, 9, WS_VISIBLE | WS_GROUP, 0});
  add_cells(items, kColourCustomFirstId, kColourCustomCount, 112);
  items.push_back({L"Button", COLOR_MIX, L"&Define Custom Colors >>", 4, 146, 144, 14,
                   WS_VISIBLE | WS_GROUP | WS_TABSTOP, 0});
  items.push_back(
      {L"Button", IDOK, L"OK", 4, 166, 46, 14, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0});
  items.push_back({L"Button", IDCANCEL, L"Cancel", 54, 166, 46, 14, WS_VISIBLE | WS_TABSTOP, 0});
  items.push_back({L"Static", COLOR_RAINBOW, L"", 156, 4, 120, 72, kClickable, 0});
  items.push_back({L"Static", COLOR_LUMSCROLL, L"", 282, 4, 12, 72, kClickable, 0});
  items.push_back({L"Static", COLOR_CURRENT, L"", 156, 82, 40, 40, WS_VISIBLE | SS_OWNERDRAW, 0});
  for (const Field& field : kFields) {
    items.push_back({L"Static", field.label_id, field.label, field.x, static_cast<short>(field.y + 2), 24, 9,
                     WS_VISIBLE, 0});
    items.push_back({L"Edit", field.edit_id, L"", static_cast<short>(field.x + 24), field.y, 22, 12,
                     kEditStyle | (field.edit_id == COLOR_HUE ? WS_GROUP : 0), 0});
  }
  items.push_back({L"Button", COLOR_ADD, L"&Add to Custom Colors", 156, 146, 138, 14,
                   WS_VISIBLE | WS_GROUP | WS_TABSTOP, 0});
  return items;
}

}  // namespace

const std::vector<DialogItemTemplate>& items() {
  static const std::vector<DialogItemTemplate> kItems = build();
  return kItems;
}

}  // namespace colour_dialog
