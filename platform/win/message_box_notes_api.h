// The desktop's record of the message boxes programs show, so that tests and scenario files see
// them and answer them. MessageBoxW notes its own; a program that draws its own message box
// notes it with these.
#pragma once

#include <cstddef>

#include "platform/win/win_types.h"

// The record's index, kept while other boxes are noted meanwhile.
std::size_t NoteMessageBoxShown(LPCWSTR text, LPCWSTR title, UINT style);
void NoteMessageBoxWindow(std::size_t record, HWND box);
void NoteMessageBoxAnswer(std::size_t record, int answer);
