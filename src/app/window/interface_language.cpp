// The interface language as the presenter last chose it, kept in the state record.
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"
#include "src/settings/settings_key.h"

// A stored number that names no language would read other texts' entries: it counts as missing.
// The start-up stores the default itself.
int COrvennaConsoleDlg::ReadLanguageSetting() {
  return ReadDialogLanguageIndex(consoleState);
}
