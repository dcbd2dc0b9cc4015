#include "platform/afx/cmd_target.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {
const AFX_MSGMAP_ENTRY kNoEntries[] = {{0, 0, 0, 0, nullptr}};
}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP message_map = {nullptr, kNoEntries};
  return &message_map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
  return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry)
      if (entry->nMessage == message && entry->nCode == code && id >= entry->nID && id <= entry->nLastID)
        return entry;
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT message, UINT code, UINT id, const AfxMessage& packed, LRESULT& result) {
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, code, id);
  if (entry == nullptr) return FALSE;
  AfxMessage with_id = packed;
  with_id.id = id;
  entry->pfn(this, with_id, result);
  return TRUE;
}
