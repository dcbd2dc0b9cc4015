// Posting, sending, retrieving and dispatching messages, and window timers.
#pragma once

#include "platform/win/win_types.h"

BOOL WINAPI PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL WINAPI PostThreadMessageW(DWORD thread_id, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL WINAPI SendNotifyMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max);
BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove);
BOOL WINAPI TranslateMessage(const MSG* msg);
LRESULT WINAPI DispatchMessageW(const MSG* msg);
void WINAPI PostQuitMessage(int exit_code);
BOOL WINAPI WaitMessage();
BOOL WINAPI InSendMessage();
DWORD WINAPI InSendMessageEx(LPVOID reserved);
DWORD WINAPI GetMessageTime();
DWORD WINAPI GetMessagePos();

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id);
