// Check boxes and radio buttons of a dialog, read and set by id.
#pragma once

#include "platform/afx/afx.h"

bool IsChecked(const CWnd& dialog, int id);
void SetChecked(CWnd& dialog, int id, bool checked);
// Ticks one radio of a pair and clears the other.
void ChooseRadio(CWnd& dialog, int chosen, int other);
void EnableItem(CWnd& dialog, int id, bool enable);
