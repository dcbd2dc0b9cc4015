// The advanced options' buttons that act on Orvenna at once, each by a short script.
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/options/advanced_option_ids.h"
#include "src/dialogs/options/advanced_options.h"
#include "src/dialogs/options/advanced_scripts.h"

using namespace advanced_option_ids;

namespace {

constexpr int ImmediateScriptMs = 4500;
constexpr float StarStepRecordedMs = 100.0f;
constexpr wchar_t StarAppearanceFile[] = L"OrvSkyDrawer";
constexpr wchar_t TestDateFile[] = L"OCSetDate.ovs";
constexpr wchar_t ApplyBoundariesFile[] = L"SetBoundCol.ovs";
constexpr wchar_t TestBoundariesFile[] = L"TestBoundCol.ovs";
constexpr wchar_t MoonScaleFile[] = L"OCMoonScale.ovs";

}  // namespace

void AdvancedOptions::RunImmediateScript(const std::wstring& script, const wchar_t* name) {
  if (!console_.PassActionGuards(ReplayRefusal)) return;
  console_.RunScript(script, name, false, ImmediateScriptMs);
  // The runner leaves the console in front; the presenter goes on in this dialog.
  ::SetForegroundWindow(m_hWnd);
}

void AdvancedOptions::OnApplyStarAppearance() {
  const std::wstring script = StarAppearanceScript(absoluteScale_.GetPos(), relativeScale_.GetPos(),
                                                   IsChecked(*this, StarNamesCheck));
  console_.RecordStep(script, L"", StarStepRecordedMs);
  RunImmediateScript(script, StarAppearanceFile);
}

std::wstring AdvancedOptions::StartTestDatePart() const {
  SYSTEMTIME day{};
  if (IsChecked(*this, SystemDateRadio)) {
    GetLocalTime(&day);
    return SystemDatePart(day);
  }
  startDate_.GetCurSel(&day);
  return ChosenDatePart(day);
}

std::wstring AdvancedOptions::StartTestTimePart() const {
  SYSTEMTIME time{};
  if (IsChecked(*this, SystemTimeRadio))
    GetLocalTime(&time);
  else
    startTime_.GetTime(&time);
  return TimePart(time);
}

void AdvancedOptions::OnTestStartDate() {
  modified_ = true;
  RunImmediateScript(StartDateTestScript(StartTestDatePart(), StartTestTimePart()), TestDateFile);
}

void AdvancedOptions::OnApplyBoundariesColor() {
  settings_.boundariesColor = boundariesPicker_.m_Color;
  RunImmediateScript(ApplyBoundariesScript(settings_.boundariesColor), ApplyBoundariesFile);
}

void AdvancedOptions::OnTestBoundariesColor() {
  settings_.boundariesColor = boundariesPicker_.m_Color;
  RunImmediateScript(TestBoundariesScript(settings_.boundariesColor), TestBoundariesFile);
}

void AdvancedOptions::OnMoonScale() {
  modified_ = true;
  UpdateData(TRUE);
  const std::wstring script = MoonScaleScript(IsChecked(*this, MoonScaleCheck));
  UpdateData(FALSE);
  RunImmediateScript(script, MoonScaleFile);
}
