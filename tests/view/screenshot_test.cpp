// Pictures of the desktop: a small window drawn the same way every time, compared pixel for
// pixel with the one kept in tests/fixtures; and the headless program's screenshot.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/desktop/image_file.h"
#include "platform/desktop/png_file.h"
#include "platform/view/desktop_screenshot.h"
#include "platform/win/win32.h"
#include "tests/view/kept_screenshot.h"

namespace {

const std::filesystem::path kFixture = std::filesystem::path(OC_SCREENSHOT_FIXTURES) / "sample_window.png";

// A window of its own class that paints a frame, a few shapes and a line of text.
LRESULT CALLBACK sample_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
  HBRUSH blue = CreateSolidBrush(RGB(30, 60, 200));
  HPEN red = CreatePen(PS_SOLID, 3, RGB(220, 20, 20));
  HGDIOBJ old_brush = SelectObject(dc, blue);
  HGDIOBJ old_pen = SelectObject(dc, red);
  Rectangle(dc, 12, 12, 70, 52);
  MoveToEx(dc, 80, 14, nullptr);
  LineTo(dc, 180, 58);
  const RECT band{90, 62, 190, 70};
  FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(red);
  DeleteObject(blue);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 90, 0));
  TextOutW(dc, 12, 80, L"Orvenna 21:45 \u00e7\u011f\u00fc", 17);
  EndPaint(hwnd, &paint);
  return 0;
}

desktop::DesktopConfig small_screen() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 240, 140}}};
  return config;
}

std::filesystem::path temporary_png(const char* name) {
  return std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-" + name);
}

TEST(ScreenshotTest, ASmallWindowLooksExactlyAsKept) {
  desktop::Desktop machine(small_screen());
  machine.attach(L"sample.exe");
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = sample_procedure;
  window_class.lpszClassName = L"Sample";
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassExW(&window_class);
  CreateWindowExW(0, L"Sample", L"", WS_POPUP | WS_VISIBLE, 20, 20, 200, 100, nullptr, nullptr, nullptr,
                  nullptr);
  machine.run_until_idle();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&msg);

  const bool update = std::getenv(view_testing::UpdateScreenshotsVariable) != nullptr;
  const std::filesystem::path taken = update ? kFixture : temporary_png("sample_window.png");
  ASSERT_TRUE(view::write_screenshot(machine, taken));
  machine.detach();
  if (update) GTEST_SKIP() << "wrote " << kFixture;

  view_testing::ExpectSameAsKept(taken, kFixture);
}

TEST(ScreenshotTest, AHeadlessDesktopWritesItsWholeScreenWithItsTaskbar) {
  const std::filesystem::path file = temporary_png("desktop.png");
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 800, 600}}, desktop::MonitorConfig{{800, 0, 1440, 480}}};
  config.start_shell = true;
  ASSERT_TRUE(view::screenshot_of_new_desktop(config, 1000, file));
  desktop::ImageLoad shot = desktop::load_image_file(file);
  std::filesystem::remove(file);
  ASSERT_TRUE(shot) << shot.failure;
  EXPECT_EQ(shot.image->width, 1440);
  EXPECT_EQ(shot.image->height, 600);
  constexpr std::uint32_t kButtonFace = 0xFFF0F0F0;  // the taskbar, opaque in the file
  EXPECT_EQ(shot.image->at(400, 590), kButtonFace);
  EXPECT_NE(shot.image->at(400, 500), kButtonFace);
  EXPECT_NE(shot.image->at(900, 590), kButtonFace) << "the second monitor has no taskbar";
}

TEST(ScreenshotTest, AFileThatCannotBeWrittenIsAFailureWithItsReason) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "no-such-folder-here" / "x.png";
  view::ViewResult written = view::screenshot_of_new_desktop(small_screen(), 0, file);
  EXPECT_FALSE(written);
  EXPECT_NE(written.failure.find("no-such-folder-here"), std::string::npos) << written.failure;
}

}  // namespace
