// The Options button: the options dialog, then the main window in line with what it changed.
#include "src/app/orvenna_console_dlg.h"
#include "src/dialogs/options/options_dialog.h"
#include "src/settings/event_settings.h"

namespace {

constexpr UINT OptionsRefusedMs = 5000;
constexpr int FirstEventLabel = 1066;

}  // namespace

INT_PTR COrvennaConsoleDlg::RunOptionsDialog() {
  return OptionsDialog(consoleState, *this).DoModal();
}

void COrvennaConsoleDlg::OnOptions() {
  if (!PassScriptOrRateKeysGuard(OptionsRefusedMs)) return;
  if (RunOptionsDialog() == OptionsDialog::SettingsWritten) {
    for (int slot = 0; slot < EventSlotCount; ++slot) {
      const EventRecord event = LoadEventRecord(consoleState, slot);
      const bool shown = !event.memo.empty() && consoleState.eventEnabled[static_cast<std::size_t>(slot)];
      SetDlgItemText(FirstEventLabel + slot, shown ? event.memo.c_str() : L"");
    }
  }
  ApplyLanguage();
  RefreshTooltips();
}
