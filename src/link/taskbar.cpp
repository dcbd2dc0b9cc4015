#include "src/link/taskbar.h"

#include "platform/win/system_parameters_api.h"
#include "platform/win/version_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

constexpr wchar_t TaskbarClass[] = L"Shell_TrayWnd";
constexpr wchar_t StartButtonClass[] = L"Button";
constexpr wchar_t StartButtonTitle[] = L"Start";
// Windows 8 has no Start button of its own on the taskbar.
constexpr unsigned char Windows8Minor = 2;

void MoveWorkAreaBottom(int by) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  work.bottom += by;
  SystemParametersInfoW(SPI_SETWORKAREA, 0, &work, 0);
}

}  // namespace

void SetTaskbarHidden(bool hide) {
  const int showCommand = hide ? SW_HIDE : SW_SHOWNORMAL;
  if (HWND tray = FindWindowW(TaskbarClass, L"")) {
    const bool changes = (IsWindowVisible(tray) != FALSE) == hide;
    if (changes) {
      RECT bar{};
      GetWindowRect(tray, &bar);
      const int height = bar.bottom - bar.top;
      MoveWorkAreaBottom(hide ? height : -height);
    }
    ShowWindow(tray, showCommand);
  }
  if (HWND start = FindWindowW(StartButtonClass, StartButtonTitle);
      start && !IsWindowsVersionEqual(Windows8Minor))
    ShowWindow(start, showCommand);
}

int IsWindowsVersionEqual(unsigned char minor) {
  OSVERSIONINFOEXW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  version.dwMajorVersion = 6;
  version.dwMinorVersion = minor;
  ULONGLONG condition = 0;
  condition = VerSetConditionMask(condition, VER_MAJORVERSION, VER_EQUAL);
  condition = VerSetConditionMask(condition, VER_MINORVERSION, VER_EQUAL);
  return VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION, condition);
}
