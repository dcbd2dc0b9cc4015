// The application object and threads. A program's entry constructs its application object and
// calls AfxWinMain, which runs InitInstance, the message loop while it returns true, and
// ExitInstance. The object belongs to its process: each start of a program gets its own.
//
//   int console_main(const std::wstring& command_line) {
//     COrvennaConsoleApp app;
//     return AfxWinMain(command_line);
//   }
#pragma once

#include <string>

#include "platform/afx/cmd_target.h"
#include "platform/afx/ole_support.h"
#include "platform/afx/wnd.h"
#include "platform/win/win_types.h"

using AFX_THREADPROC = UINT (*)(LPVOID);

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
 public:
  CWinThread() = default;
  CWinThread(AFX_THREADPROC proc, LPVOID param) : m_pfnThreadProc(proc), m_pThreadParams(param) {}

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  virtual int Run();
  // Gives the message's window and its parents and owners, up to the main window, their turn.
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL OnIdle(LONG count);
  DWORD ResumeThread();
  CWnd* GetMainWnd() const { return m_pMainWnd; }

  CWnd* m_pMainWnd = nullptr;
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadID = 0;
  BOOL m_bAutoDelete = TRUE;
  AFX_THREADPROC m_pfnThreadProc = nullptr;
  LPVOID m_pThreadParams = nullptr;
};

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  // Without a name, the application is named after its executable, without ".exe".
  explicit CWinApp(LPCWSTR app_name = nullptr);
  ~CWinApp() override;

  int Run() override;
  // Every AfxMessageBox passes here; the default shows a plain message box titled with the
  // application's name, owned by the active window or the main window's last active popup.
  virtual int DoMessageBox(LPCWSTR prompt, UINT type, UINT help_id);

  // The profile lives under HKEY_CURRENT_USER\Software\<key>\<application name>\<section>.
  void SetRegistryKey(LPCWSTR key);
  void SetRegistryKey(UINT string_id);
  UINT GetProfileIntW(LPCWSTR section, LPCWSTR entry, int default_value);
  BOOL WriteProfileIntW(LPCWSTR section, LPCWSTR entry, int value);
  std::wstring GetProfileStringW(LPCWSTR section, LPCWSTR entry, LPCWSTR default_value = nullptr);
  // A null value deletes the entry; a null entry deletes the section.
  BOOL WriteProfileStringW(LPCWSTR section, LPCWSTR entry, LPCWSTR value);
  HKEY GetAppRegistryKey();
  HKEY GetSectionKey(LPCWSTR section);

  LPCWSTR m_pszAppName = nullptr;
  LPCWSTR m_pszRegistryKey = nullptr;
  LPCWSTR m_pszProfileName = nullptr;
  LPCWSTR m_lpCmdLine = nullptr;
  HINSTANCE m_hInstance = nullptr;

 private:
  friend int AfxWinMain(const std::wstring& command_line);
  std::wstring app_name_;
  std::wstring registry_key_;
  std::wstring command_line_;
};

class CWinAppEx : public CWinApp {
 public:
  using CWinApp::CWinApp;
};

CWinApp* AfxGetApp();
// The application's name; empty without an application object.
LPCWSTR AfxGetAppName();
// The program's module: its resources are found through it.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWnd* AfxGetMainWnd();
CWinThread* AfxGetThread();
int AfxWinMain(const std::wstring& command_line);
int AfxMessageBox(LPCWSTR text, UINT type = 0, UINT help_id = 0);
int AfxMessageBox(UINT prompt_id, UINT type = 0, UINT help_id = static_cast<UINT>(-1));
// The message loop's filter: the calling thread's PreTranslateMessage.
BOOL AfxPreTranslateMessage(MSG* msg);
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = 0, UINT stack_size = 0,
                           DWORD flags = 0, LPSECURITY_ATTRIBUTES security = nullptr);
