// SHBrowseForFolderW: a modal dialog of the dialog manager with the folders as an indented list,
// a tree with one branch open: the drives, the folders down to the open one, and its folders.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/desktop/windows_path.h"
#include "platform/win/controls_api.h"
#include "platform/win/dialog_api.h"
#include "platform/win/dialog_placement.h"
#include "platform/win/file_api.h"
#include "platform/win/file_dialog_names.h"
#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/path_api.h"
#include "platform/win/shell_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

// A folder to open, posted once the list has finished with the double click.
constexpr UINT kOpenFolder = WM_APP + 1;

struct Node {
  std::wstring path;
  std::size_t depth;
};

struct Session {
  BROWSEINFOW* info;
  std::wstring open;      // the folder whose folders show
  std::wstring selected;  // the folder chosen, or empty
  std::vector<Node> nodes;
  std::wstring result;
  HWND dialog = nullptr;
  // A thread ended inside the dialog unwinds past the session before its windows go.
  ~Session() {
    if (dialog != nullptr && IsWindow(dialog)) SetWindowLongPtrW(dialog, DWLP_USER, 0);
  }
};

Session* session_of(HWND dialog) {
  return reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool is_folder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::wstring> subfolders(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(desktop::join_path(folder, L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) && name != L"." && name != L"..")
      names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(),
            [](const std::wstring& a, const std::wstring& b) { return desktop::name_before(a, b); });
  return names;
}

std::wstring shown_name(const Node& node) {
  const std::wstring name = node.depth == 0 ? node.path : std::wstring(desktop::file_name_of(node.path));
  return std::wstring(node.depth * 2, L' ') + name;
}

std::vector<Node> tree(const std::wstring& open) {
  std::vector<Node> nodes;
  const DWORD drives = GetLogicalDrives();
  const wchar_t open_drive = open.empty() ? L'\0' : desktop::drive_of(open);
  for (int letter = 0; letter < 26; ++letter) {
    if (!(drives & (1u << letter))) continue;
    const wchar_t drive = static_cast<wchar_t>(L'A' + letter);
    if (drive != open_drive) {
      nodes.push_back({std::wstring{drive} + L":\\", 0});
      continue;
    }
    const std::vector<std::wstring> chain = file_dialog::folder_chain(open);
    for (std::size_t depth = 0; depth < chain.size(); ++depth)
      nodes.push_back({chain[depth], depth});
    for (const std::wstring& name : subfolders(open))
      nodes.push_back({desktop::join_path(open, name), chain.size()});
  }
  return nodes;
}

int callback(const Session& session, HWND dialog, UINT message, LPARAM lParam) {
  if (session.info->lpfn == nullptr) return 0;
  return session.info->lpfn(dialog, message, lParam, session.info->lParam);
}

void tell_selection(HWND dialog, const Session& session) {
  PIDLIST_ABSOLUTE list = ILCreateFromPathW(session.selected.c_str());
  callback(session, dialog, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(list));
  ILFree(list);
}

void fill(HWND dialog, Session& session) {
  HWND list = GetDlgItem(dialog, kBrowseFolderTree);
  session.nodes = tree(session.open);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  int chosen = -1;
  for (std::size_t i = 0; i < session.nodes.size(); ++i) {
    const std::wstring text = shown_name(session.nodes[i]);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (desktop::equal_names(session.nodes[i].path, session.selected)) chosen = static_cast<int>(i);
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

void choose(HWND dialog, Session& session, const std::wstring& folder) {
  session.selected = folder;
  SetDlgItemTextW(dialog, kBrowseFolderEdit, folder.c_str());
  tell_selection(dialog, session);
}

void open_folder(HWND dialog, Session& session, const std::wstring& folder) {
  session.open = folder;
  fill(dialog, session);
}

void select_path(HWND dialog, Session& session, const std::wstring& path) {
  wchar_t current[MAX_PATH]{};
  GetCurrentDirectoryW(MAX_PATH, current);
  const auto folder = file_dialog::resolve(current, path);
  if (!folder || !is_folder(*folder)) return;
  session.selected = *folder;
  open_folder(dialog, session, *folder);
  choose(dialog, session, *folder);
}

// The folder typed (from the folder chosen) when there is an edit, else the folder chosen.
void ok(HWND dialog, Session& session) {
  std::wstring folder = session.selected;
  HWND edit = GetDlgItem(dialog, kBrowseFolderEdit);
  if (IsWindowVisible(edit)) {
    std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    typed.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, typed.data(), static_cast<int>(typed.size()))));
    if (!typed.empty()) {
      wchar_t current[MAX_PATH]{};
      GetCurrentDirectoryW(MAX_PATH, current);
      const auto full = file_dialog::resolve(session.selected.empty() ? current : session.selected, typed);
      if (!full || !is_folder(*full)) {
        if (session.info->ulFlags & BIF_VALIDATE) {
          if (callback(session, dialog, BFFM_VALIDATEFAILEDW, reinterpret_cast<LPARAM>(typed.c_str())) == 0)
            EndDialog(dialog, IDCANCEL);
          return;
        }
        const std::wstring text = typed + L"\nThe folder does not exist.";
        MessageBoxW(dialog, text.c_str(), L"Browse For Folder", MB_OK | MB_ICONEXCLAMATION);
        SetFocus(edit);
        return;
      }
      folder = *full;
    }
  }
  if (folder.empty()) return;
  session.result = folder;
  EndDialog(dialog, IDOK);
}

void list_notice(HWND dialog, Session& session, WORD code) {
  const auto index = static_cast<int>(SendDlgItemMessageW(dialog, kBrowseFolderTree, LB_GETCURSEL, 0, 0));
  if (index < 0 || static_cast<std::size_t>(index) >= session.nodes.size()) return;
  const std::wstring folder = session.nodes[static_cast<std::size_t>(index)].path;
  if (code == LBN_SELCHANGE) choose(dialog, session, folder);
  if (code == LBN_DBLCLK) PostMessageW(dialog, kOpenFolder, static_cast<WPARAM>(index), 0);
}

void initialise(HWND dialog, Session& session) {
  win_internal::keep_on_monitor(dialog);
  const BROWSEINFOW& info = *session.info;
  SetDlgItemTextW(dialog, kBrowseFolderTitle, info.lpszTitle != nullptr ? info.lpszTitle : L"");
  if (!(info.ulFlags & BIF_EDITBOX)) {
    ShowWindow(GetDlgItem(dialog, kBrowseFolderEditLabel), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, kBrowseFolderEdit), SW_HIDE);
  }
  fill(dialog, session);
  SetFocus(GetDlgItem(dialog, kBrowseFolderTree));
  callback(session, dialog, BFFM_INITIALIZED, 0);
}

INT_PTR CALLBACK folder_browser_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
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
      if (LOWORD(wParam) == IDOK) ok(dialog, *session);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      if (LOWORD(wParam) == kBrowseFolderTree) list_notice(dialog, *session, HIWORD(wParam));
      return TRUE;
    case kOpenFolder:
      if (wParam < session->nodes.size()) open_folder(dialog, *session, session->nodes[wParam].path);
      return TRUE;
    case BFFM_SETSELECTIONW: {
      wchar_t path[MAX_PATH]{};
      if (wParam != 0 && lParam != 0)
        select_path(dialog, *session, reinterpret_cast<LPCWSTR>(lParam));
      else if (SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
        select_path(dialog, *session, path);
      return TRUE;
    }
    case BFFM_ENABLEOK:
      EnableWindow(GetDlgItem(dialog, IDOK), lParam != 0);
      return TRUE;
    case BFFM_SETOKTEXT:
      SetDlgItemTextW(dialog, IDOK, reinterpret_cast<LPCWSTR>(lParam));
      return TRUE;
    case BFFM_SETSTATUSTEXTW:
      return TRUE;
    default:
      return FALSE;
  }
}

std::vector<DialogItemTemplate> items() {
  return {
      {L"Static", kBrowseFolderTitle, L"", 8, 6, 204, 18, WS_VISIBLE, 0},
      {L"ListBox", kBrowseFolderTree, L"", 8, 26, 204, 120,
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0},
      {L"Static", kBrowseFolderEditLabel, L"&Folder:", 8, 154, 30, 8, WS_VISIBLE, 0},
      {L"Edit", kBrowseFolderEdit, L"", 40, 152, 172, 12,
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0},
      {L"Button", IDOK, L"OK", 108, 172, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0},
      {L"Button", IDCANCEL, L"Cancel", 162, 172, 50, 14, WS_VISIBLE | WS_TABSTOP, 0},
  };
}

}  // namespace

PIDLIST_ABSOLUTE WINAPI SHBrowseForFolderW(LPBROWSEINFOW info) {
  if (win_internal::caller() == nullptr || info == nullptr) return nullptr;
  Session session{info, {}, {}, {}, {}, nullptr};
  const std::vector<DialogItemTemplate> controls = items();
  const DialogTemplate dialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER,
                              WS_EX_DLGMODALFRAME,
                              0,
                              0,
                              220,
                              192,
                              L"Browse For Folder",
                              L"MS Sans Serif",
                              8,
                              controls.data(),
                              static_cast<int>(controls.size())};
  const INT_PTR answer = DialogBoxIndirectParamW(nullptr, &dialog, info->hwndOwner, folder_browser_procedure,
                                                 reinterpret_cast<LPARAM>(&session));
  if (answer != IDOK) return nullptr;
  if (info->pszDisplayName != nullptr) {
    const std::wstring_view name = desktop::file_name_of(session.result);
    const std::wstring shown = name.empty() ? session.result : std::wstring(name);
    const std::size_t count = std::min<std::size_t>(shown.size(), MAX_PATH - 1);
    std::copy_n(shown.begin(), count, info->pszDisplayName);
    info->pszDisplayName[count] = L'\0';
  }
  return ILCreateFromPathW(session.result.c_str());
}
