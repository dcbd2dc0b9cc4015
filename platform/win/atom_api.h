// The global atom table.
#pragma once

#include "platform/win/win_types.h"

ATOM WINAPI GlobalAddAtomW(LPCWSTR name);
ATOM WINAPI GlobalFindAtomW(LPCWSTR name);
ATOM WINAPI GlobalDeleteAtom(ATOM atom);
UINT WINAPI GlobalGetAtomNameW(ATOM atom, LPWSTR buffer, int size);
