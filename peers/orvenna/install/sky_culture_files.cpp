// skycultures\western with its star names, constellation names and artwork, and the other
// cultures with their names and artwork.
#include <cctype>
#include <string>

#include "peers/orvenna/install/constellation_table.h"
#include "peers/orvenna/install/figure_table.h"
#include "peers/orvenna/install/generated_pictures.h"
#include "peers/orvenna/install/install_steps.h"
#include "peers/orvenna/install/sky_culture_table.h"
#include "peers/orvenna/install/star_name_table.h"
#include "platform/desktop/utf8.h"

namespace orvenna {

namespace {

// The Argo's three parts share the old ship's picture, Serpens is drawn with its bearer, and
// the clock's picture keeps its traditional misspelling.
struct ArtOverride {
  std::string_view latin;
  std::string_view picture;  // empty: no picture of its own
};
constexpr ArtOverride kArtOverrides[] = {
    {"Carina", ""}, {"Puppis", ""}, {"Vela", ""}, {"Serpens", ""}, {"Horologium", "horlogium"},
};
constexpr std::string_view kArgoNavisPicture = "argonavis";

std::string lower_cased(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// A name as its picture file is named: lower case, blanks as "-", no quotes or parentheses.
std::string picture_title(std::string_view name) {
  std::string title;
  for (char c : lower_cased(name)) {
    if (c == '\'' || c == '(' || c == ')') continue;
    title += c == ' ' ? '-' : c;
  }
  return title;
}

// The name a reader of constellation_names.eng.fab sees: without a leading "the ", with
// blanks for dashes.
std::string shown_name(std::string_view english) {
  if (lower_cased(english.substr(0, 4)) == "the ") english.remove_prefix(4);
  std::string name(english);
  for (char& c : name)
    if (c == '-') c = ' ';
  return name;
}

std::string western_picture_of(std::string_view latin) {
  for (const ArtOverride& art : kArtOverrides)
    if (art.latin == latin) return std::string(art.picture);
  return picture_title(latin);
}

// One figure a line: its abbreviation, how many lines it has, then their stars in pairs.
std::string figure_lines() {
  std::string text;
  for (const FigureEntry& figure : western_figures()) {
    text += std::string(figure.abbreviation) + " " + std::to_string(figure.lines.size() / 2);
    for (unsigned hip : figure.lines)
      text += " " + std::to_string(hip);
    text += "\n";
  }
  return text;
}

void write_picture(InstallWriter& writer, const std::wstring& folder, const std::string& title) {
  writer.picture(folder + desktop::from_utf8(title) + L".png", "figure:" + title,
                 [&] { return constellation_figure(title); });
}

void write_western(InstallWriter& writer, const std::wstring& folder) {
  std::string star_names = "# Star names of the western sky culture: Hipparcos number|name\n";
  for (const StarNameEntry& star : western_star_names())
    star_names += std::to_string(star.hip) + "|_(\"" + std::string(star.name) + "\")\n";
  writer.file(folder + L"star_names.fab", star_names);

  std::string names;
  for (const ConstellationEntry& constellation : western_constellations()) {
    names += std::string(constellation.abbreviation) + "\t\"" + std::string(constellation.latin) +
             "\"\t_(\"" + std::string(constellation.latin) + "\")\n";
    if (std::string picture = western_picture_of(constellation.latin); !picture.empty())
      write_picture(writer, folder, picture);
  }
  writer.file(folder + L"constellation_names.eng.fab", names);
  write_picture(writer, folder, std::string(kArgoNavisPicture));
  writer.file(folder + L"constellationship.fab", figure_lines());
  writer.file(folder + L"info.ini", "[info]\nname=Western\n");
}

void write_culture(InstallWriter& writer, const std::wstring& folder, const SkyCultureEntry& culture) {
  std::string names;
  for (const CultureConstellation& constellation : culture.constellations) {
    names += std::string(constellation.id) + "\t\"" + std::string(constellation.native) + "\"\t_(\"" +
             std::string(constellation.english) + "\")\n";
    write_picture(writer, folder, picture_title(shown_name(constellation.english)));
  }
  writer.file(folder + L"constellation_names.eng.fab", names);
  writer.file(folder + L"info.ini", "[info]\nname=" + std::string(culture.name) + "\n");
}

}  // namespace

void write_sky_cultures(InstallWriter& writer, const std::wstring& install_folder) {
  std::wstring cultures = install_folder + L"skycultures\\";
  write_western(writer, cultures + L"western\\");
  for (const SkyCultureEntry& culture : other_sky_cultures())
    write_culture(writer, cultures + desktop::from_utf8(culture.folder) + L"\\", culture);
}

}  // namespace orvenna
