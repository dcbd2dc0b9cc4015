#include "tests/dialogs/chooser_fixture.h"

#include "src/settings/settings_key.h"
#include "tests/dialogs/dialog_program.h"

void ChooserTest::open(std::function<INT_PTR(CWnd* owner)> run, RECT ownerRect) {
  process_ = &StartDialogProgram(machine, std::move(run), ownerRect);
  machine.run_until_idle();
}

long ChooserTest::result() const {
  if (process_ == nullptr || !process_->object->signalled) return -1;
  return static_cast<long>(process_->object->exit_code);
}

void ChooserTest::set_language(DWORD index) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExW(key, L"Language", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&index), sizeof(index));
  RegCloseKey(key);
}

int ChooserTest::focused_id() {
  const DWORD thread = GetWindowThreadProcessId(dialog(), nullptr);
  return GetDlgCtrlID(machine.focus().context_of(thread).focus);
}
