#include "src/app/window/activation_burst.h"

#include "platform/win/message_api.h"

void SendActivationBurst(HWND view) {
  for (const BurstMessage& sent : ActivationBurst)
    ::SendMessageW(view, sent.message, sent.wParam, sent.lParam);
}
