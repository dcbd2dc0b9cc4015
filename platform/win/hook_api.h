// Thread hooks: only the computer-based-training hook's window creation, which a class library
// uses to take over a window before its first message.
#pragma once

#include "platform/win/win_types.h"

OC_DECLARE_HANDLE(HHOOK);
using HOOKPROC = LRESULT(CALLBACK*)(int code, WPARAM wParam, LPARAM lParam);

inline constexpr int WH_CBT = 5;
inline constexpr int HCBT_CREATEWND = 3;

struct CBT_CREATEWNDW {
  CREATESTRUCTW* lpcs;
  HWND hwndInsertAfter;
};

// Only WH_CBT on the calling thread (thread_id 0 or its own id) is supported.
HHOOK WINAPI SetWindowsHookExW(int id, HOOKPROC proc, HINSTANCE instance, DWORD thread_id);
BOOL WINAPI UnhookWindowsHookEx(HHOOK hook);
LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
