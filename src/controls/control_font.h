// The font a control was given (WM_GETFONT) as a LOGFONT, the GUI font when it has none.
#pragma once

#include "platform/afx/afx.h"

LOGFONTW ControlLogFont(const CWnd& control);
