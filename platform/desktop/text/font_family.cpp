#include "platform/desktop/text/font_family.h"

#include <algorithm>
#include <cwctype>

namespace desktop::text {
namespace {

// In the order of FontFamily: DejaVu (fonts-dejavu-core) covers Latin and Turkish, WenQuanYi Micro
// Hei (fonts-wqy-microhei) Chinese.
constexpr FamilyTraits kFamilies[] = {
    {"DejaVu Sans", FF_SWISS, ANSI_CHARSET},
    {"WenQuanYi Micro Hei", FF_SWISS, GB2312_CHARSET},
};

struct FaceName {
  std::wstring_view name;
  FontFamily family;
};

// The faces the console's dialogs and controls name, and the usual Chinese ones.
constexpr FaceName kFaceNames[] = {
    {L"Arial", FontFamily::Sans},
    {L"DejaVu Sans", FontFamily::Sans},
    {L"Microsoft Sans Serif", FontFamily::Sans},
    {L"MS Sans Serif", FontFamily::Sans},
    {L"MS Shell Dlg", FontFamily::Sans},
    {L"MS Shell Dlg 2", FontFamily::Sans},
    {L"Segoe UI", FontFamily::Sans},
    {L"System", FontFamily::Sans},
    {L"Tahoma", FontFamily::Sans},
    {L"Verdana", FontFamily::Sans},
    {L"Microsoft JhengHei", FontFamily::Cjk},
    {L"Microsoft YaHei", FontFamily::Cjk},
    {L"MingLiU", FontFamily::Cjk},
    {L"NSimSun", FontFamily::Cjk},
    {L"PMingLiU", FontFamily::Cjk},
    {L"SimHei", FontFamily::Cjk},
    {L"SimSun", FontFamily::Cjk},
    {L"WenQuanYi Micro Hei", FontFamily::Cjk},
    {L"\u5b8b\u4f53", FontFamily::Cjk},              // SimSun
    {L"\u5fae\u8f6f\u96c5\u9ed1", FontFamily::Cjk},  // Microsoft YaHei
    {L"\u9ed1\u4f53", FontFamily::Cjk},              // SimHei
};

constexpr BYTE kCjkCharsets[] = {SHIFTJIS_CHARSET, HANGUL_CHARSET, JOHAB_CHARSET, GB2312_CHARSET,
                                 CHINESEBIG5_CHARSET};

bool same_face(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

}  // namespace

const FamilyTraits& family_traits(FontFamily family) {
  return kFamilies[static_cast<std::size_t>(family)];
}

bool is_cjk_charset(BYTE charset) {
  return std::ranges::find(kCjkCharsets, charset) != std::end(kCjkCharsets);
}

FontFamily family_for(std::wstring_view face, BYTE charset) {
  if (is_cjk_charset(charset)) return FontFamily::Cjk;
  for (const FaceName& known : kFaceNames)
    if (same_face(known.name, face)) return known.family;
  return FontFamily::Sans;
}

FontFamily fallback_family(FontFamily family) {
  return family == FontFamily::Sans ? FontFamily::Cjk : FontFamily::Sans;
}

}  // namespace desktop::text
