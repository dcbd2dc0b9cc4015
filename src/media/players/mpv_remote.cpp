// The remote's mpv: started from the console's folder with the video's place and options,
// steered by its keys in its window, closed by WM_CLOSE, and ended outright when it never
// showed a window to close.
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/link/key_injection.h"
#include "src/link/keyboard_layout.h"
#include "src/media/players/mpv_arguments.h"
#include "src/media/players/wm_play_video.h"

namespace {

constexpr wchar_t MpvProgram[] = L"mpv.exe";
constexpr DWORD MpvFlags = CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP | CREATE_DEFAULT_ERROR_MODE;
constexpr DWORD StartUpRecordSize = 68;
constexpr DWORD IdleWaitMs = 5000;
constexpr SHORT BackspaceKey = 8;
constexpr int VolumeStep = 2;
constexpr int LoudestBelowStep = 98;
constexpr UINT TerminatedExitCode = 1;
constexpr int FullTurn = 360;
constexpr DWORD MpvActivationMs = 80;

std::wstring ConsoleFolder() {
  wchar_t path[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.erase(folder.find_last_of(L'\\') + 1);
  return folder;
}

}  // namespace

DWORD CWMPlayVideo::LaunchMpv(const std::wstring& programPath, std::wstring arguments) {
  if (!arguments.empty() && arguments.front() != L' ') arguments.insert(0, L" ");
  const std::size_t lastSlash = programPath.rfind(L'\\');
  const std::wstring name = lastSlash == std::wstring::npos ? programPath : programPath.substr(lastSlash + 1);
  const std::wstring folder =
      lastSlash == std::wstring::npos ? std::wstring() : programPath.substr(0, lastSlash);
  std::wstring commandLine = name + arguments;
  STARTUPINFOW startUp{};
  startUp.cb = StartUpRecordSize;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, MpvFlags, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startUp, &started)) {
    mpvProcessId = 0;
    return ::GetLastError();
  }
  const DWORD code = ::WaitForSingleObject(started.hProcess, 0) == WAIT_TIMEOUT ? MpvRunning : 0;
  if (::WaitForInputIdle(started.hProcess, IdleWaitMs) == 0) {
    mpvWindow = FindMpvWindow();
    // Another mpv may be on screen already; only this one's window takes the keys.
    DWORD windowProcess = 0;
    if (mpvWindow != nullptr) ::GetWindowThreadProcessId(mpvWindow, &windowProcess);
    if (windowProcess != started.dwProcessId) mpvWindow = FindProcessWindow(started.dwProcessId);
  }
  mpvProcessId = started.dwProcessId;
  mpvProcess = started.hProcess;
  ::CloseHandle(started.hThread);
  return code;
}

std::wstring CWMPlayVideo::MpvArguments() {
  MpvVideo video;
  video.fileName = fileName;
  video.volume = volume;
  // Older set-ups may hold up to 365 degrees, which mpv refuses.
  video.rotation = rotation % FullTurn;
  video.flip = flip;
  video.fullScreen = fullScreen;
  video.x = x;
  video.y = y;
  video.width = width;
  video.height = height;
  return BuildMpvArguments(
      video, MpvScreenOf(owner->FindPlanetariumView(), owner->ConsoleLayout == TwoMonitorLayout));
}

bool CWMPlayVideo::MpvRuns() {
  if (mpvProcess == nullptr) return false;
  if (::WaitForSingleObject(mpvProcess, 0) == WAIT_TIMEOUT) return true;
  ForgetMpv();
  return false;
}

void CWMPlayVideo::ForgetMpv() {
  if (mpvProcess != nullptr) ::CloseHandle(mpvProcess);
  mpvProcess = nullptr;
  mpvProcessId = 0;
  mpvWindow = nullptr;
  playing = false;
  fastMode = false;
  EnableMoveButtons(false);
}

HWND CWMPlayVideo::MpvWindow() {
  if (!MpvRuns()) return nullptr;
  if (!::IsWindow(mpvWindow)) mpvWindow = FindProcessWindow(mpvProcessId);
  return mpvWindow;
}

HWND CWMPlayVideo::MpvWindowForKeys() {
  HWND window = MpvWindow();
  if (window == nullptr || ::GetForegroundWindow() == window) return window;
  ::SetForegroundWindow(window);
  // mpv takes its keys once it has made its window the focus.
  ::Sleep(MpvActivationMs);
  return window;
}

void CWMPlayVideo::SendMpvKey(wchar_t key) {
  SendMpvKeyWord(::VkKeyScanExW(key, SyncKeyboardLayoutWithPlanetarium()));
}

// The keys reach mpv as they are sent; the remote then stays in front for the presenter.
void CWMPlayVideo::SendMpvKeyWord(SHORT keyWord) {
  SendKeyToPlanetarium(keyWord, false);
  ::SetForegroundWindow(m_hWnd);
}

void CWMPlayVideo::PlayPauseMpv() {
  if (playing && MpvRuns()) {
    // mpv toggles its own pause.
    if (MpvWindowForKeys() != nullptr) SendMpvKey(L'p');
    return;
  }
  ForgetMpv();
  const std::wstring arguments = MpvArguments();
  // An mpv that refused its options or its file is gone by the time it would show its window.
  playing = LaunchMpv(ConsoleFolder() + MpvProgram, arguments) == MpvRunning && MpvRuns();
  if (playing) {
    LookSoonForEarlyEnd();
  } else {
    ForgetMpv();
    ShowCannotPlay();
  }
  // mpv came to the front when it opened its window.
  ::SetForegroundWindow(m_hWnd);
  if (playing && owner->ConsoleLayout == TwoMonitorLayout && !fullScreen) EnableMoveButtons(true);
}

void CWMPlayVideo::StopMpv() {
  if (!MpvRuns()) return;
  if (HWND window = MpvWindow(); window != nullptr)
    ::SendMessageW(window, WM_CLOSE, 0, 0);
  else
    ::TerminateProcess(mpvProcess, TerminatedExitCode);
  ForgetMpv();
}

void CWMPlayVideo::FastMpv(wchar_t speedKey) {
  if (!playing || !MpvRuns() || MpvWindowForKeys() == nullptr) return;
  if (fastMode) {
    SendMpvKeyWord(BackspaceKey);
    fastMode = false;
  } else {
    SendMpvKey(speedKey);
    fastMode = true;
  }
}

// At a bound no key goes to mpv, so mpv is not brought to the front for it either.
void CWMPlayVideo::VolumeMpv(bool up) {
  if (MpvWindow() == nullptr) return;
  const bool changes = up ? volume <= LoudestBelowStep : volume >= VolumeStep;
  if (changes && MpvWindowForKeys() != nullptr) {
    SendMpvKey(up ? L'0' : L'9');
    volume += up ? VolumeStep : -VolumeStep;
  }
  ShowVolume(volume);
}

void CWMPlayVideo::MoveMpv(UINT id) {
  HWND window = MpvWindow();
  if (window == nullptr) return;
  CRect view;
  ::GetWindowRect(owner->FindPlanetariumView(), &view);
  CRect video;
  ::GetWindowRect(window, &video);
  if (!StepPosition(id, view, video)) return;
  ::SetWindowPos(window, nullptr, x + view.left, y + view.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
