// The about box of the options: the console's icon, its version and what it is made for.
#pragma once

#include "platform/afx/afx.h"

class CAboutBox : public CDialog {
 public:
  enum { IDD = 100 };
  static constexpr int IconStaticId = 1100;
  static constexpr int TextStaticId = 1101;
  static constexpr int ConsoleIconId = 128;

  explicit CAboutBox(CWnd* owner = nullptr) : CDialog(IDD, owner) {}

 protected:
  BOOL OnInitDialog() override;
};
