// GetOpenFileNameW and GetSaveFileNameW: a modal dialog of the dialog manager over the desktop's
// drives. The list shows the folder's folders, then its files that match the filter; a click on
// a file puts its name into the name edit, a double click (or Enter) on a folder goes into it.
// OK reads the name edit as a person typed it.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/desktop/windows_path.h"
#include "platform/win/common_dialog_api.h"
#include "platform/win/common_dialog_error.h"
#include "platform/win/controls_api.h"
#include "platform/win/dialog_api.h"
#include "platform/win/dialog_placement.h"
#include "platform/win/file_api.h"
#include "platform/win/file_dialog_layout.h"
#include "platform/win/file_dialog_names.h"
#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/path_api.h"
#include "platform/win/rect_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

// A row of the list, posted to the dialog to open once the list has finished with the click.
constexpr UINT kOpenRow = WM_APP + 1;
constexpr int kSizeColumn = 90;
constexpr int kTypeColumn = 90;

struct Entry {
  std::wstring name;
  bool folder;
  ULONGLONG size;
};

struct Session {
  OPENFILENAMEW* request;
  bool saving;
  std::wstring title;
  std::vector<file_dialog::Filter> filters;
  std::vector<std::wstring> patterns;
  std::wstring folder;
  std::vector<Entry> entries;
  std::vector<std::wstring> places;  // the look-in list's folders
  bool filling = false;
  DWORD error = 0;
  HWND dialog = nullptr;
  // A thread ended inside the dialog unwinds past the session before its windows go.
  ~Session() {
    if (dialog != nullptr && IsWindow(dialog)) SetWindowLongPtrW(dialog, DWLP_USER, 0);
  }
};

Session* session_of(HWND dialog) {
  return reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

DWORD attributes_of(const std::wstring& path) {
  return GetFileAttributesW(path.c_str());
}

bool is_folder(const std::wstring& path) {
  const DWORD attributes = attributes_of(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool is_file(const std::wstring& path) {
  const DWORD attributes = attributes_of(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring text_of(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(std::max(GetWindowTextLengthW(control), 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::vector<Entry> list_folder(const Session& session) {
  std::vector<Entry> entries;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(desktop::join_path(session.folder, L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  const bool show_hidden = (session.request->Flags & OFN_FORCESHOWHIDDEN) != 0;
  do {
    const std::wstring name = found.cFileName;
    const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (name == L"." || name == L"..") continue;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) && !show_hidden) continue;
    if (!folder && !file_dialog::matches_any(session.patterns, name)) continue;
    entries.push_back({name, folder, (ULONGLONG{found.nFileSizeHigh} << 32) | found.nFileSizeLow});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.folder != b.folder) return a.folder;
    return desktop::name_before(a.name, b.name);
  });
  return entries;
}

std::wstring size_text(const Entry& entry) {
  if (entry.folder) return {};
  wchar_t text[32]{};
  std::swprintf(text, 32, L"%llu KB", (entry.size + 1023) / 1024);
  return text;
}

std::wstring type_text(const Entry& entry) {
  if (entry.folder) return L"File folder";
  const std::size_t dot = entry.name.rfind(L'.');
  if (dot == std::wstring::npos || dot + 1 == entry.name.size()) return L"File";
  return desktop::upper_case(std::wstring_view(entry.name).substr(dot + 1)) + L" File";
}

void set_cell(HWND list, int row, int column, const std::wstring& text) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = const_cast<LPWSTR>(text.c_str());
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void fill_list(HWND dialog, Session& session) {
  HWND list = GetDlgItem(dialog, lst1);
  session.filling = true;
  session.entries = list_folder(session);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < session.entries.size(); ++i) {
    const Entry& entry = session.entries[i];
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<LPWSTR>(entry.name.c_str());
    item.lParam = static_cast<LPARAM>(i);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    set_cell(list, static_cast<int>(i), 1, size_text(entry));
    set_cell(list, static_cast<int>(i), 2, type_text(entry));
  }
  session.filling = false;
}

// The drives, and on the folder's drive the folders down to it, each one step further in.
void fill_places(HWND dialog, Session& session) {
  HWND combo = GetDlgItem(dialog, cmb2);
  session.filling = true;
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  session.places.clear();
  const DWORD drives = GetLogicalDrives();
  const wchar_t current = desktop::drive_of(session.folder);
  for (int letter = 0; letter < 26; ++letter) {
    if (!(drives & (1u << letter))) continue;
    const wchar_t drive = static_cast<wchar_t>(L'A' + letter);
    std::vector<std::wstring> chain = drive == current
                                          ? file_dialog::folder_chain(session.folder)
                                          : std::vector<std::wstring>{std::wstring{drive} + L":\\"};
    for (std::size_t depth = 0; depth < chain.size(); ++depth) {
      const std::wstring name = depth == 0 ? chain[0] : std::wstring(desktop::file_name_of(chain[depth]));
      const std::wstring shown = std::wstring(depth * 2, L' ') + name;
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
      session.places.push_back(chain[depth]);
    }
  }
  const auto at = std::find(session.places.begin(), session.places.end(), session.folder);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(at - session.places.begin()), 0);
  session.filling = false;
}

void show_folder(HWND dialog, Session& session, const std::wstring& folder) {
  session.folder = folder;
  fill_places(dialog, session);
  fill_list(dialog, session);
  EnableWindow(GetDlgItem(dialog, psh1), !file_dialog::parent_folder(folder).empty());
}

void go_up(HWND dialog, Session& session) {
  const std::wstring parent = file_dialog::parent_folder(session.folder);
  if (!parent.empty()) show_folder(dialog, session, parent);
}

int selected_row(HWND dialog) {
  return static_cast<int>(
      SendDlgItemMessageW(dialog, lst1, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

const Entry* entry_at(const Session& session, int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= session.entries.size()) return nullptr;
  return &session.entries[static_cast<std::size_t>(row)];
}

void tell(HWND dialog, const Session& session, const std::wstring& text) {
  MessageBoxW(dialog, text.c_str(), session.title.c_str(), MB_OK | MB_ICONEXCLAMATION);
  SetFocus(GetDlgItem(dialog, edt1));
}

bool copy_out(const std::wstring& text, LPWSTR buffer, DWORD capacity) {
  if (buffer == nullptr || text.size() + 1 > capacity) return false;
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = L'\0';
  return true;
}

void finish(HWND dialog, Session& session, const std::wstring& path) {
  OPENFILENAMEW& request = *session.request;
  if (!copy_out(path, request.lpstrFile, request.nMaxFile)) {
    // The buffer's first two bytes then say how many characters it needs.
    if (request.lpstrFile != nullptr && request.nMaxFile >= 1)
      request.lpstrFile[0] = static_cast<wchar_t>(std::min<std::size_t>(path.size() + 1, 0xFFFF));
    session.error = FNERR_BUFFERTOOSMALL;
    EndDialog(dialog, IDCANCEL);
    return;
  }
  const std::wstring name{desktop::file_name_of(path)};
  request.nFileOffset = static_cast<WORD>(path.size() - name.size());
  request.nFileExtension = static_cast<WORD>(file_dialog::extension_offset(path));
  if (request.lpstrFileTitle != nullptr) copy_out(name, request.lpstrFileTitle, request.nMaxFileTitle);
  const auto filter = SendDlgItemMessageW(dialog, cmb1, CB_GETCURSEL, 0, 0);
  if (filter >= 0) request.nFilterIndex = static_cast<DWORD>(filter + 1);
  request.Flags &= ~(OFN_EXTENSIONDIFFERENT | OFN_READONLY);
  if (IsWindowVisible(GetDlgItem(dialog, chx1)) &&
      SendDlgItemMessageW(dialog, chx1, BM_GETCHECK, 0, 0) == BST_CHECKED)
    request.Flags |= OFN_READONLY;
  const std::wstring wanted = file_dialog::default_extension(request.lpstrDefExt);
  if (request.lpstrDefExt != nullptr &&
      !desktop::equal_names(std::wstring_view(path).substr(request.nFileExtension), wanted))
    request.Flags |= OFN_EXTENSIONDIFFERENT;
  EndDialog(dialog, IDOK);
}

// A name with wildcards filters the list, in the folder it names if it names one.
void filter_by(HWND dialog, Session& session, const std::wstring& typed) {
  const std::size_t separator = typed.find_last_of(L"\\/");
  if (separator != std::wstring::npos) {
    const auto folder = file_dialog::resolve(session.folder, typed.substr(0, separator + 1));
    if (!folder || !is_folder(*folder)) {
      tell(dialog, session, typed + L"\nPath does not exist.\nCheck the path and try again.");
      return;
    }
    session.folder = *folder;
  }
  session.patterns =
      file_dialog::split_patterns(separator == std::wstring::npos ? typed : typed.substr(separator + 1));
  show_folder(dialog, session, session.folder);
}

void accept(HWND dialog, Session& session, const std::wstring& typed) {
  if (file_dialog::has_wildcards(typed)) {
    filter_by(dialog, session, typed);
    return;
  }
  const auto full = file_dialog::resolve(session.folder, typed);
  if (!full) {
    tell(dialog, session, typed + L"\nThe file name is not valid.");
    return;
  }
  if (is_folder(*full)) {
    show_folder(dialog, session, *full);
    SetDlgItemTextW(dialog, edt1, L"");
    return;
  }
  const DWORD flags = session.request->Flags;
  std::wstring path = *full;
  const std::wstring extension = file_dialog::default_extension(session.request->lpstrDefExt);
  if (!extension.empty() && !file_dialog::has_extension(path) && (session.saving || !is_file(path)))
    path += L"." + extension;
  if ((flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !is_folder(desktop::folder_of(path))) {
    tell(dialog, session, path + L"\nPath does not exist.\nCheck the path and try again.");
    return;
  }
  const bool exists = is_file(path);
  if ((flags & OFN_FILEMUSTEXIST) && !exists) {
    tell(dialog, session, path + L"\nFile not found.\nCheck the file name and try again.");
    return;
  }
  if (session.saving && exists && (flags & OFN_OVERWRITEPROMPT)) {
    const std::wstring question = path + L" already exists.\nDo you want to replace it?";
    if (MessageBoxW(dialog, question.c_str(), L"Confirm Save As", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
      SetFocus(GetDlgItem(dialog, edt1));
      return;
    }
  }
  finish(dialog, session, path);
}

// A folder's row goes into the folder; a file's row is the name chosen.
void open_row(HWND dialog, Session& session, int row) {
  const Entry* entry = entry_at(session, row);
  if (entry == nullptr) return;
  if (entry->folder) {
    show_folder(dialog, session, desktop::join_path(session.folder, entry->name));
    return;
  }
  SetDlgItemTextW(dialog, edt1, entry->name.c_str());
  accept(dialog, session, entry->name);
}

// OK, or Enter anywhere: in the list on a folder it opens the folder, else the name typed counts.
void ok(HWND dialog, Session& session) {
  const Entry* selected = entry_at(session, selected_row(dialog));
  const bool in_list = GetFocus() == GetDlgItem(dialog, lst1);
  const std::wstring typed = text_of(dialog, edt1);
  if (selected != nullptr && selected->folder && (in_list || typed.empty())) {
    open_row(dialog, session, selected_row(dialog));
    return;
  }
  if (!typed.empty()) accept(dialog, session, typed);
}

void list_notice(HWND dialog, Session& session, const NMHDR& header) {
  if (session.filling) return;
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const Entry* entry = entry_at(session, change.iItem);
    if (entry != nullptr && !entry->folder && (change.uNewState & LVIS_SELECTED))
      SetDlgItemTextW(dialog, edt1, entry->name.c_str());
  } else if (header.code == NM_DBLCLK) {
    const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
    if (row >= 0) PostMessageW(dialog, kOpenRow, static_cast<WPARAM>(row), 0);
  } else if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_BACK) {
    PostMessageW(dialog, kOpenRow, static_cast<WPARAM>(-1), 0);
  }
}

void add_column(HWND list, int index, LPCWSTR caption, int width) {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = width;
  column.pszText = const_cast<LPWSTR>(caption);
  column.iSubItem = index;
  SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

// The folder to start in: lpstrFile's own, lpstrInitialDir, the current folder, else C:\.
std::wstring starting_folder(const OPENFILENAMEW& request, std::wstring& name) {
  const std::wstring file = request.lpstrFile != nullptr ? request.lpstrFile : L"";
  const std::size_t separator = file.find_last_of(L"\\/");
  name = separator == std::wstring::npos ? file : file.substr(separator + 1);
  wchar_t current[MAX_PATH]{};
  GetCurrentDirectoryW(MAX_PATH, current);
  std::vector<std::wstring> candidates;
  if (separator != std::wstring::npos) candidates.push_back(file.substr(0, separator + 1));
  if (request.lpstrInitialDir != nullptr) candidates.emplace_back(request.lpstrInitialDir);
  candidates.emplace_back(current);
  for (const std::wstring& candidate : candidates) {
    const auto folder = file_dialog::resolve(current, candidate);
    if (folder && is_folder(*folder)) return *folder;
  }
  return L"C:\\";
}

void initialise(HWND dialog, Session& session) {
  win_internal::keep_on_monitor(dialog);
  const OPENFILENAMEW& request = *session.request;
  HWND list = GetDlgItem(dialog, lst1);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT client{};
  GetClientRect(list, &client);
  add_column(list, 0, L"Name", std::max(60, static_cast<int>(client.right) - kSizeColumn - kTypeColumn - 20));
  add_column(list, 1, L"Size", kSizeColumn);
  add_column(list, 2, L"Type", kTypeColumn);
  for (const file_dialog::Filter& filter : session.filters)
    SendDlgItemMessageW(dialog, cmb1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(filter.description.c_str()));
  if (!session.filters.empty()) {
    const std::size_t chosen = std::clamp<std::size_t>(request.nFilterIndex, 1, session.filters.size()) - 1;
    SendDlgItemMessageW(dialog, cmb1, CB_SETCURSEL, chosen, 0);
    session.patterns = session.filters[chosen].patterns;
  }
  if (request.Flags & OFN_HIDEREADONLY) ShowWindow(GetDlgItem(dialog, chx1), SW_HIDE);
  SendDlgItemMessageW(dialog, chx1, BM_SETCHECK, (request.Flags & OFN_READONLY) ? BST_CHECKED : BST_UNCHECKED,
                      0);
  std::wstring name;
  show_folder(dialog, session, starting_folder(request, name));
  SetDlgItemTextW(dialog, edt1, name.c_str());
  SetFocus(GetDlgItem(dialog, edt1));
}

void command(HWND dialog, Session& session, int id, WORD code) {
  switch (id) {
    case IDOK:
      ok(dialog, session);
      break;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      break;
    case psh1:
      go_up(dialog, session);
      break;
    case cmb1:
      if (code == CBN_SELCHANGE && !session.filling) {
        const auto chosen = SendDlgItemMessageW(dialog, cmb1, CB_GETCURSEL, 0, 0);
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < session.filters.size())
          session.patterns = session.filters[static_cast<std::size_t>(chosen)].patterns;
        fill_list(dialog, session);
      }
      break;
    case cmb2:
      if (code == CBN_SELCHANGE && !session.filling) {
        const auto chosen = SendDlgItemMessageW(dialog, cmb2, CB_GETCURSEL, 0, 0);
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < session.places.size())
          show_folder(dialog, session, session.places[static_cast<std::size_t>(chosen)]);
      }
      break;
    default:
      break;
  }
}

INT_PTR CALLBACK file_dialog_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* session = reinterpret_cast<Session*>(lParam);
    session->dialog = dialog;
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    initialise(dialog, *session);
    return FALSE;
  }
  Session* session = session_of(dialog);
  if (session == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      command(dialog, *session, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom == static_cast<UINT_PTR>(lst1)) list_notice(dialog, *session, header);
      return TRUE;
    }
    case kOpenRow:
      if (static_cast<int>(wParam) < 0)
        go_up(dialog, *session);
      else
        open_row(dialog, *session, static_cast<int>(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL run(LPOPENFILENAMEW request, bool saving) {
  win_internal::set_common_dialog_error(0);
  if (win_internal::caller() == nullptr) {
    win_internal::set_common_dialog_error(CDERR_INITIALIZATION);
    return FALSE;
  }
  if (request == nullptr || request->lStructSize != sizeof(OPENFILENAMEW)) {
    win_internal::set_common_dialog_error(CDERR_STRUCTSIZE);
    return FALSE;
  }
  Session session{request, saving, {}, {}, {}, {}, {}, {}, false, 0, nullptr};
  session.title = request->lpstrTitle != nullptr ? request->lpstrTitle : saving ? L"Save As" : L"Open";
  session.filters = file_dialog::parse_filters(request->lpstrFilter);
  const std::vector<DialogItemTemplate> items = file_dialog::items(saving ? L"&Save" : L"&Open");
  const DialogTemplate dialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER,
                              WS_EX_DLGMODALFRAME,
                              0,
                              0,
                              file_dialog::kWidth,
                              file_dialog::kHeight,
                              session.title.c_str(),
                              L"MS Sans Serif",
                              8,
                              items.data(),
                              static_cast<int>(items.size())};
  const INT_PTR answer = DialogBoxIndirectParamW(nullptr, &dialog, request->hwndOwner, file_dialog_procedure,
                                                 reinterpret_cast<LPARAM>(&session));
  if (answer == -1) session.error = CDERR_DIALOGFAILURE;
  win_internal::set_common_dialog_error(session.error);
  return answer == IDOK && session.error == 0;
}

}  // namespace

BOOL WINAPI GetOpenFileNameW(LPOPENFILENAMEW request) {
  return run(request, false);
}

BOOL WINAPI GetSaveFileNameW(LPOPENFILENAMEW request) {
  return run(request, true);
}
