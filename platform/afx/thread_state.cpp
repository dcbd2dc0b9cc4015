#include "platform/afx/thread_state.h"

#include "platform/afx/dc.h"
#include "platform/afx/gdi_objects.h"
#include "platform/afx/wnd.h"
#include "platform/desktop/desktop_thread.h"
#include "platform/desktop/process.h"

namespace afx_internal {

ProcessState* process_state() {
  desktop::DesktopThread* self = desktop::current_thread();
  if (self == nullptr) return nullptr;
  auto& slot = self->process().library_state;
  if (!slot) slot = std::make_shared<ProcessState>();
  return static_cast<ProcessState*>(slot.get());
}

ThreadState* thread_state() {
  ProcessState* process = process_state();
  return process ? &process->threads[desktop::current_thread()->thread_id()] : nullptr;
}

void delete_temporaries() {
  ThreadState* state = thread_state();
  if (state == nullptr) return;
  for (auto& [hwnd, wrapper] : state->temporary_windows)
    wrapper->m_hWnd = nullptr;
  state->temporary_windows.clear();
  for (auto& [hdc, wrapper] : state->temporary_dcs)
    wrapper->m_hDC = nullptr;
  state->temporary_dcs.clear();
  for (auto& [handle, wrapper] : state->temporary_objects)
    wrapper->m_hObject = nullptr;
  state->temporary_objects.clear();
}

}  // namespace afx_internal
