// Processes: starting a program from its executable, its command line, waiting for it to be
// ready for input, and its end.
#pragma once

#include "platform/win/win_types.h"

inline constexpr DWORD DEBUG_PROCESS = 0x00000001;
inline constexpr DWORD DETACHED_PROCESS = 0x00000008;
inline constexpr DWORD CREATE_NEW_CONSOLE = 0x00000010;
inline constexpr DWORD NORMAL_PRIORITY_CLASS = 0x00000020;
inline constexpr DWORD CREATE_NEW_PROCESS_GROUP = 0x00000200;
inline constexpr DWORD CREATE_UNICODE_ENVIRONMENT = 0x00000400;
inline constexpr DWORD CREATE_DEFAULT_ERROR_MODE = 0x04000000;
inline constexpr DWORD CREATE_NO_WINDOW = 0x08000000;

inline constexpr DWORD STARTF_USESHOWWINDOW = 0x00000001;

inline constexpr DWORD PROCESS_TERMINATE = 0x0001;
inline constexpr DWORD PROCESS_QUERY_INFORMATION = 0x0400;
inline constexpr DWORD PROCESS_QUERY_LIMITED_INFORMATION = 0x1000;
inline constexpr DWORD SYNCHRONIZE = 0x00100000;
inline constexpr DWORD PROCESS_ALL_ACCESS = 0x001FFFFF;

struct STARTUPINFOW {
  DWORD cb;
  LPWSTR lpReserved;
  LPWSTR lpDesktop;
  LPWSTR lpTitle;
  DWORD dwX;
  DWORD dwY;
  DWORD dwXSize;
  DWORD dwYSize;
  DWORD dwXCountChars;
  DWORD dwYCountChars;
  DWORD dwFillAttribute;
  DWORD dwFlags;
  WORD wShowWindow;
  WORD cbReserved2;
  LPBYTE lpReserved2;
  HANDLE hStdInput;
  HANDLE hStdOutput;
  HANDLE hStdError;
};
using LPSTARTUPINFOW = STARTUPINFOW*;

struct PROCESS_INFORMATION {
  HANDLE hProcess;
  HANDLE hThread;
  DWORD dwProcessId;
  DWORD dwThreadId;
};
using LPPROCESS_INFORMATION = PROCESS_INFORMATION*;

// Only registered programs start: a file of another name fails with ERROR_BAD_EXE_FORMAT.
BOOL WINAPI CreateProcessW(LPCWSTR application_name, LPWSTR command_line,
                           LPSECURITY_ATTRIBUTES process_attributes, LPSECURITY_ATTRIBUTES thread_attributes,
                           BOOL inherit_handles, DWORD creation_flags, LPVOID environment,
                           LPCWSTR current_directory, LPSTARTUPINFOW startup_info,
                           LPPROCESS_INFORMATION information);
LPWSTR WINAPI GetCommandLineW();
HANDLE WINAPI GetCurrentProcess();
HANDLE WINAPI OpenProcess(DWORD access, BOOL inherit_handle, DWORD process_id);
DWORD WINAPI GetProcessId(HANDLE process);
BOOL WINAPI GetExitCodeProcess(HANDLE process, LPDWORD exit_code);
BOOL WINAPI TerminateProcess(HANDLE process, UINT exit_code);
// For a program's own threads: ends the calling process and does not return.
[[noreturn]] void WINAPI ExitProcess(UINT exit_code);
// 0 once a thread of the process has looked for messages and found its queue empty.
DWORD WINAPI WaitForInputIdle(HANDLE process, DWORD milliseconds);
