#include "platform/desktop/text/text_engine.h"

#include "platform/desktop/text/engine_state.h"
#include "platform/desktop/text/font_family.h"
#include "platform/desktop/text/font_files.h"
#include "platform/desktop/text/font_metrics.h"

namespace desktop::text {
namespace {

struct ChosenFile {
  FontFile file;
  bool simulated_bold = false;
};

std::optional<ChosenFile> choose_file(FontFamily family, bool bold) {
  if (bold)
    if (std::optional<FontFile> file = font_file(family, true)) return ChosenFile{*file, false};
  if (std::optional<FontFile> file = font_file(family, false)) return ChosenFile{*file, bold};
  return std::nullopt;
}

}  // namespace

EngineState::EngineState() {
  FT_Init_FreeType(&library);
}

EngineState::~EngineState() {
  // Closing the library closes every face and every size made from it.
  if (library != nullptr) FT_Done_FreeType(library);
}

FT_Face EngineState::open(const FontFile& file) {
  auto key = std::make_pair(file.path, file.index);
  if (auto known = faces.find(key); known != faces.end()) return known->second;
  FT_Face face = nullptr;
  if (library == nullptr || FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) return nullptr;
  faces.emplace(key, face);
  return face;
}

TextEngine::TextEngine() : state_(std::make_unique<EngineState>()) {}

TextEngine::~TextEngine() = default;

TextEngine& TextEngine::shared() {
  static TextEngine engine;
  return engine;
}

std::optional<FontId> TextEngine::realize(const FontRequest& request) {
  std::lock_guard lock(mutex_);
  if (auto known = state_->by_request.find(request); known != state_->by_request.end())
    return EngineState::id_of(known->second);

  const FontFamily family = family_for(request.face, request.charset);
  const bool bold = request.weight >= FW_SEMIBOLD;
  std::optional<ChosenFile> primary = choose_file(family, bold);
  if (!primary) return std::nullopt;
  FT_Face primary_face = state_->open(primary->file);
  if (primary_face == nullptr) return std::nullopt;
  std::optional<FaceTables> tables = face_tables(primary_face);
  if (!tables) return std::nullopt;

  auto font = std::make_unique<RealizedFont>();
  font->request = request;
  font->mono = request.quality == NONANTIALIASED_QUALITY;
  font->oblique = request.italic;
  font->load_flags = FT_LOAD_NO_BITMAP | (font->mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
  const FontScale scale = font_scale(*tables, request);
  font->metrics = text_metrics(*tables, scale, request, family, primary->simulated_bold);
  font->underline = underline_stroke(*tables, scale);
  font->strike_out = strike_out_stroke(*tables, scale);

  auto add_part = [&](FT_Face face, bool embolden) {
    FontPart part{face, nullptr, embolden};
    if (FT_New_Size(face, &part.size) != 0) return false;
    FT_Activate_Size(part.size);
    if (FT_Set_Char_Size(face, scale.x_size, scale.y_size, 72, 72) != 0) return false;
    font->parts.push_back(part);
    return true;
  };
  if (!add_part(primary_face, primary->simulated_bold)) return std::nullopt;
  // Without the other family, characters the first lacks show its missing-glyph box.
  if (std::optional<ChosenFile> fallback = choose_file(fallback_family(family), bold))
    if (FT_Face fallback_face = state_->open(fallback->file))
      add_part(fallback_face, fallback->simulated_bold);

  auto index = static_cast<std::uint32_t>(state_->fonts.size());
  state_->fonts.push_back(std::move(font));
  state_->by_request.emplace(request, index);
  return EngineState::id_of(index);
}

TEXTMETRICW TextEngine::metrics(FontId font) {
  std::lock_guard lock(mutex_);
  return state_->fonts[EngineState::index_of(font)]->metrics;
}

}  // namespace desktop::text
