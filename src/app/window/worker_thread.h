// The end of a worker thread of the main dialog that sets its controls' texts: the user-interface
// thread handles those requests while it waits, or neither could go on.
#pragma once

#include "platform/afx/win_app.h"

// Waits for the thread to end, then closes and deletes it (it must not delete itself).
void WaitForWorkerThread(CWinThread*& thread, DWORD pollMs);
