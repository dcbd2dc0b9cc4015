#include "platform/win/common_dialog_error.h"

#include "platform/win/common_dialog_api.h"

namespace {
thread_local DWORD tls_common_dialog_error = 0;
}

namespace win_internal {

void set_common_dialog_error(DWORD error) {
  tls_common_dialog_error = error;
}

}  // namespace win_internal

DWORD WINAPI CommDlgExtendedError() {
  return tls_common_dialog_error;
}
