// Running a script in Orvenna through the loader: the loader includes the per-run file, '1' runs
// the loader, and the loader goes back to including nothing while the per-run file is deleted.
#include "platform/win/focus_api.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/message_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"
#include "src/link/key_injection.h"
#include "src/link/loader_script.h"
#include "src/link/planetarium_link.h"
#include "src/link/planetarium_profile.h"
#include "src/link/script_file.h"
#include "src/settings/console_settings.h"
#include "src/util/user_folder.h"

namespace {

constexpr std::wstring_view StartStateScript = L"StartOC.ovs";
constexpr UINT RefusedDuringRecording = 8580;
constexpr UINT RefusalShownMs = 6000;
constexpr UINT ScriptRunningNotice = 4220;
constexpr UINT ScriptRunningShownMs = 5000;
constexpr WORD Recording = 1;
constexpr WORD Playing = 2;

// Orvenna has read the loader and the per-run file by the end of the wait after the run key.
constexpr DWORD BeforeRunKeyMs = 320;
constexpr DWORD BeforeUserFileRunMs = 400;
constexpr DWORD FocusSettleMs = 110;
constexpr DWORD AfterRunKeyMs = 200;
constexpr DWORD AfterStopKeyMs = 100;
constexpr UINT LoaderResetAfterMs = 1500;
constexpr int StartStateEndMarginMs = 1000;
constexpr int ScriptEndMarginMs = 500;

}  // namespace

void PlanetariumLink::PressPlanetariumKey(wchar_t character) {
  SendKeyToPlanetarium(VkKeyScanExW(character, SyncKeyboardLayout()), false);
}

HWND PlanetariumLink::BringPlanetariumViewForward() {
  HWND view = FindPlanetariumView();
  HWND main = FindPlanetariumWindow();
  if (view == nullptr || main == nullptr) return nullptr;
  scriptPaused = false;
  if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
  ReturnKeyboardAfterwards();
  SetForegroundWindow(view);
  SetFocus(view);
  return view;
}

void PlanetariumLink::StopPlanetariumScript() {
  HWND view = BringPlanetariumViewForward();
  if (view == nullptr) return;
  ActivatePlanetariumView(view);
  PressPlanetariumKey(PlanetariumProfile::StopScriptKey);
  Sleep(AfterStopKeyMs);
  SetForegroundWindow(ConsoleWindow());
}

bool PlanetariumLink::TriggerPlanetariumScript(const RunFilesWriter& writeRunFiles) {
  const bool wasRunning = FindPlanetariumView() != nullptr;
  if (EnsurePlanetarium() > 0) {
    HideTaskbar(false);
    QuitConsole(1);
    return false;
  }
  if (!wasRunning) {
    if (!writeRunFiles()) return false;
    // Orvenna runs one script at a time: a start state run for the new Orvenna gives way.
    if (KillTimer(ConsoleWindow(), StartStateScriptEndTimer)) {
      StopPlanetariumScript();
      StartStateGaveWay();
    }
  }
  HWND view = BringPlanetariumViewForward();
  if (view == nullptr) return false;
  Sleep(FocusSettleMs);
  ActivatePlanetariumView(view);
  PressPlanetariumKey(PlanetariumProfile::RunLoaderKey);
  Sleep(AfterRunKeyMs);
  SetForegroundWindow(ConsoleWindow());
  return true;
}

bool PlanetariumLink::WriteRunFiles(const std::wstring& perRunPath, const std::wstring& text) {
  if (auto error = WriteLoaderScript(LoaderScriptPieces(LoaderForm::Active, perRunPath))) {
    ReportFileError(*error);
    return false;
  }
  const std::wstring perRunPieces[] = {text};
  if (auto error = WriteScriptFile(perRunPath, perRunPieces)) {
    // Nothing is left for '1' to run while the presenter reads the report.
    ResetLoaderScript();
    DeleteScriptFile(perRunPath);
    ReportFileError(*error);
    return false;
  }
  return true;
}

bool PlanetariumLink::RunScript(std::wstring text, const std::wstring& name, bool armEndTimer,
                                int expectedMs) {
  StopPlanetariumScript();
  const std::wstring perRunPath = PlanetariumUserFile(name);
  text = PreparePerRunText(std::move(text), name, clearLabelsFirst, meteorPluginLoaded);
  const auto writeRunFiles = [this, &perRunPath, &text] { return WriteRunFiles(perRunPath, text); };
  if (!writeRunFiles()) return false;
  HideTaskbar(true);
  Sleep(BeforeRunKeyMs);
  const bool ran = TriggerPlanetariumScript(writeRunFiles);
  if (armEndTimer) {
    if (name == StartStateScript)
      SetTimer(ConsoleWindow(), StartStateScriptEndTimer, expectedMs + StartStateEndMarginMs, nullptr);
    else
      SetTimer(ConsoleWindow(), ScriptEndTimer, expectedMs + ScriptEndMarginMs, nullptr);
  }
  ResetLoaderScript();
  const auto deleteError = DeleteScriptFile(perRunPath);
  // The taskbar comes back before a failed delete is reported, so the report cannot leave it hidden.
  if (ConsoleScreen == 1) HideTaskbar(false);
  if (deleteError) ReportFileError(*deleteError);
  return ran;
}

bool PlanetariumLink::RunScriptFile(const std::wstring& path) {
  // The presenter's script would stop the replayed show's.
  if (RecorderState == Playing) {
    ShowStatusMessage(ScriptRunningNotice + ReadLanguage(), ScriptRunningShownMs);
    return false;
  }
  std::vector<std::wstring> pieces = LoaderScriptHeader(LoaderForm::UserFile);
  const bool refused = RecorderState == Recording;
  if (!refused) pieces.push_back(LoaderScriptInclude(LoaderForm::UserFile, path));
  const auto writeLoader = [this, &pieces] {
    if (auto error = WriteLoaderScript(pieces)) {
      ReportFileError(*error);
      return false;
    }
    return true;
  };
  if (!writeLoader()) return false;
  if (refused) {
    ShowStatusMessage(RefusedDuringRecording + ReadLanguage(), RefusalShownMs);
    return false;
  }
  Sleep(BeforeUserFileRunMs);
  if (!TriggerPlanetariumScript(writeLoader)) return false;
  SetTimer(ConsoleWindow(), LoaderResetTimer, LoaderResetAfterMs, nullptr);
  return true;
}
