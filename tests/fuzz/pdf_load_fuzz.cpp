// Feeds arbitrary bytes to the PDF reader's load. Whatever it gets, it must answer with a
// document of at least one page or a reason, and a page it draws must keep to the size asked for.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "peers/pdf_reader/pdf_document.h"

namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 64;

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pdf_reader::PdfLoad load = pdf_reader::PdfDocument::load(std::vector<char>(data, data + size));
  if (!load.document) {
    require(!load.failure.empty());
    return 0;
  }
  require(load.document->page_count() > 0);
  std::vector<std::string> log;
  const pdf_reader::PageImage page = load.document->render(0, kWidth, kHeight, log);
  require(page.width <= kWidth && page.height <= kHeight);
  require(page.pixels.size() == static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.height));
  return 0;
}
