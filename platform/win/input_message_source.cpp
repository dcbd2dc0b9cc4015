// GetCurrentInputMessageSource: whether the message a thread handles came from a device, and
// whether SendInput put it there.
#include "platform/win/input_api.h"
#include "platform/win/message_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

namespace {

DWORD device_of(UINT message) {
  if (message >= WM_KEYFIRST && message <= WM_KEYLAST) return IMDT_KEYBOARD;
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) return IMDT_MOUSE;
  if (message == WM_TOUCH) return IMDT_TOUCH;
  return IMDT_UNAVAILABLE;
}

}  // namespace

namespace win_internal {

void note_input_source(desktop::MessageQueue& queue, const MSG& msg, bool from_input, bool injected) {
  queue.source_device = from_input ? device_of(msg.message) : IMDT_UNAVAILABLE;
  // Only the keyboard tells typed keys from SendInput's; other input says nothing of its origin.
  if (queue.source_device == IMDT_KEYBOARD)
    queue.source_origin = injected ? IMO_INJECTED : IMO_HARDWARE;
  else
    queue.source_origin = IMO_UNAVAILABLE;
}

}  // namespace win_internal

BOOL WINAPI GetCurrentInputMessageSource(INPUT_MESSAGE_SOURCE* source) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || source == nullptr) return FALSE;
  const bool sent = InSendMessage() != FALSE;
  source->deviceType =
      static_cast<INPUT_MESSAGE_DEVICE_TYPE>(sent ? IMDT_UNAVAILABLE : self->queue.source_device);
  source->originId = static_cast<INPUT_MESSAGE_ORIGIN_ID>(sent ? IMO_UNAVAILABLE : self->queue.source_origin);
  return TRUE;
}
