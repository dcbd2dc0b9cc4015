#include "tests/platform/common_dialogs/common_dialog_fixture.h"

#include "tests/platform/file_helpers.h"

CommonDialogTest::CommonDialogTest() {
  CreateDirectoryW(L"C:\\Shows", nullptr);
  CreateDirectoryW(L"C:\\Shows\\2024", nullptr);
  write_file(L"C:\\Shows\\old.ocsf", "old");
  write_file(L"C:\\Shows\\notes.txt", "notes");
  write_file(L"C:\\Shows\\2024\\talk.ocsf", "talk");
}

HWND CommonDialogTest::open(std::function<void()> body) {
  start_program(L"app.exe", [body] {
    body();
    return DWORD{0};
  });
  machine.run_until_idle();
  return user.target_window();
}

std::vector<std::wstring> CommonDialogTest::list_view_rows(HWND list) {
  std::vector<std::wstring> rows;
  const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    wchar_t text[MAX_PATH]{};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    rows.emplace_back(text);
  }
  return rows;
}

std::vector<std::wstring> CommonDialogTest::list_box_rows(HWND list) {
  std::vector<std::wstring> rows;
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    wchar_t text[MAX_PATH]{};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    rows.emplace_back(text);
  }
  return rows;
}
