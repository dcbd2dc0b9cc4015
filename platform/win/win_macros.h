// The word, byte and coordinate packing helpers of Win32.
#pragma once

#include "platform/win/win_types.h"

constexpr WORD LOWORD(DWORD_PTR value) {
  return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(DWORD_PTR value) {
  return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr BYTE LOBYTE(DWORD_PTR value) {
  return static_cast<BYTE>(value & 0xFF);
}
constexpr BYTE HIBYTE(DWORD_PTR value) {
  return static_cast<BYTE>((value >> 8) & 0xFF);
}
constexpr WORD MAKEWORD(DWORD_PTR low, DWORD_PTR high) {
  return static_cast<WORD>((low & 0xFF) | ((high & 0xFF) << 8));
}
constexpr LONG MAKELONG(DWORD_PTR low, DWORD_PTR high) {
  return static_cast<LONG>(static_cast<DWORD>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr LPARAM MAKELPARAM(DWORD_PTR low, DWORD_PTR high) {
  return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}
constexpr WPARAM MAKEWPARAM(DWORD_PTR low, DWORD_PTR high) {
  return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}
constexpr LRESULT MAKELRESULT(DWORD_PTR low, DWORD_PTR high) {
  return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(low, high)));
}
constexpr int GET_X_LPARAM(LPARAM lp) {
  return static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lp)));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
  return static_cast<short>(HIWORD(static_cast<DWORD_PTR>(lp)));
}

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r | (static_cast<DWORD>(g) << 8) | (static_cast<DWORD>(b) << 16));
}
constexpr BYTE GetRValue(COLORREF c) {
  return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
  return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
  return static_cast<BYTE>((c >> 16) & 0xFF);
}

// Integer atoms and resource ids travel in the pointer of a name.
inline LPCWSTR MAKEINTATOM(WORD atom) {
  return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom));
}
inline LPCWSTR MAKEINTRESOURCEW(WORD id) {
  return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(id));
}
inline bool IS_INTRESOURCE(LPCWSTR name) {
  return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}
