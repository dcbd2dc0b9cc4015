// Threads, events and the wait functions.
#pragma once

#include "platform/win/win_types.h"

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES attributes, std::size_t stack_size,
                           LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD flags, LPDWORD thread_id);
DWORD WINAPI ResumeThread(HANDLE thread);
BOOL WINAPI GetExitCodeThread(HANDLE thread, LPDWORD exit_code);
DWORD WINAPI GetCurrentThreadId();
DWORD WINAPI GetCurrentProcessId();
DWORD WINAPI GetThreadId(HANDLE thread);

HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES attributes, BOOL manual_reset, BOOL initial_state,
                           LPCWSTR name);
BOOL WINAPI SetEvent(HANDLE event);
BOOL WINAPI ResetEvent(HANDLE event);
BOOL WINAPI CloseHandle(HANDLE handle);

DWORD WINAPI WaitForSingleObject(HANDLE handle, DWORD milliseconds);
DWORD WINAPI WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL wait_all, DWORD milliseconds);
void WINAPI Sleep(DWORD milliseconds);
