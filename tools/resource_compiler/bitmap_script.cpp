#include "tools/resource_compiler/bitmap_script.h"

#include <algorithm>
#include <set>
#include <utility>

#include "tools/resource_compiler/script_lines.h"

namespace resource_script {
namespace {

constexpr int kLargestSide = 4096;

struct ShapeSyntax {
  std::string_view name;
  Shape::Kind kind;
  int numbers;  // before the colour
};

constexpr ShapeSyntax kShapes[] = {
    {"fill", Shape::Kind::Fill, 0},         {"rect", Shape::Kind::Rect, 4},
    {"frame", Shape::Kind::Frame, 4},       {"ellipse", Shape::Kind::Ellipse, 4},
    {"triangle", Shape::Kind::Triangle, 6}, {"line", Shape::Kind::Line, 4},
};

constexpr std::pair<std::string_view, PictureKind> kKinds[] = {
    {"bitmap", PictureKind::Bitmap}, {"icon", PictureKind::Icon}, {"cursor", PictureKind::Cursor}};

std::optional<std::uint32_t> read_colour(std::string_view word) {
  if (word.size() != 7 || word[0] != '#') return std::nullopt;
  auto value = read_number("0x" + std::string(word.substr(1)));
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

std::optional<PictureDescription> read_header(const std::vector<std::string>& words, int line,
                                              std::string& reason) {
  for (auto [name, kind] : kKinds) {
    if (words[0] != name) continue;
    auto id = words.size() == 4 ? read_decimal(words[1]) : std::nullopt;
    auto width = words.size() == 4 ? read_decimal(words[2]) : std::nullopt;
    auto height = words.size() == 4 ? read_decimal(words[3]) : std::nullopt;
    if (!id || *id < 1 || *id > 65535 || !width || !height || *width < 1 || *height < 1 ||
        *width > kLargestSide || *height > kLargestSide) {
      reason = "expected: " + std::string(name) + " <id 1..65535> <width> <height> (1 to 4096 pixels)";
      return std::nullopt;
    }
    return PictureDescription{
        kind, static_cast<int>(*id), static_cast<int>(*width), static_cast<int>(*height), {}, line};
  }
  return std::nullopt;
}

std::optional<Shape> read_glyph(const std::vector<std::string>& words, std::string& reason) {
  auto colour = words.size() >= 4 ? read_colour(words[2]) : std::nullopt;
  auto height = words.size() >= 4 ? read_decimal(words[3]) : std::nullopt;
  const bool bold = words.size() == 5 && words[4] == "bold";
  if (words.size() < 4 || words.size() > 5 || words[1].front() != '"' || !colour || !height || *height < 1 ||
      *height > kLargestSide || (words.size() == 5 && !bold)) {
    reason = "expected: glyph \"<text>\" #RRGGBB <height> [bold]";
    return std::nullopt;
  }
  std::size_t at = 0;
  Shape glyph{
      Shape::Kind::Glyph, {static_cast<int>(*height)}, *colour, *read_quoted(words[1], at, reason), bold};
  return glyph;
}

std::optional<Shape> read_polygon(const std::vector<std::string>& words, std::string& reason) {
  auto colour = read_colour(words.back());
  const std::size_t numbers = words.size() - 2;
  bool valid = colour && numbers >= 6 && numbers % 2 == 0;
  Shape polygon{Shape::Kind::Polygon, {}, colour.value_or(0), L"", false};
  for (std::size_t i = 1; valid && i <= numbers; ++i) {
    auto number = read_decimal(words[i]);
    valid = number && *number >= -kLargestSide && *number <= kLargestSide;
    if (valid) polygon.numbers.push_back(static_cast<int>(*number));
  }
  if (!valid) {
    reason = "expected: polygon with three or more points x y and a colour #RRGGBB";
    return std::nullopt;
  }
  return polygon;
}

std::optional<Shape> read_shape(const std::vector<std::string>& words, std::string& reason) {
  if (words[0] == "glyph") return read_glyph(words, reason);
  if (words[0] == "polygon") return read_polygon(words, reason);
  for (const ShapeSyntax& syntax : kShapes) {
    if (words[0] != syntax.name) continue;
    const std::size_t with_colour = static_cast<std::size_t>(syntax.numbers) + 2;
    const bool thickness = syntax.kind == Shape::Kind::Frame && words.size() == with_colour + 1;
    Shape shape{syntax.kind, {}, 0, L"", false};
    auto colour = words.size() >= with_colour ? read_colour(words[with_colour - 1]) : std::nullopt;
    bool valid = colour && (words.size() == with_colour || thickness);
    for (int i = 1; valid && i <= syntax.numbers; ++i) {
      auto number = read_decimal(words[static_cast<std::size_t>(i)]);
      valid = number && *number >= -kLargestSide && *number <= kLargestSide;
      if (valid) shape.numbers.push_back(static_cast<int>(*number));
    }
    if (valid && thickness) {
      auto number = read_decimal(words.back());
      valid = number && *number >= 1 && *number <= kLargestSide;
      if (valid) shape.numbers.push_back(static_cast<int>(*number));
    }
    if (!valid) {
      reason = "expected: " + std::string(syntax.name) + " with " + std::to_string(syntax.numbers) +
               " numbers and a colour #RRGGBB" + (syntax.kind == Shape::Kind::Frame ? " [thickness]" : "");
      return std::nullopt;
    }
    shape.colour = *colour;
    return shape;
  }
  reason = "unknown shape \"" + words[0] + "\" (fill rect frame ellipse triangle line polygon glyph)";
  return std::nullopt;
}

}  // namespace

Parsed<std::vector<PictureDescription>> parse_pictures(std::string_view source) {
  using Result = std::vector<PictureDescription>;
  if (!valid_utf8(source)) return refuse<Result>(0, "the file is not UTF-8");
  std::vector<std::string> lines = split_lines(source);
  Result pictures;
  std::set<std::pair<PictureKind, int>> ids;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (is_blank_or_comment(lines[i])) continue;
    std::string reason;
    auto words = split_words(lines[i], reason);
    if (!words) return refuse<Result>(number, reason);
    if (lines[i][0] != ' ') {
      auto picture = read_header(*words, number, reason);
      if (!picture)
        return refuse<Result>(number, reason.empty() ? "expected a bitmap, icon or cursor line" : reason);
      if (!ids.insert({picture->kind, picture->id}).second)
        return refuse<Result>(number, (*words)[0] + " " + std::to_string(picture->id) + " is already given");
      pictures.push_back(std::move(*picture));
      continue;
    }
    if (pictures.empty()) return refuse<Result>(number, "a shape before any bitmap, icon or cursor line");
    auto shape = read_shape(*words, reason);
    if (!shape) return refuse<Result>(number, reason);
    pictures.back().shapes.push_back(std::move(*shape));
  }
  return {std::move(pictures), std::nullopt};
}

}  // namespace resource_script
