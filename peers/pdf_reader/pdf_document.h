// A PDF document held in memory and its pages drawn to pixels, through poppler.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace poppler {
class document;
}

namespace pdf_reader {

// Pixels 0xAARRGGBB, rows from the top.
struct PageImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

class PdfDocument;

struct PdfLoad {
  std::unique_ptr<PdfDocument> document;  // null when the bytes are no document it can show
  std::string failure;                    // why, in words
  std::vector<std::string> log;           // what poppler said while loading
};

class PdfDocument {
 public:
  // Takes the bytes: the document reads them for as long as it lives.
  static PdfLoad load(std::vector<char> bytes);
  ~PdfDocument();
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  int page_count() const;
  // Page index scaled to width pixels, its top max_height pixels at most; an empty image when
  // the page cannot be drawn. What poppler says goes into log.
  PageImage render(int index, int width, int max_height, std::vector<std::string>& log) const;

 private:
  explicit PdfDocument(std::unique_ptr<poppler::document> document);
  std::unique_ptr<poppler::document> document_;
};

}  // namespace pdf_reader
