#include "platform/win/win_errors.h"

namespace {
thread_local DWORD tls_last_error = ERROR_SUCCESS;
}

DWORD WINAPI GetLastError() {
  return tls_last_error;
}
void WINAPI SetLastError(DWORD error) {
  tls_last_error = error;
}
