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

int ReaderProbe::add_control() {
  std::lock_guard lock(mutex_);
  controls_.emplace_back();
  return static_cast<int>(controls_.size()) - 1;
}

void ReaderProbe::update(int control, const ReaderView& view) {
  std::lock_guard lock(mutex_);
  controls_.at(static_cast<std::size_t>(control)) = view;
}

std::vector<ReaderView> ReaderProbe::controls() const {
  std::lock_guard lock(mutex_);
  return controls_;
}

void ReaderProbe::log(std::string line) {
  std::lock_guard lock(mutex_);
  log_.push_back(std::move(line));
}

std::vector<std::string> ReaderProbe::log_lines() const {
  std::lock_guard lock(mutex_);
  return log_;
}

std::string ReaderProbe::dump_json() const {
  std::lock_guard lock(mutex_);
  std::string out = "{\"controls\": [";
  for (std::size_t i = 0; i < controls_.size(); ++i)
    out += (i > 0 ? ", " : "") + json_view(controls_[i]);
  out += "], \"log\": [";
  for (std::size_t i = 0; i < log_.size(); ++i)
    out += (i > 0 ? ", " : "") + desktop::json_text(log_[i]);
  return out + "]}";
}

}  // namespace pdf_reader
