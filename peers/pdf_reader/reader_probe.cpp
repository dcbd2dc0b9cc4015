#include "peers/pdf_reader/reader_probe.h"

#include <cstdint>
#include <cstdio>

#include "platform/desktop/json_text.h"
#include "platform/desktop/utf8.h"

namespace pdf_reader {
namespace {

std::string json_view(const ReaderView& view) {
  char window[24];
  std::snprintf(window, sizeof window, "0x%llx",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(view.window)));
  return "{\"window\": " + desktop::json_text(window) +
         ", \"file\": " + desktop::json_text(desktop::to_utf8(view.file)) +
         ", \"loaded\": " + (view.loaded ? "true" : "false") +
         ", \"message\": " + desktop::json_text(desktop::to_utf8(view.message)) +
         ", \"page\": " + std::to_string(view.page + 1) + ", \"pages\": " + std::to_string(view.pages) +
         ", \"width\": " + std::to_string(view.width) + ", \"height\": " + std::to_string(view.height) +
         ", \"renders\": " + std::to_string(view.renders) +
         ", \"released\": " + (view.released ? "true" : "false") + "}";
}

}  // namespace

std::string ReaderProbe::dump_json() const {
  return "{" + controls_and_log_json(json_view) + "}";
}

}  // namespace pdf_reader
