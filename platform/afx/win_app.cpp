#include "platform/afx/win_app.h"

#include "platform/afx/thread_state.h"
#include "platform/win/dialog_api.h"
#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/module_api.h"
#include "platform/win/registry_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_messages.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

std::wstring executable_title() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring title(path);
  if (auto slash = title.find_last_of(L"\\/"); slash != std::wstring::npos) title.erase(0, slash + 1);
  if (auto dot = title.rfind(L'.'); dot != std::wstring::npos) title.erase(dot);
  return title;
}

DWORD WINAPI thread_start(LPVOID parameter) {
  auto* thread = static_cast<CWinThread*>(parameter);
  afx_internal::thread_state()->thread = thread;
  UINT result = thread->m_pfnThreadProc ? thread->m_pfnThreadProc(thread->m_pThreadParams)
                                        : (thread->InitInstance() ? thread->Run() : thread->ExitInstance());
  if (thread->m_bAutoDelete) {
    CloseHandle(thread->m_hThread);
    delete thread;
  }
  return result;
}

}  // namespace

BOOL CWinThread::InitInstance() {
  return FALSE;
}

int CWinThread::ExitInstance() {
  return 0;
}

BOOL CWinThread::OnIdle(LONG) {
  afx_internal::delete_temporaries();
  return FALSE;
}

int CWinThread::Run() {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  ++state->loop_depth;
  MSG msg{};
  for (;;) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && state->loop_depth == 1) OnIdle(0);
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    if (!AfxPreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  --state->loop_depth;
  int exit_code = ExitInstance();
  return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : exit_code;
}

BOOL CWinThread::PreTranslateMessage(MSG* msg) {
  return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, msg);
}

DWORD CWinThread::ResumeThread() {
  return ::ResumeThread(m_hThread);
}

CWinApp::CWinApp(LPCWSTR app_name) {
  app_name_ = app_name ? app_name : executable_title();
  m_pszAppName = app_name_.c_str();
  m_pszProfileName = m_pszAppName;
  m_nThreadID = GetCurrentThreadId();
  if (afx_internal::ProcessState* process = afx_internal::process_state()) {
    process->app = this;
    afx_internal::thread_state()->thread = this;
  }
}

CWinApp::~CWinApp() {
  afx_internal::ProcessState* process = afx_internal::process_state();
  if (process != nullptr && process->app == this) {
    process->app = nullptr;
    afx_internal::thread_state()->thread = nullptr;
  }
}

int CWinApp::Run() {
  return CWinThread::Run();
}

int CWinApp::DoMessageBox(LPCWSTR prompt, UINT type, UINT) {
  HWND owner = GetActiveWindow();
  if (owner == nullptr && m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
    owner = GetLastActivePopup(m_pMainWnd->m_hWnd);
  return MessageBoxW(owner, prompt, m_pszAppName, type);
}

void CWinApp::SetRegistryKey(LPCWSTR key) {
  registry_key_ = key ? key : L"";
  m_pszRegistryKey = registry_key_.c_str();
}

void CWinApp::SetRegistryKey(UINT string_id) {
  wchar_t key[256] = {};
  LoadStringW(nullptr, string_id, key, 256);
  SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey() {
  if (registry_key_.empty()) return nullptr;
  std::wstring path = L"Software\\" + registry_key_ + L"\\" + app_name_;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

HKEY CWinApp::GetSectionKey(LPCWSTR section) {
  HKEY app = GetAppRegistryKey();
  if (app == nullptr || section == nullptr) return nullptr;
  HKEY key = nullptr;
  LSTATUS status = RegCreateKeyExW(app, section, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                                   nullptr, &key, nullptr);
  RegCloseKey(app);
  return status == ERROR_SUCCESS ? key : nullptr;
}

UINT CWinApp::GetProfileIntW(LPCWSTR section, LPCWSTR entry, int default_value) {
  HKEY key = GetSectionKey(section);
  if (key == nullptr) return static_cast<UINT>(default_value);
  DWORD value = 0;
  DWORD type = 0;
  DWORD size = sizeof(value);
  LSTATUS status = RegQueryValueExW(key, entry, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && type == REG_DWORD ? value : static_cast<UINT>(default_value);
}

BOOL CWinApp::WriteProfileIntW(LPCWSTR section, LPCWSTR entry, int value) {
  HKEY key = GetSectionKey(section);
  if (key == nullptr || entry == nullptr) return FALSE;
  DWORD data = static_cast<DWORD>(value);
  LSTATUS status =
      RegSetValueExW(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

std::wstring CWinApp::GetProfileStringW(LPCWSTR section, LPCWSTR entry, LPCWSTR default_value) {
  std::wstring fallback = default_value ? default_value : L"";
  HKEY key = GetSectionKey(section);
  if (key == nullptr) return fallback;
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(key, entry, nullptr, &type, nullptr, &size);
  std::wstring value;
  if (status == ERROR_SUCCESS && type == REG_SZ) {
    value.resize(size / sizeof(wchar_t) + 1);
    status = RegQueryValueExW(key, entry, nullptr, &type, reinterpret_cast<LPBYTE>(value.data()), &size);
    value.resize(size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0')
      value.pop_back();
  }
  RegCloseKey(key);
  return status == ERROR_SUCCESS && type == REG_SZ ? value : fallback;
}

BOOL CWinApp::WriteProfileStringW(LPCWSTR section, LPCWSTR entry, LPCWSTR value) {
  if (section == nullptr) return FALSE;
  if (entry == nullptr) {
    HKEY app = GetAppRegistryKey();
    if (app == nullptr) return FALSE;
    LSTATUS status = RegDeleteKeyW(app, section);
    RegCloseKey(app);
    return status == ERROR_SUCCESS;
  }
  HKEY key = GetSectionKey(section);
  if (key == nullptr) return FALSE;
  LSTATUS status;
  if (value == nullptr) {
    status = RegDeleteValueW(key, entry);
  } else {
    std::wstring text(value);
    status = RegSetValueExW(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

CWinApp* AfxGetApp() {
  afx_internal::ProcessState* process = afx_internal::process_state();
  return process ? process->app : nullptr;
}

LPCWSTR AfxGetAppName() {
  CWinApp* app = AfxGetApp();
  return app ? app->m_pszAppName : L"";
}

HINSTANCE AfxGetInstanceHandle() {
  return GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
  return GetModuleHandleW(nullptr);
}

CWinThread* AfxGetThread() {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  return state ? state->thread : nullptr;
}

CWnd* AfxGetMainWnd() {
  CWinThread* thread = AfxGetThread();
  if (thread != nullptr && thread->m_pMainWnd != nullptr) return thread->m_pMainWnd;
  CWinApp* app = AfxGetApp();
  return app ? app->m_pMainWnd : nullptr;
}

int AfxWinMain(const std::wstring& command_line) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->command_line_ = command_line;
  app->m_lpCmdLine = app->command_line_.c_str();
  app->m_hInstance = GetModuleHandleW(nullptr);
  if (!app->InitInstance()) {
    if (app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) app->m_pMainWnd->DestroyWindow();
    return app->ExitInstance();
  }
  return app->Run();
}

int AfxMessageBox(LPCWSTR text, UINT type, UINT help_id) {
  if (CWinApp* app = AfxGetApp()) return app->DoMessageBox(text, type, help_id);
  return MessageBoxW(GetActiveWindow(), text, nullptr, type);
}

int AfxMessageBox(UINT prompt_id, UINT type, UINT help_id) {
  wchar_t text[1024] = {};
  LoadStringW(nullptr, prompt_id, text, 1024);
  return AfxMessageBox(text, type, help_id == static_cast<UINT>(-1) ? prompt_id : help_id);
}

BOOL AfxPreTranslateMessage(MSG* msg) {
  if (CWinThread* thread = AfxGetThread()) return thread->PreTranslateMessage(msg);
  CWnd* main = AfxGetMainWnd();
  return CWnd::WalkPreTranslateTree(main ? main->m_hWnd : nullptr, msg);
}

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int, UINT stack_size, DWORD flags,
                           LPSECURITY_ATTRIBUTES security) {
  if (proc == nullptr) return nullptr;
  auto* thread = new CWinThread(proc, param);
  // The new thread waits for the baton, so its object is complete before it runs.
  thread->m_hThread = CreateThread(security, stack_size, thread_start, thread, flags, &thread->m_nThreadID);
  if (thread->m_hThread == nullptr) {
    delete thread;
    return nullptr;
  }
  return thread;
}
