// The framework's state, per program and per thread: the application object, the windows the
// framework wraps (permanent and temporary wrappers), the window being created and the message
// being handled. It lives in the desktop's process object, so each start of a program gets its
// own and nothing outlives the program.
#pragma once

#include <map>
#include <memory>

#include "platform/win/hook_api.h"
#include "platform/win/win_types.h"

class CWnd;
class CDC;
class CGdiObject;
class CWinApp;
class CWinThread;

namespace afx_internal {

struct ThreadState {
  std::map<HWND, CWnd*> permanent_windows;
  std::map<HWND, std::unique_ptr<CWnd>> temporary_windows;
  std::map<HDC, std::unique_ptr<CDC>> temporary_dcs;
  std::map<HGDIOBJ, std::unique_ptr<CGdiObject>> temporary_objects;
  CWnd* creating = nullptr;  // attached to the next window the creation hook sees
  HHOOK creation_hook = nullptr;
  MSG current{};  // the message being handled, which CWnd::Default passes on
  CWinThread* thread = nullptr;
  int loop_depth = 0;  // message loops of the framework running on this thread
};

struct ProcessState {
  CWinApp* app = nullptr;
  bool control_container = false;  // AfxEnableControlContainer was called
  std::map<DWORD, ThreadState> threads;
};

// Null outside a desktop thread.
ProcessState* process_state();
ThreadState* thread_state();
// The temporary wrappers go when the thread's message loop is idle, as the framework's do.
void delete_temporaries();

}  // namespace afx_internal
