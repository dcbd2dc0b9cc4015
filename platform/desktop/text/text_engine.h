// The text engine: fonts resolved to the bundled faces, measured and rendered as GDI would.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/desktop/text/font_request.h"
#include "platform/desktop/text/text_mask.h"
#include "platform/win/gdi_types.h"

namespace desktop::text {

struct EngineState;

// A font realized by one engine, valid for that engine's lifetime.
class FontId {
 public:
  bool operator==(const FontId&) const = default;

 private:
  friend class TextEngine;
  friend struct EngineState;
  explicit FontId(std::uint32_t index) : index_(index) {}
  std::uint32_t index_;
};

// Every call may come from any thread: FreeType faces are shared, so one lock guards them all.
class TextEngine {
 public:
  TextEngine();
  ~TextEngine();
  TextEngine(const TextEngine&) = delete;
  TextEngine& operator=(const TextEngine&) = delete;

  // One engine for every desktop of the process: fonts are the host's read-only files, so a
  // shared cache changes nothing that a desktop could see.
  static TextEngine& shared();

  // The same request gives the same font; none when the bundled fonts are not installed.
  std::optional<FontId> realize(const FontRequest& request);

  TEXTMETRICW metrics(FontId font);
  // Each character's advance in whole pixels, hinted at the font's size and without kerning.
  std::vector<int> advances(FontId font, std::wstring_view text);
  // The text's advance width by the font's height, as GetTextExtentPoint32W reports it.
  SIZE extent(FontId font, std::wstring_view text);
  // One line of text; the characters at the underlined positions get the underline (mnemonics).
  TextMask render(FontId font, std::wstring_view text, std::span<const int> underlined = {});

 private:
  std::mutex mutex_;
  std::unique_ptr<EngineState> state_;
};

}  // namespace desktop::text
