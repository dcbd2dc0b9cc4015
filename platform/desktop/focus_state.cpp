#include "platform/desktop/focus_state.h"

#include <algorithm>

namespace desktop {

void FocusState::set_foreground(HWND hwnd, DWORD process_id) {
  foreground_ = hwnd;
  if (hwnd != nullptr) had_foreground_.insert(process_id);
}

InputContext& FocusState::context_of(DWORD thread_id) {
  auto& context = contexts_[thread_id];
  if (!context) context = std::make_shared<InputContext>();
  return *context;
}

bool FocusState::shares_context(DWORD a, DWORD b) {
  return &context_of(a) == &context_of(b);
}

void FocusState::attach(DWORD thread_id, DWORD to_thread_id) {
  context_of(to_thread_id);
  std::shared_ptr<InputContext> shared = contexts_[to_thread_id];
  std::shared_ptr<InputContext> own = contexts_[thread_id];
  if (own == shared) return;
  // The merged context keeps a focus and an active window where either had one.
  if (own && !shared->focus) shared->focus = own->focus;
  if (own && !shared->active) shared->active = own->active;
  // Every thread that shared the attaching thread's context joins too.
  for (auto& [id, context] : contexts_)
    if (context == own) context = shared;
  contexts_[thread_id] = shared;
  attachments_.insert({thread_id, to_thread_id});
}

bool FocusState::detach(DWORD thread_id, DWORD from_thread_id, const std::function<DWORD(HWND)>& thread_of) {
  if (attachments_.erase({thread_id, from_thread_id}) == 0) return false;
  InputContext& shared = context_of(thread_id);
  auto own = std::make_shared<InputContext>();
  own->keys = shared.keys;
  if (shared.focus != nullptr && thread_of(shared.focus) == thread_id) std::swap(own->focus, shared.focus);
  if (shared.active != nullptr && thread_of(shared.active) == thread_id)
    std::swap(own->active, shared.active);
  contexts_[thread_id] = std::move(own);
  return true;
}

HWND FocusState::last_active_popup(HWND owner) const {
  auto at = last_active_.find(owner);
  return at == last_active_.end() ? nullptr : at->second;
}

void FocusState::set_last_active_popup(HWND owner, HWND popup) {
  last_active_[owner] = popup;
}

void FocusState::forget_window(HWND hwnd) {
  if (foreground_ == hwnd) foreground_ = nullptr;
  for (auto& [id, context] : contexts_) {
    if (context->focus == hwnd) context->focus = nullptr;
    if (context->active == hwnd) context->active = nullptr;
  }
  last_active_.erase(hwnd);
  std::erase_if(last_active_, [&](const auto& entry) { return entry.second == hwnd; });
}

void FocusState::forget_thread(DWORD thread_id) {
  contexts_.erase(thread_id);
  std::erase_if(attachments_,
                [&](const auto& pair) { return pair.first == thread_id || pair.second == thread_id; });
}

}  // namespace desktop
