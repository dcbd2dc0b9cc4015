// The resource compiler: reads the resource scripts and writes the C++ source of their table.
//   resource_compiler --name console_resources --out FILE [--strings FILE] [--dialogs FILE]
//                     [--pictures FILE]
// A script it refuses is reported as FILE:LINE: reason, and nothing is written.
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "platform/desktop/desktop.h"
#include "tools/resource_compiler/resource_source.h"

namespace {

std::optional<std::string> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

template <typename T>
bool report(const std::string& path, const resource_script::Parsed<T>& parsed) {
  if (parsed) return true;
  std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), parsed.error->line, parsed.error->reason.c_str());
  return false;
}

// Parses the script at options[key], if given; false after reporting a failure.
template <typename T, typename Parse>
bool load(const std::map<std::string, std::string>& options, const std::string& key, Parse parse, T& out) {
  auto found = options.find(key);
  if (found == options.end()) return true;
  auto text = read_file(found->second);
  if (!text) {
    std::fprintf(stderr, "%s: cannot read the file\n", found->second.c_str());
    return false;
  }
  auto parsed = parse(*text);
  if (!report(found->second, parsed)) return false;
  out = std::move(parsed.value);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i + 1 < argc; i += 2)
    options[argv[i]] = argv[i + 1];
  if (argc % 2 == 0 || !options.count("--name") || !options.count("--out")) {
    std::fprintf(stderr,
                 "usage: %s --name FUNCTION --out FILE [--strings FILE] [--dialogs FILE] [--pictures FILE]\n",
                 argv[0]);
    return 2;
  }
  std::vector<resource_script::StringEntry> strings;
  std::vector<resource_script::DialogDescription> dialogs;
  std::vector<resource_script::PictureDescription> pictures;
  if (!load(options, "--strings", resource_script::parse_string_table, strings) ||
      !load(options, "--dialogs", resource_script::parse_dialogs, dialogs) ||
      !load(options, "--pictures", resource_script::parse_pictures, pictures))
    return 1;

  // Glyphs are drawn with the desktop's own text engine.
  desktop::Desktop machine;
  machine.attach(L"resource_compiler.exe");
  std::vector<resource_script::DrawnPicture> drawn;
  for (const auto& picture : pictures)
    drawn.push_back({&picture, resource_script::draw_picture(picture)});
  machine.detach();

  std::string source = resource_script::resource_source(options["--name"], strings, dialogs, drawn);
  std::ofstream out(options["--out"], std::ios::binary);
  out << source;
  if (!out) {
    std::fprintf(stderr, "%s: cannot write the file\n", options["--out"].c_str());
    return 1;
  }
  return 0;
}
