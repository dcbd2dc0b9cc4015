#include "tests/media/media_fixture.h"

#include <filesystem>

#include "platform/desktop/png_file.h"
#include "platform/win/gdiplus_api.h"
#include "platform/win/win32.h"

namespace {

std::filesystem::path OnDriveC(const std::filesystem::path& data, const std::wstring& path) {
  std::filesystem::path file = data / "C";
  std::wstring rest = path.rfind(L"C:\\", 0) == 0 ? path.substr(3) : path;
  for (std::size_t start = 0; start <= rest.size();) {
    const std::size_t end = rest.find(L'\\', start);
    file /= rest.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return file;
}

}  // namespace

void MediaTest::SetUp() {
  ConsoleWithOrvennaTest::SetUp();
  // The backdrop Orvenna's set-up leaves in its user folder.
  MakePicture(L"Users\\presenter\\AppData\\Roaming\\Orvenna\\black.png");
  Run([this](TestConsoleDlg&) {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr);
  });
}

void MediaTest::TearDown() {
  Run([this](TestConsoleDlg& dlg) {
    for (CExternalImage& overlay : dlg.pictureOverlays)
      overlay.Hide();
    dlg.pictureBackdrop.Hide();
    Gdiplus::GdiplusShutdown(gdiplusToken_);
  });
  ConsoleWithOrvennaTest::TearDown();
}

void MediaTest::MakePicture(const std::wstring& path, int width, int height) {
  const std::filesystem::path file = OnDriveC(machine.data_folder(), path);
  std::filesystem::create_directories(file.parent_path());
  const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0xFF2040A0);
  ASSERT_TRUE(desktop::write_png(width, height, pixels, false, file));
}

std::vector<std::wstring> MediaTest::MakeSlideFolder(int count) {
  std::vector<std::wstring> names;
  for (int i = 0; i < count; ++i) {
    std::wstring name = std::wstring(1, static_cast<wchar_t>(L'a' + i)) + L".png";
    MakePicture(std::wstring(SlideFolder) + L"\\" + name);
    names.push_back(name);
  }
  return names;
}

HWND MediaTest::ShownDialog(const wchar_t* caption) {
  HWND window = FindWindowW(WC_DIALOG, caption);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

void MediaTest::Press(HWND owner, int id) {
  PostMessageW(owner, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(owner, id)));
  machine.run_until_idle();
}
