// After the actions that take the selected body somewhere (the fly-by, from here) no body is
// selected: the presenter chooses one again, and the go-to and fly-by tips say nothing is.
#include "src/app/orvenna_console_dlg.h"
#include "src/catalog/planet_display_name.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"

namespace {

constexpr int GoToButtonId = 1057;
constexpr UINT CentreOnObjectTip = 4440;
constexpr UINT GoToObjectTip = 3680;
constexpr UINT NoSelectionText = 3700;
constexpr UINT FlyByTip = 3810;

}  // namespace

void COrvennaConsoleDlg::ForgetSelectedBody() {
  SelectedBodyCode = NoBodySelected;
  const unsigned language = ReadLanguage();
  const std::wstring nothing = LoadConsoleString(NoSelectionText + language);
  SetTooltip(GoToButtonId,
             FormatText(L"%s: (%s)",
                        LoadConsoleString((goToStage ? GoToObjectTip : CentreOnObjectTip) + language).c_str(),
                        nothing.c_str()));
  SetTooltip(FlyByButtonId, FormatText(LoadConsoleString(FlyByTip + language).c_str(), nothing.c_str()));
}
