// An application object for fuzz targets whose readers show message boxes: each box is counted
// and answered at once, as no presenter is there to answer it.
#pragma once

#include "platform/afx/win_app.h"

class FuzzApp : public CWinApp {
 public:
  int DoMessageBox(LPCWSTR prompt, UINT type, UINT help_id) override;
  int shown = 0;
};

// Made once, on the fuzz desktop's thread.
FuzzApp& fuzz_app();
