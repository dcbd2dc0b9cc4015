// Where the search's dialogs open: over the middle of the work area of the monitor that shows
// their owner, so that a dialog larger than the training window stays whole on that monitor.
#pragma once

#include "platform/afx/afx.h"

void CentreOnOwnersMonitor(CWnd& dialog, CWnd* owner);
