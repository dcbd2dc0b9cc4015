// Small PDF files of filled rectangles, no text: the documents tests and scenarios show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pdf_reader {

// In points from the page's top left corner; colour 0xRRGGBB.
struct PdfShape {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  std::uint32_t colour = 0;
};

struct PdfPage {
  double width = 612;  // US Letter
  double height = 792;
  std::vector<PdfShape> shapes;
};

// The bytes of a PDF file with these pages.
std::string write_pdf(const std::vector<PdfPage>& pages);

// The colour of page index (from 0) of numbered_pages, 0xRRGGBB, different for neighbours.
std::uint32_t page_colour(int index);
// count pages of the given size, each filled with its page_colour but for a white band at the top
// a tenth of the page high, so a picture shows which page and which end is up.
std::vector<PdfPage> numbered_pages(int count, double width = 612, double height = 792);

}  // namespace pdf_reader
