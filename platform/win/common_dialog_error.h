// The calling thread's common-dialog error, which CommDlgExtendedError reads.
#pragma once

#include "platform/win/win_types.h"

namespace win_internal {

void set_common_dialog_error(DWORD error);

}  // namespace win_internal
