// Keys injected down now whose key-up is due later, when a timer of the caller expires. The
// key-up travels by input as the press did and needs none of Orvenna's windows: whatever became
// of Orvenna meanwhile, the keys are not left held.
#pragma once

#include <vector>

#include "platform/win/win_types.h"

class HeldKeys {
 public:
  // Injects the key's press and keeps it for the release named; a key kept already is kept once.
  void Press(UINT_PTR release, BYTE virtualKey);
  bool Holds(UINT_PTR release) const;
  // Injects the key-ups of the keys kept for the release, in the order of their presses.
  void Release(UINT_PTR release);

 private:
  struct HeldKey {
    UINT_PTR release;
    BYTE virtualKey;
  };
  std::vector<HeldKey> held_;
};
