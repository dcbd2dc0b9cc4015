#include "platform/desktop/text/font_files.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <cstdlib>
#include <mutex>
#include <tuple>

namespace desktop::text {
namespace {

struct FamilyFiles {
  std::optional<FontFile> regular;
  std::optional<FontFile> bold;
};

struct Candidate {
  FontFile file;
  int weight_distance = 0;

  // Nearest weight first; then by file, so that several copies of a face choose the same way.
  bool operator<(const Candidate& other) const {
    return std::tie(weight_distance, file.path, file.index) <
           std::tie(other.weight_distance, other.file.path, other.file.index);
  }
};

// Only the family's own upright, normal-width faces count: its condensed, light or oblique
// relatives (other packages install them) would change every measurement.
FamilyFiles find_family(FcConfig* config, const char* family) {
  FamilyFiles found;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, FC_WIDTH, nullptr);
  FcFontSet* fonts = FcFontList(config, pattern, objects);
  std::optional<Candidate> regular;
  std::optional<Candidate> bold;
  for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
    FcPattern* font = fonts->fonts[i];
    FcChar8* file = nullptr;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    int width = FC_WIDTH_NORMAL;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    FcPatternGetInteger(font, FC_WIDTH, 0, &width);
    if (slant != FC_SLANT_ROMAN || width != FC_WIDTH_NORMAL) continue;
    bool is_bold = weight >= FC_WEIGHT_DEMIBOLD;
    Candidate candidate{{reinterpret_cast<const char*>(file), index},
                        std::abs(weight - (is_bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR))};
    std::optional<Candidate>& best = is_bold ? bold : regular;
    if (!best || candidate < *best) best = candidate;
  }
  if (regular) found.regular = regular->file;
  if (bold) found.bold = bold->file;
  if (fonts != nullptr) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return found;
}

constexpr FontFamily kAllFamilies[] = {FontFamily::Sans, FontFamily::Cjk};

const std::array<FamilyFiles, std::size(kAllFamilies)>& installed() {
  static std::once_flag once;
  static std::array<FamilyFiles, std::size(kAllFamilies)> files;
  std::call_once(once, [] {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return;
    for (FontFamily family : kAllFamilies)
      files[static_cast<std::size_t>(family)] = find_family(config, family_traits(family).fontconfig_name);
    FcConfigDestroy(config);
  });
  return files;
}

}  // namespace

std::optional<FontFile> font_file(FontFamily family, bool bold) {
  const FamilyFiles& files = installed()[static_cast<std::size_t>(family)];
  return bold ? files.bold : files.regular;
}

}  // namespace desktop::text
