// The dialog's finders, which keep the version of the Orvenna they found, and the focus burst.
#include <cwchar>

#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_api.h"
#include "src/link/keyboard_layout.h"
#include "src/link/loader_script.h"
#include "src/link/planetarium_link.h"
#include "src/link/planetarium_windows.h"

namespace {

struct SentMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
// What Orvenna's view receives when it really gains the focus, so it takes the keys that follow.
// The cursor message's wParam is the fixed number Orvenna was seen to get, not a handle.
constexpr SentMessage FocusBurst[] = {
    {WM_IME_SETCONTEXT, 1, static_cast<LPARAM>(0xC000000F)},
    {WM_IME_NOTIFY, 2, 0},
    {WM_SETFOCUS, 0, 0},
    {WM_SETCURSOR, 0x00790BD6, 0x02000001},
    {WM_IME_SETCONTEXT, 0, static_cast<LPARAM>(0xC000000F)},
    {WM_SETFOCUS, 0, 0},
};

// The state record's copy of the version holds at most seven characters.
constexpr std::size_t VersionTextCapacity = 7;

// A dialog of the console in front of the disabled console window waits for the presenter.
bool IsWaitingDialog(HWND front, HWND console) {
  DWORD process = 0;
  GetWindowThreadProcessId(front, &process);
  return front != nullptr && console != nullptr && front != console && process == GetCurrentProcessId() &&
         !IsWindowEnabled(console);
}

}  // namespace

PlanetariumLink::PlanetariumLink(CConsoleState& state)
    : loaderScriptPath(LoaderScriptPath()), state_(state) {}

HWND PlanetariumLink::FindPlanetariumWindow() {
  const PlanetariumMainWindow found = FindPlanetariumMainWindowAndVersion();
  if (found.window != nullptr) {
    planetariumVersion = found.version;
    state_.planetariumVersionText = std::wstring(found.version.substr(0, VersionTextCapacity));
  }
  return found.window;
}

HWND PlanetariumLink::FindPlanetariumView() {
  return PlanetariumRenderWindowOf(FindPlanetariumWindow());
}

HWND PlanetariumLink::GetPlanetariumViewIfRunning() {
  HWND main = FindPlanetariumWindow();
  HWND view = FindPlanetariumView();
  return main != nullptr && view != nullptr ? view : nullptr;
}

void PlanetariumLink::ReturnKeyboardAfterwards() {
  if (HWND front = GetForegroundWindow(); IsWaitingDialog(front, ConsoleWindow()))
    PostMessageW(ConsoleWindow(), ReturnKeyboardMessage, reinterpret_cast<WPARAM>(front), 0);
}

void PlanetariumLink::ActivatePlanetariumView(HWND view) {
  ReturnKeyboardAfterwards();
  SetActiveWindow(view);
  SetForegroundWindow(view);
  SetFocus(view);
  for (const SentMessage& sent : FocusBurst)
    SendMessageW(view, sent.message, sent.wParam, sent.lParam);
}

HKL PlanetariumLink::SyncKeyboardLayout() {
  const PlanetariumLayout found = FindPlanetariumKeyboardLayout();
  if (!found.planetariumFound) {
    ConsoleMessage warning;
    warning.text = PlanetariumNotRunningWarning;
    warning.kind = ConsoleMessage::Kind::Warning;
    ShowConsoleMessage(warning);
  }
  return found.layout;
}
