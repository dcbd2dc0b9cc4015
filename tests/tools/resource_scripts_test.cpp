// Dialog templates in text and the C++ source the resource compiler writes.
#include <gtest/gtest.h>

#include "tools/resource_compiler/dialog_script.h"
#include "tools/resource_compiler/resource_source.h"

namespace {

using namespace resource_script;

TEST(DialogScriptTest, ADialogWithItsFontStylesAndControls) {
  auto parsed = parse_dialogs(
      "dialog 121 \"Box\" 1 2 186 95   # the message box\n"
      "  style WS_POPUP WS_CAPTION DS_MODALFRAME\n"
      "  exstyle WS_EX_TOPMOST\n"
      "  font \"MS Sans Serif\" 8\n"
      "  control Button IDOK \"&OK\" 50 60 50 14 BS_DEFPUSHBUTTON WS_TABSTOP\n"
      "  control Static IDC_STATIC \"Hidden\" 5 5 40 8 -WS_VISIBLE 0x100 exstyle WS_EX_CLIENTEDGE\n");
  ASSERT_TRUE(parsed) << parsed.error->line << ": " << parsed.error->reason;
  ASSERT_EQ(parsed.value.size(), 1u);
  const DialogDescription& dialog = parsed.value[0];
  EXPECT_EQ(dialog.id, 121);
  EXPECT_EQ(dialog.caption, L"Box");
  EXPECT_EQ(dialog.style, 0x80C00000u | 0x80u | 0x40u);  // DS_SETFONT comes with the font
  EXPECT_EQ(dialog.ex_style, 0x8u);
  EXPECT_EQ(dialog.font_name, L"MS Sans Serif");
  EXPECT_EQ(dialog.font_size, 8);
  ASSERT_EQ(dialog.controls.size(), 2u);
  EXPECT_EQ(dialog.controls[0].id, 1);
  EXPECT_EQ(dialog.controls[0].style, 0x50010001u);
  EXPECT_EQ(dialog.controls[1].id, -1);
  EXPECT_EQ(dialog.controls[1].style, 0x40000100u);
  EXPECT_EQ(dialog.controls[1].ex_style, 0x200u);
  EXPECT_EQ((std::vector<int>{dialog.x, dialog.y, dialog.cx, dialog.cy}), (std::vector<int>{1, 2, 186, 95}));
}

TEST(DialogScriptTest, TheCommonControlsStylesHaveTheirValues) {
  const std::pair<const char*, std::uint32_t> cases[] = {
      {"LVS_REPORT LVS_SINGLESEL LVS_SHOWSELALWAYS", 0x1u | 0x4u | 0x8u},
      {"LVS_NOSORTHEADER LVS_NOCOLUMNHEADER", 0x8000u | 0x4000u},
      {"UDS_SETBUDDYINT UDS_ALIGNRIGHT UDS_AUTOBUDDY UDS_ARROWKEYS", 0x2u | 0x4u | 0x10u | 0x20u},
      {"DTS_TIMEFORMAT DTS_UPDOWN", 0x9u},
      {"MCS_NOTODAY", 0x10u},
      {"MCS_NOTRAILINGDATES MCS_SHORTDAYSOFWEEK MCS_NOSELCHANGEONNAV", 0x40u | 0x80u | 0x100u},
      {"PBS_SMOOTHREVERSE", 0x10u},
  };
  for (const auto& [styles, value] : cases) {
    const std::string script =
        std::string("dialog 1 \"a\" 0 0 10 10\n  control SysListView32 5 \"\" 0 0 9 9 ") + styles +
        " -WS_VISIBLE\n";
    auto parsed = parse_dialogs(script);
    ASSERT_TRUE(parsed) << styles;
    ASSERT_EQ(parsed.value[0].controls.size(), 1u);
    EXPECT_EQ(parsed.value[0].controls[0].style, 0x40000000u | value) << styles;
  }
}

TEST(DialogScriptTest, RefusedLinesNameTheirLine) {
  const std::pair<const char*, int> cases[] = {
      {"  control Button 1 \"x\" 0 0 1 1\n", 1},
      {"dialog 1 \"a\" 0 0 1 1\n  style WS_NOSUCH\n", 2},
      {"dialog 1 \"a\" 0 0 1 1\n  control Button 70000 \"x\" 0 0 1 1\n", 2},
      {"dialog 1 \"a\" 0 0 1 1\n  control Button 1 \"x\" 0 0 1\n", 2},
      {"dialog 1 \"a\" 0 0 1 1\ndialog 1 \"b\" 0 0 1 1\n", 2},
      {"dialog 1 a 0 0 1 1\n", 1},
      {"dialog 1 \"a\" 0 0 1 1\n  font Arial 8\n", 2},
      {"dialog 1 \"a\" 0 0 1 1\n  menu 5\n", 2},
  };
  for (auto [source, line] : cases) {
    auto parsed = parse_dialogs(source);
    ASSERT_FALSE(parsed) << source;
    EXPECT_EQ(parsed.error->line, line) << source << " -> " << parsed.error->reason;
  }
}

TEST(ResourceSourceTest, TextsBecomeWideLiteralsWhateverTheyHold) {
  EXPECT_EQ(wide_literal(L"A \"b\" \\ c"), "L\"A \\\"b\\\" \\\\ c\"");
  EXPECT_EQ(wide_literal(L"\n\t1"), "L\"\\012\\0111\"");
  EXPECT_EQ(wide_literal(L"地►"), "L\"\\U00005730\\U000025BA\"");
}

TEST(ResourceSourceTest, TheTableListsEveryKindAndLeavesEmptyKindsNull) {
  std::string source = resource_source("sample_resources", {{3000, L"EARTH", 1}}, {}, {});
  EXPECT_NE(source.find("{3000, L\"EARTH\"}"), std::string::npos);
  EXPECT_NE(source.find("table{kStrings, 1, nullptr, 0, nullptr, 0}"), std::string::npos) << source;
  EXPECT_NE(source.find("const ResourceTable& sample_resources()"), std::string::npos);
}

}  // namespace
