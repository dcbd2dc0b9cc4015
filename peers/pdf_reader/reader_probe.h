// What the PDF reader controls of a desktop show, for tests and for the dump section
// "pdf_reader": each control made, its file, page and window, and a log.
#pragma once

#include <string>

#include "peers/control_probe.h"
#include "platform/win/win_types.h"

namespace pdf_reader {

struct ReaderView {
  HWND window = nullptr;
  std::wstring file;     // the path LoadFile was last given
  bool loaded = false;   // that file is the document shown
  std::wstring message;  // the line shown instead of a page; empty while a page shows
  int page = 0;          // the page shown, from 0
  int pages = 0;
  int width = 0;  // the client size the page was last drawn for
  int height = 0;
  int renders = 0;  // how often a page was drawn
  bool released = false;
};

class ReaderProbe : public peers::ControlProbe<ReaderView> {
 public:
  std::string dump_json() const;
};

}  // namespace pdf_reader
