// The console's main dialog with the stand-in Orvenna placed, picture files made on the
// machine, and the picture decoder started for the overlays.
#pragma once

#include <string>
#include <vector>

#include "tests/app/console_dialog_fixture.h"

class MediaTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A picture of that size on drive C (folder and name as the console sees them, e.g.
  // "Shows\\m31.png").
  void MakePicture(const std::wstring& path, int width = 4, int height = 4);
  // Pictures a.png, b.png ... in C:\Shows\Folder, as the slide show lists them.
  std::vector<std::wstring> MakeSlideFolder(int count);
  // The dialog of that caption the console shows on top, or null.
  static HWND ShownDialog(const wchar_t* caption);
  // A button of a dialog pressed as its command, posted to the console's thread.
  void Press(HWND owner, int id);

  static constexpr wchar_t SlideFolder[] = L"C:\\Shows\\Folder";

 private:
  ULONG_PTR gdiplusToken_ = 0;
};
