#include "tools/resource_compiler/resource_source.h"

#include <cstdio>
#include <sstream>

namespace resource_script {
namespace {

constexpr const char* kKindNames[] = {"ImageKind::Bitmap", "ImageKind::Icon", "ImageKind::Cursor"};

std::string hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%X", value);
  return text;
}

void write_strings(std::ostringstream& out, const std::vector<StringEntry>& strings) {
  if (strings.empty()) return;
  out << "constexpr StringResource kStrings[] = {\n";
  for (const StringEntry& entry : strings)
    out << "    {" << entry.id << ", " << wide_literal(entry.text) << "},\n";
  out << "};\n\n";
}

void write_dialogs(std::ostringstream& out, const std::vector<DialogDescription>& dialogs) {
  for (const DialogDescription& dialog : dialogs) {
    if (dialog.controls.empty()) continue;
    out << "constexpr DialogItemTemplate kItems" << dialog.id << "[] = {\n";
    for (const ControlDescription& c : dialog.controls)
      out << "    {" << wide_literal(c.class_name) << ", " << c.id << ", " << wide_literal(c.text) << ", "
          << c.x << ", " << c.y << ", " << c.cx << ", " << c.cy << ", " << hex(c.style) << ", "
          << hex(c.ex_style) << "},\n";
    out << "};\n\n";
  }
  if (dialogs.empty()) return;
  out << "constexpr DialogResource kDialogs[] = {\n";
  for (const DialogDescription& d : dialogs) {
    out << "    {" << d.id << ", {" << hex(d.style) << ", " << hex(d.ex_style) << ", " << d.x << ", " << d.y
        << ", " << d.cx << ", " << d.cy << ", " << wide_literal(d.caption) << ", "
        << (d.font_name.empty() ? std::string("nullptr") : wide_literal(d.font_name)) << ", " << d.font_size
        << ", ";
    if (d.controls.empty())
      out << "nullptr, 0}},\n";
    else
      out << "kItems" << d.id << ", " << d.controls.size() << "}},\n";
  }
  out << "};\n\n";
}

// Runs of equal pixels: count, colour.
std::vector<std::uint32_t> runs_of(const std::vector<std::uint32_t>& pixels) {
  std::vector<std::uint32_t> runs;
  for (std::size_t i = 0; i < pixels.size();) {
    std::size_t j = i;
    while (j < pixels.size() && pixels[j] == pixels[i])
      ++j;
    runs.push_back(static_cast<std::uint32_t>(j - i));
    runs.push_back(pixels[i]);
    i = j;
  }
  return runs;
}

void write_pictures(std::ostringstream& out, const std::vector<DrawnPicture>& pictures) {
  if (pictures.empty()) return;
  std::vector<std::size_t> sizes;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    std::vector<std::uint32_t> runs = runs_of(pictures[i].pixels);
    sizes.push_back(runs.size());
    out << "constexpr std::uint32_t kRuns" << i << "[] = {";
    for (std::size_t r = 0; r < runs.size(); ++r)
      out << (r % 12 == 0 ? "\n    " : " ") << hex(runs[r]) << ",";
    out << "\n};\n\n";
  }
  out << "constexpr BitmapResource kBitmaps[] = {\n";
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const PictureDescription& p = *pictures[i].description;
    out << "    {" << kKindNames[static_cast<int>(p.kind)] << ", " << p.id << ", " << p.width << ", "
        << p.height << ", kRuns" << i << ", " << sizes[i] << "},\n";
  }
  out << "};\n\n";
}

}  // namespace

std::string wide_literal(const std::wstring& text) {
  std::string out = "L\"";
  for (wchar_t c : text) {
    if (c == L'"' || c == L'\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char escaped[16];
      std::snprintf(escaped, sizeof(escaped), "\\U%08X", static_cast<unsigned>(c));
      // Control characters may not be universal names: octal escapes take them.
      if (c < 0xA0) std::snprintf(escaped, sizeof(escaped), "\\%03o", static_cast<unsigned>(c));
      out += escaped;
    }
  }
  return out + "\"";
}

std::string resource_source(const std::string& function_name, const std::vector<StringEntry>& strings,
                            const std::vector<DialogDescription>& dialogs,
                            const std::vector<DrawnPicture>& pictures) {
  std::ostringstream out;
  out << "// Generated from the resource scripts in res/; change those, not this file.\n"
      << "#include <cstdint>\n\n#include \"platform/win/resource_api.h\"\n\nnamespace {\n\n";
  write_strings(out, strings);
  write_dialogs(out, dialogs);
  write_pictures(out, pictures);
  out << "}  // namespace\n\nconst ResourceTable& " << function_name
      << "() {\n  static constexpr ResourceTable table{"
      << (strings.empty() ? "nullptr, 0" : "kStrings, " + std::to_string(strings.size())) << ", "
      << (dialogs.empty() ? "nullptr, 0" : "kDialogs, " + std::to_string(dialogs.size())) << ", "
      << (pictures.empty() ? "nullptr, 0" : "kBitmaps, " + std::to_string(pictures.size()))
      << "};\n  return table;\n}\n";
  return out.str();
}

}  // namespace resource_script
