#include <gtest/gtest.h>

#include "peers/pdf_reader/pdf_document.h"
#include "peers/pdf_reader/pdf_reader_control.h"
#include "peers/pdf_reader/pdf_writer.h"
#include "platform/driver/scenario.h"
#include "platform/win/win32.h"
#include "tests/peers/pdf_reader/viewer_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

using pdf_reader::numbered_pages;
using pdf_reader::page_colour;
using pdf_reader::write_pdf;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBackdrop = pdf_reader::kBackdropColour;

class PdfReaderTest : public ViewerTest {
 protected:
  PdfReaderTest() {
    CreateDirectoryW(L"C:\\docs", nullptr);
    write_file(L"C:\\docs\\three.pdf", write_pdf(numbered_pages(3)));
    // A page half as high as it is wide: fitted to 400 pixels it is 200 high with a 20-pixel band.
    write_file(L"C:\\docs\\strip.pdf", write_pdf(numbered_pages(2, 612, 306)));
  }

  int shown_page() const { return view().page; }
};

TEST_F(PdfReaderTest, ShowsTheFirstPageAtTheTopFittedToTheWidth) {
  const Viewer opened = open(L"C:\\docs\\strip.pdf");
  ASSERT_TRUE(opened.created);
  EXPECT_TRUE(opened.loaded);
  EXPECT_EQ(at({200, 10}), kWhite);
  EXPECT_EQ(at({200, 100}), colour_ref(page_colour(0)));
  EXPECT_EQ(at({395, 190}), colour_ref(page_colour(0)));
  EXPECT_EQ(at({200, 250}), kBackdrop);
  EXPECT_EQ(view().pages, 2);
  EXPECT_EQ(view().width, 400);
}

struct PathCase {
  const wchar_t* path;
  bool loads;
  const wchar_t* reason;
};

class PdfReaderPathTest : public PdfReaderTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(PdfReaderPathTest, LoadsADocumentOrSaysWhyNotInOneLine) {
  write_file(L"C:\\docs\\notes.pdf", "These are my notes, not a document.");
  write_file(L"C:\\docs\\empty.pdf", "");
  write_file(L"C:\\docs\\cut.pdf", write_pdf(numbered_pages(3)).substr(0, 40));
  const Viewer opened = open(GetParam().path);
  ASSERT_TRUE(opened.created);
  EXPECT_EQ(opened.loaded != FALSE, GetParam().loads);
  EXPECT_EQ(view().loaded, GetParam().loads);
  if (GetParam().loads) {
    EXPECT_EQ(at({200, 150}), colour_ref(page_colour(0)));
    EXPECT_TRUE(view().message.empty());
    return;
  }
  EXPECT_EQ(view().message,
            std::wstring(L"Cannot open ") + GetParam().path + L": " + GetParam().reason + L".");
  EXPECT_EQ(at({5, 5}), kBackdrop);
  bool lettered = false;
  for (int x = 0; x < 400 && !lettered; ++x)
    for (int y = 140; y < 160 && !lettered; ++y)
      lettered = at({x, y}) == kWhite;
  EXPECT_TRUE(lettered);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PdfReaderPathTest,
    ::testing::Values(PathCase{L"C:\\docs\\three.pdf", true, L""},
                      PathCase{L"C:\\\\DOCS\\\\Three.PDF", true, L""},
                      PathCase{L"c:/docs/three.pdf", true, L""},
                      PathCase{L"C:\\docs\\notes.pdf", false, L"it is not a PDF document"},
                      PathCase{L"C:\\docs\\empty.pdf", false, L"the file is empty"},
                      PathCase{L"C:\\docs\\cut.pdf", false, L"it is not a PDF document"},
                      PathCase{L"C:\\docs\\missing.pdf", false, L"the file was not found"},
                      PathCase{L"C:\\nowhere\\missing.pdf", false, L"the file was not found"}));

struct KeyStep {
  const char* key;
  int page;  // the page shown afterwards, from 0
};

TEST_F(PdfReaderTest, PagesByKeysOnceAClickGaveItTheFocus) {
  const Viewer opened = open(L"C:\\docs\\three.pdf");
  ASSERT_TRUE(opened.loaded);
  ASSERT_TRUE(user.key("NEXT"));
  EXPECT_EQ(shown_page(), 0) << "the frame had the focus";
  ASSERT_TRUE(user.click_at(opened.frame, {200, 150}));
  constexpr KeyStep kSteps[] = {{"NEXT", 1}, {"NEXT", 2},  {"NEXT", 2}, {"PRIOR", 1},
                                {"HOME", 0}, {"PRIOR", 0}, {"END", 2},  {"HOME", 0}};
  for (const KeyStep& step : kSteps) {
    ASSERT_TRUE(user.key(step.key));
    EXPECT_EQ(shown_page(), step.page) << step.key;
    EXPECT_EQ(at({200, 150}), colour_ref(page_colour(step.page))) << step.key;
  }
}

TEST_F(PdfReaderTest, TheWheelTurnsThePages) {
  const Viewer opened = open(L"C:\\docs\\three.pdf");
  ASSERT_TRUE(opened.loaded);
  ASSERT_TRUE(user.wheel(opened.frame, {200, 150}, -WHEEL_DELTA));
  EXPECT_EQ(shown_page(), 1);
  ASSERT_TRUE(user.wheel(opened.frame, {200, 150}, -2 * WHEEL_DELTA));
  EXPECT_EQ(shown_page(), 2);
  ASSERT_TRUE(user.wheel(opened.frame, {200, 150}, WHEEL_DELTA / 2));
  EXPECT_EQ(shown_page(), 2);
  ASSERT_TRUE(user.wheel(opened.frame, {200, 150}, WHEEL_DELTA / 2));
  EXPECT_EQ(shown_page(), 1);
  EXPECT_EQ(at({200, 150}), colour_ref(page_colour(1)));
}

TEST_F(PdfReaderTest, AResizedWindowGetsThePageDrawnAgainAtItsNewWidth) {
  const Viewer opened = open(L"C:\\docs\\strip.pdf");
  ASSERT_TRUE(opened.loaded);
  EXPECT_EQ(at({200, 250}), kBackdrop) << "200 pixels high at 400 pixels wide";
  EXPECT_EQ(at({200, 25}), colour_ref(page_colour(0)));
  const int renders = view().renders;
  resize_frame({600, 300});
  EXPECT_GT(view().renders, renders);
  EXPECT_EQ(view().width, 600);
  EXPECT_EQ(at({200, 25}), kWhite) << "the band is 30 pixels high at 600 pixels wide";
  EXPECT_EQ(at({200, 250}), colour_ref(page_colour(0)));
  EXPECT_EQ(at({590, 290}), colour_ref(page_colour(0)));
}

TEST_F(PdfReaderTest, AScenariosMadeDocumentShowsItsPagesInTheirColours) {
  ASSERT_TRUE(driver::ScenarioRunner(user).run("makefile \"C:\\My Talks\\talk.pdf\" pdf 4\n"));
  const Viewer opened = open(L"C:\\My Talks\\talk.pdf");
  ASSERT_TRUE(opened.loaded);
  EXPECT_EQ(view().pages, 4);
  ASSERT_TRUE(user.click_at(opened.frame, {200, 150}));
  ASSERT_TRUE(user.key("END"));
  EXPECT_EQ(at({200, 150}), colour_ref(page_colour(3)));
  EXPECT_EQ(at({200, 10}), kWhite);
}

TEST_F(PdfReaderTest, AControlNotInstalledIsNotCreated) {
  pdf_reader::uninstall_pdf_reader();
  const Viewer opened = open(L"C:\\docs\\three.pdf");
  EXPECT_FALSE(opened.created);
  EXPECT_EQ(FindWindowExW(opened.frame, nullptr, pdf_reader::kViewWindowClass, nullptr), nullptr);
  EXPECT_TRUE(probe->controls().empty());
}

TEST_F(PdfReaderTest, ClosingTheViewerReleasesTheControl) {
  const Viewer opened = open(L"C:\\docs\\three.pdf");
  ASSERT_TRUE(opened.loaded);
  PostMessageW(opened.frame, WM_CLOSE, 0, 0);
  machine.run_until_idle();
  EXPECT_TRUE(view().released);
  EXPECT_EQ(view().window, nullptr);
}

TEST(PdfDocumentTest, APageFarTallerThanWideFillsTheHeightAllowed) {
  const std::string bytes = write_pdf({{1, 1e9, {}}});
  pdf_reader::PdfLoad load = pdf_reader::PdfDocument::load(std::vector<char>(bytes.begin(), bytes.end()));
  ASSERT_TRUE(load.document);
  std::vector<std::string> log;
  const pdf_reader::PageImage image = load.document->render(0, 100, 500, log);
  EXPECT_EQ(image.width, 100);
  EXPECT_EQ(image.height, 500);
}

}  // namespace
