#include "src/link/held_keys.h"

#include <algorithm>

#include "platform/win/input_api.h"
#include "src/link/key_injection.h"

void HeldKeys::Press(UINT_PTR release, BYTE virtualKey) {
  SendScanCodeRecord(virtualKey, 0);
  const bool kept = std::ranges::any_of(
      held_, [&](const HeldKey& key) { return key.release == release && key.virtualKey == virtualKey; });
  if (!kept) held_.push_back({release, virtualKey});
}

bool HeldKeys::Holds(UINT_PTR release) const {
  return std::ranges::any_of(held_, [release](const HeldKey& key) { return key.release == release; });
}

void HeldKeys::Release(UINT_PTR release) {
  for (const HeldKey& key : held_)
    if (key.release == release) SendScanCodeRecord(key.virtualKey, KEYEVENTF_KEYUP);
  std::erase_if(held_, [release](const HeldKey& key) { return key.release == release; });
}
