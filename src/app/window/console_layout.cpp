// The console's layout: chosen at the first size message, then the window placed by it, and the
// live monitor's idea of Orvenna's screen beside it.
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/which_edition.h"

namespace {

constexpr int TrainingWidth = 964;
constexpr int TrainingHeight = 573;
// The training window's distance from the desktop's right and bottom edges.
constexpr int TrainingFromRight = 968;
constexpr int TrainingFromBottom = 621;

}  // namespace

void COrvennaConsoleDlg::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  if (ConsoleLayout == LayoutNotChosen) {
    CWhichEdition chooser(&ConsoleScreen, this);
    // The dialog's answer, not the radio last clicked: Cancel after a layout radio still quits.
    const INT_PTR chosen = chooser.DoModal();
    if (chosen != TwoMonitorLayout && chosen != TrainingLayout) {
      EndDialog(0);
      DestroyWindow();
      return;
    }
    ConsoleLayout = static_cast<BYTE>(chosen);
    // The screen radios are disabled for the training layout, which stays on the primary monitor.
    if (ConsoleLayout == TrainingLayout) ConsoleScreen = 1;
    consoleState.consoleScreenCopy = ConsoleScreen != 0;
  }
  BuildBackground();
  Invalidate(FALSE);
}

void COrvennaConsoleDlg::PlaceConsole(bool show) {
  RECT desktop{};
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  const UINT shown = (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOZORDER;
  if (ConsoleLayout == TrainingLayout) {
    ModifyStyle(0, WS_CAPTION);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, (desktop.right - desktop.left) - TrainingFromRight,
                   desktop.bottom - TrainingFromBottom, TrainingWidth, TrainingHeight, 0);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  } else if (ConsoleScreen == 0) {
    const RECT& monitor = secondaryMonitorRect;
    SetWindowPos(nullptr, monitor.left, monitor.top, monitor.right - monitor.left,
                 monitor.bottom - monitor.top, shown);
  } else {
    SetWindowPos(nullptr, desktop.left, desktop.top, desktop.right, desktop.bottom, shown);
  }
}

LiveMonitorScreen MeasureLiveMonitorScreen(const RECT& planetarium, const RECT& console,
                                           bool consoleOnPrimary) {
  LiveMonitorScreen screen;
  screen.width = consoleOnPrimary ? planetarium.right - console.right : console.right - planetarium.right;
  screen.height = planetarium.bottom;
  // Without Orvenna's window there is no height to divide by: keep the design's proportions.
  screen.aspect =
      screen.height > 0 ? static_cast<float>(screen.width) / static_cast<float>(screen.height) : DesignAspect;
  return screen;
}

void COrvennaConsoleDlg::MeasureLiveMonitorScreen() {
  liveMonitorBox.cbSize = sizeof(liveMonitorBox);
  ::GetWindowInfo(::GetDlgItem(m_hWnd, LiveMonitorAreaId), &liveMonitorBox);
  RECT planetarium{};
  if (HWND main = FindPlanetariumWindow()) ::GetWindowRect(main, &planetarium);
  RECT console{};
  ::GetWindowRect(m_hWnd, &console);
  liveMonitorScreen = ::MeasureLiveMonitorScreen(planetarium, console, ConsoleScreen != 0);
}
