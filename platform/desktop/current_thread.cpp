#include "platform/desktop/desktop_thread.h"

namespace desktop {
namespace {
thread_local DesktopThread* tls_current = nullptr;
}

DesktopThread* current_thread() {
  return tls_current;
}
void set_current_thread(DesktopThread* thread) {
  tls_current = thread;
}

}  // namespace desktop
