#include "peers/pdf_reader/pdf_document.h"

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-image.h>
#include <poppler/cpp/poppler-page-renderer.h>
#include <poppler/cpp/poppler-page.h>

#include <algorithm>
#include <cstring>

namespace pdf_reader {
namespace {

// A page is drawn at most this many times its size at 72 dpi, however narrow it is.
constexpr double kMaxScale = 64.0;

// poppler reports its errors through one function for the whole program: while one of these
// lives, they go into its log instead of stderr.
class ErrorCapture {
 public:
  explicit ErrorCapture(std::vector<std::string>& log) { poppler::set_debug_error_function(&note, &log); }
  ~ErrorCapture() { poppler::set_debug_error_function(&ignore, nullptr); }
  ErrorCapture(const ErrorCapture&) = delete;
  ErrorCapture& operator=(const ErrorCapture&) = delete;

 private:
  static void note(const std::string& message, void* log) {
    static_cast<std::vector<std::string>*>(log)->push_back(message);
  }
  static void ignore(const std::string&, void*) {}
};

bool turned(const poppler::page& page) {
  return page.orientation() == poppler::page::landscape || page.orientation() == poppler::page::seascape;
}

}  // namespace

PdfDocument::PdfDocument(std::unique_ptr<poppler::document> document) : document_(std::move(document)) {}

PdfDocument::~PdfDocument() = default;

PdfLoad PdfDocument::load(std::vector<char> bytes) {
  PdfLoad load;
  if (bytes.empty()) {
    load.failure = "the file is empty";
    return load;
  }
  ErrorCapture capture(load.log);
  poppler::byte_array data(std::move(bytes));
  std::unique_ptr<poppler::document> document(poppler::document::load_from_data(&data));
  if (!document) {
    load.failure = "it is not a PDF document";
  } else if (document->is_locked()) {
    load.failure = "it is protected by a password";
  } else if (document->pages() <= 0) {
    load.failure = "it has no pages";
  } else {
    load.document.reset(new PdfDocument(std::move(document)));
  }
  return load;
}

int PdfDocument::page_count() const {
  return document_->pages();
}

PageImage PdfDocument::render(int index, int width, int max_height, std::vector<std::string>& log) const {
  PageImage image;
  if (index < 0 || index >= page_count() || width <= 0 || max_height <= 0) return image;
  ErrorCapture capture(log);
  std::unique_ptr<poppler::page> page(document_->create_page(index));
  if (!page) return image;
  const poppler::rectf box = page->page_rect(poppler::media_box);
  const double page_width = turned(*page) ? box.height() : box.width();
  const double page_height = turned(*page) ? box.width() : box.height();
  if (!(page_width > 0) || !(page_height > 0)) return image;
  const double scale = std::min(width / page_width, kMaxScale);
  // Clamped while a double: a page a million times taller than wide overflows an int.
  const int height =
      static_cast<int>(std::clamp(page_height * scale + 0.5, 1.0, static_cast<double>(max_height)));
  poppler::page_renderer renderer;
  renderer.set_image_format(poppler::image::format_argb32);
  renderer.set_render_hint(poppler::page_renderer::antialiasing);
  const poppler::image drawn =
      renderer.render_page(page.get(), 72.0 * scale, 72.0 * scale, 0, 0, width, height);
  if (!drawn.is_valid() || drawn.format() != poppler::image::format_argb32) return image;
  image.width = drawn.width();
  image.height = drawn.height();
  image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
  for (int row = 0; row < image.height; ++row)
    std::memcpy(image.pixels.data() + static_cast<std::size_t>(row) * image.width,
                drawn.const_data() + static_cast<std::size_t>(row) * drawn.bytes_per_row(),
                static_cast<std::size_t>(image.width) * sizeof(std::uint32_t));
  return image;
}

}  // namespace pdf_reader
