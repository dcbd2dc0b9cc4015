#include "tests/afx/afx_fixture.h"

desktop::DesktopThread& AfxTest::start_app(std::function<int()> body) {
  desktop::Process& process = machine.create_process(L"app.exe");
  app_process = &process;
  desktop::DesktopThread& thread = machine.start_thread(process, [body] {
    SetModuleResources(&kSampleResources);
    return static_cast<DWORD>(body());
  });
  machine.run_until_idle();
  return thread;
}

long AfxTest::exit_code() const {
  if (app_process == nullptr || !app_process->object->signalled) return -1;
  return static_cast<long>(app_process->object->exit_code);
}

HWND AfxTest::find_dialog(const wchar_t* title) const {
  return FindWindowW(WC_DIALOG, title);
}

std::vector<std::wstring> AfxTest::child_texts(HWND parent) const {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    texts.emplace_back(text);
  }
  return texts;
}
