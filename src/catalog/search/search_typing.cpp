#include "src/catalog/search/search_typing.h"

namespace {

constexpr UINT FirstDigitKey = 11105;
constexpr UINT LastDigitKey = 11114;
constexpr UINT FirstLetterKey = 11117;
constexpr UINT LastLetterKey = 11142;
constexpr UINT BackspaceKey = 11143;
constexpr UINT ApostropheKey = 11144;
constexpr UINT SpaceKey = 567;
constexpr UINT BackspaceCode = 8;
constexpr UINT SpaceCode = 32;
constexpr UINT ApostropheCode = 39;
constexpr UINT GraveCode = 96;
constexpr UINT BracketCode = 219;

}  // namespace

std::optional<wchar_t> TypedCharacter(UINT keyCode) {
  const bool letter = keyCode >= 'A' && keyCode <= 'Z';
  const bool digit = keyCode >= '0' && keyCode <= '9';
  if (letter || digit || keyCode == SpaceCode) return static_cast<wchar_t>(keyCode);
  if (keyCode == ApostropheCode || keyCode == GraveCode || keyCode == BracketCode) return L'\'';
  return std::nullopt;
}

std::optional<UINT> OnScreenKeyCode(UINT controlId) {
  if (controlId >= FirstDigitKey && controlId <= LastDigitKey) return '0' + (controlId - FirstDigitKey);
  if (controlId >= FirstLetterKey && controlId <= LastLetterKey) return 'A' + (controlId - FirstLetterKey);
  if (controlId == BackspaceKey) return BackspaceCode;
  if (controlId == ApostropheKey) return ApostropheCode;
  if (controlId == SpaceKey) return SpaceCode;
  return std::nullopt;
}
