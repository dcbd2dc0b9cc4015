// CCmdTarget: an object with a message map, which commands are routed to.
#pragma once

#include "platform/afx/message_map.h"
#include "platform/afx/object.h"

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  // Routes a command or notification (WM_COMMAND or WM_NOTIFY with its code and control id)
  // through the message map; true when an entry handled it.
  virtual BOOL OnCmdMsg(UINT message, UINT code, UINT id, const AfxMessage& packed, LRESULT& result);
  virtual const AFX_MSGMAP* GetMessageMap() const;
  static const AFX_MSGMAP* GetThisMessageMap();

  // The first entry, from the most derived map to the base maps, that matches.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
};
