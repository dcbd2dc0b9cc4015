// A dialog run modally in a program of its own ("app.exe", or the image path given, with the
// console's resources and its registry key) over an owner window at a known place; the dialog's
// result becomes the program's exit code.
#pragma once

#include <functional>

#include "platform/afx/afx.h"
#include "platform/desktop/desktop.h"

desktop::Process& StartDialogProgram(desktop::Desktop& machine, std::function<INT_PTR(CWnd* owner)> run,
                                     RECT ownerRect, const wchar_t* image = L"app.exe");
