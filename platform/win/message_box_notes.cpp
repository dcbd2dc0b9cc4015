#include "platform/win/message_box_notes_api.h"

#include "platform/win/win_internal.h"

namespace {

std::vector<desktop::ShownMessageBox>* shown_boxes() {
  auto* thread = win_internal::caller();
  return thread == nullptr ? nullptr : &thread->desktop().observations().message_boxes;
}

}  // namespace

std::size_t NoteMessageBoxShown(LPCWSTR text, LPCWSTR title, UINT style) {
  auto* shown = shown_boxes();
  if (shown == nullptr) return 0;
  shown->push_back({nullptr, text != nullptr ? text : L"", title != nullptr ? title : L"", style, 0});
  return shown->size() - 1;
}

void NoteMessageBoxWindow(std::size_t record, HWND box) {
  auto* shown = shown_boxes();
  if (shown != nullptr && record < shown->size()) (*shown)[record].box = box;
}

void NoteMessageBoxAnswer(std::size_t record, int answer) {
  auto* shown = shown_boxes();
  if (shown != nullptr && record < shown->size()) (*shown)[record].answer = answer < 0 ? 0 : answer;
}
