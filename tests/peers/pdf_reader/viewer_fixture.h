// A desktop with the PDF reader control installed, and a viewer program that hosts it in a
// framed window as a document viewer does: the control created by CWnd::CreateControl, filling
// the frame's client area, and the file opened by the control's dispatch id 2.
#pragma once

#include <memory>
#include <string>

#include "peers/pdf_reader/pdf_reader.h"
#include "platform/driver/desktop_user.h"
#include "tests/platform/desktop_fixture.h"

inline constexpr UINT kReaderControlId = 39482;

class ViewerTest : public DesktopTest {
 protected:
  ViewerTest();

  struct Viewer {
    bool created = false;  // CreateControl's result
    BOOL loaded = FALSE;   // LoadFile's result
    HWND frame = nullptr;
    HWND control = nullptr;
  };
  // Starts the viewer on path with a frame of the given client size; returns once it waits.
  Viewer open(const std::wstring& path, SIZE client = {400, 300});

  // The colour on screen at a point of the control's client area.
  COLORREF at(POINT point) const;
  pdf_reader::ReaderView view() const;
  // Resizes the frame so that its client area has this size.
  void resize_frame(SIZE client);

  std::shared_ptr<pdf_reader::ReaderProbe> probe = pdf_reader::register_pdf_reader(machine);
  driver::DesktopUser user{machine};
  Viewer viewer;
};

// 0xRRGGBB as GetPixel gives it.
COLORREF colour_ref(std::uint32_t rgb);
