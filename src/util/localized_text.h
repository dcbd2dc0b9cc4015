// Texts of the string table in the interface language: the id of a text in language L is its
// base id plus L.
#pragma once

#include <string>

#include "platform/win/win_types.h"

// The entry of that exact id; empty when the table has none.
std::wstring LoadResourceText(UINT id);
// Sets the window's text to that entry (the caller adds the language index).
void SetWindowTextFromResource(HWND window, UINT id);
// A message box of the given type with the text of baseId in the interface language, whose
// "%d" (as in "Error # %d") takes the number.
void ShowLocalizedError(UINT baseId, UINT type, int number);
// The text of baseId in the interface language.
std::wstring LoadLocalizedText(UINT baseId);
