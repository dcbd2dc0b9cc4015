#include "peers/pdf_reader/pdf_writer.h"

#include <cstdio>

namespace pdf_reader {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kPageColours[] = {0xC03020, 0x2080C0, 0x30A040, 0xE0B020, 0x8040A0, 0x20A0A0};

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

std::string channel(std::uint32_t colour, int shift) {
  return number(((colour >> shift) & 0xFF) / 255.0);
}

std::string content_of(const PdfPage& page) {
  std::string content;
  for (const PdfShape& shape : page.shapes)
    content += channel(shape.colour, 16) + " " + channel(shape.colour, 8) + " " + channel(shape.colour, 0) +
               " rg " + number(shape.x) + " " + number(page.height - shape.y - shape.height) + " " +
               number(shape.width) + " " + number(shape.height) + " re f\n";
  return content;
}

}  // namespace

std::string write_pdf(const std::vector<PdfPage>& pages) {
  std::string out = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  auto object = [&](const std::string& body) {
    offsets.push_back(out.size());
    out += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
  };
  object("<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (std::size_t i = 0; i < pages.size(); ++i)
    kids += std::to_string(3 + 2 * i) + " 0 R ";
  object("<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(pages.size()) + " >>");
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const PdfPage& page = pages[i];
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(page.width) + " " + number(page.height) +
           "] /Contents " + std::to_string(4 + 2 * i) + " 0 R /Resources << >> >>");
    const std::string content = content_of(page);
    object("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t offset : offsets) {
    char line[24];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
    out += line;
  }
  out += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return out;
}

std::uint32_t page_colour(int index) {
  constexpr int kCount = sizeof kPageColours / sizeof kPageColours[0];
  return kPageColours[((index % kCount) + kCount) % kCount];
}

std::vector<PdfPage> numbered_pages(int count, double width, double height) {
  std::vector<PdfPage> pages;
  for (int i = 0; i < count; ++i) {
    const double band = height / 10;
    pages.push_back(
        {width, height, {{0, 0, width, band, kWhite}, {0, band, width, height - band, page_colour(i)}}});
  }
  return pages;
}

}  // namespace pdf_reader
