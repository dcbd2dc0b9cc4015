// A table of handles with generations: a handle whose slot was freed and reused is refused.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace desktop {

template <typename Object>
class HandleTable {
 public:
  // Handle values are (generation << 16 | slot + 1) << shift; shift 2 gives kernel-style values.
  explicit HandleTable(unsigned shift) : shift_(shift) {}

  std::uintptr_t add(std::shared_ptr<Object> object) {
    std::uint32_t slot;
    if (free_.size() > kReuseAfter || slots_.size() >= kMaxSlots) {
      if (free_.empty()) return 0;
      slot = free_.front();
      free_.pop_front();
    } else {
      slot = static_cast<std::uint32_t>(slots_.size());
      slots_.push_back({});
    }
    Slot& s = slots_[slot];
    s.object = std::move(object);
    return encode(slot, s.generation);
  }

  std::shared_ptr<Object> find(std::uintptr_t value) const {
    Slot const* s = slot_of(value);
    return s ? s->object : nullptr;
  }

  Object* get(std::uintptr_t value) const {
    Slot const* s = slot_of(value);
    return s ? s->object.get() : nullptr;
  }

  void remove(std::uintptr_t value) {
    Slot const* s = slot_of(value);
    if (!s) return;
    auto slot = static_cast<std::uint32_t>(s - slots_.data());
    slots_[slot].object.reset();
    slots_[slot].generation = static_cast<std::uint16_t>(slots_[slot].generation + 1);
    if (slots_[slot].generation == 0) slots_[slot].generation = 1;
    free_.push_back(slot);
  }

  template <typename Fn>
  void for_each(Fn&& fn) const {
    for (std::uint32_t slot = 0; slot < slots_.size(); ++slot)
      if (slots_[slot].object) fn(encode(slot, slots_[slot].generation), *slots_[slot].object);
  }

 private:
  struct Slot {
    std::shared_ptr<Object> object;
    std::uint16_t generation = 1;
  };
  // Freed slots wait in line before reuse, so a stale handle is rarely a live one again.
  static constexpr std::size_t kReuseAfter = 1024;
  static constexpr std::size_t kMaxSlots = 0xFFFE;

  std::uintptr_t encode(std::uint32_t slot, std::uint16_t generation) const {
    return ((static_cast<std::uintptr_t>(generation) << 16) | (slot + 1)) << shift_;
  }

  Slot const* slot_of(std::uintptr_t value) const {
    if (value == 0 || (value & ((std::uintptr_t{1} << shift_) - 1)) != 0) return nullptr;
    value >>= shift_;
    if (value > 0xFFFFFFFFu) return nullptr;
    std::uint32_t slot = static_cast<std::uint32_t>(value & 0xFFFF);
    auto generation = static_cast<std::uint16_t>(value >> 16);
    if (slot == 0 || slot > slots_.size()) return nullptr;
    const Slot& s = slots_[slot - 1];
    if (!s.object || s.generation != generation) return nullptr;
    return &s;
  }

  unsigned shift_;
  std::vector<Slot> slots_;
  std::deque<std::uint32_t> free_;
};

}  // namespace desktop
