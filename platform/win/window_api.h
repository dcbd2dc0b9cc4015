// Window classes, windows, their text, rectangles, positions, z-order, properties and searches.
#pragma once

#include "platform/win/win_types.h"

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* window_class);
BOOL WINAPI UnregisterClassW(LPCWSTR class_name, HINSTANCE instance);
BOOL WINAPI GetClassInfoExW(HINSTANCE instance, LPCWSTR class_name, WNDCLASSEXW* window_class);
int WINAPI GetClassNameW(HWND hwnd, LPWSTR buffer, int max_count);

HWND WINAPI CreateWindowExW(DWORD ex_style, LPCWSTR class_name, LPCWSTR window_name, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                            LPVOID param);
BOOL WINAPI DestroyWindow(HWND hwnd);
BOOL WINAPI IsWindow(HWND hwnd);

LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI CallWindowProcW(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

LONG WINAPI GetWindowLongW(HWND hwnd, int index);
LONG WINAPI SetWindowLongW(HWND hwnd, int index, LONG value);
LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index);
LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);

BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text);
int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int max_count);
int WINAPI GetWindowTextLengthW(HWND hwnd);

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect);
BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect);
BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point);
BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point);
int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD ex_style);
BOOL WINAPI GetWindowInfo(HWND hwnd, WINDOWINFO* info);

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL WINAPI SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags);
BOOL WINAPI ShowWindow(HWND hwnd, int command);
BOOL WINAPI ShowWindowAsync(HWND hwnd, int command);
BOOL WINAPI IsWindowVisible(HWND hwnd);
BOOL WINAPI IsIconic(HWND hwnd);
BOOL WINAPI IsZoomed(HWND hwnd);
BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable);
BOOL WINAPI IsWindowEnabled(HWND hwnd);

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect);
BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
BOOL WINAPI UpdateWindow(HWND hwnd);

BOOL WINAPI SetPropW(HWND hwnd, LPCWSTR name, HANDLE data);
HANDLE WINAPI GetPropW(HWND hwnd, LPCWSTR name);
HANDLE WINAPI RemovePropW(HWND hwnd, LPCWSTR name);

HWND WINAPI FindWindowW(LPCWSTR class_name, LPCWSTR window_name);
HWND WINAPI FindWindowExW(HWND parent, HWND child_after, LPCWSTR class_name, LPCWSTR window_name);
BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam);
BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
BOOL WINAPI EnumThreadWindows(DWORD thread_id, WNDENUMPROC proc, LPARAM lParam);
HWND WINAPI GetWindow(HWND hwnd, UINT command);
HWND WINAPI GetTopWindow(HWND hwnd);
HWND WINAPI GetParent(HWND hwnd);
HWND WINAPI GetAncestor(HWND hwnd, UINT flags);
HWND WINAPI GetDesktopWindow();
BOOL WINAPI IsChild(HWND parent, HWND hwnd);
HWND WINAPI GetDlgItem(HWND dialog, int id);
int WINAPI GetDlgCtrlID(HWND hwnd);
DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD process_id);

int WINAPI GetSystemMetrics(int index);
