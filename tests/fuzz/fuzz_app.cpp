#include "tests/fuzz/fuzz_app.h"

#include "tests/fuzz/fuzz_desktop.h"

int FuzzApp::DoMessageBox(LPCWSTR, UINT, UINT) {
  ++shown;
  return IDOK;
}

FuzzApp& fuzz_app() {
  fuzz_desktop();
  // Never destroyed: the fuzzer ends the process from inside a run.
  static FuzzApp* const app = new FuzzApp;
  return *app;
}
