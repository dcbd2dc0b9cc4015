#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "platform/com/ole_auto_api.h"

namespace {

using LengthPrefix = std::uint32_t;

// The length prefix sits just before the characters, which are aligned for any character type.
constexpr std::size_t kPrefixSpace = alignof(std::max_align_t) > sizeof(LengthPrefix)
                                         ? alignof(std::max_align_t)
                                         : sizeof(LengthPrefix);

LengthPrefix* prefix_of(BSTR text) {
  return reinterpret_cast<LengthPrefix*>(reinterpret_cast<char*>(text) - sizeof(LengthPrefix));
}

}  // namespace

BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT length) {
  const std::size_t bytes = static_cast<std::size_t>(length) * sizeof(OLECHAR);
  auto* block = static_cast<char*>(std::malloc(kPrefixSpace + bytes + sizeof(OLECHAR)));
  if (block == nullptr) return nullptr;
  auto* characters = reinterpret_cast<OLECHAR*>(block + kPrefixSpace);
  *prefix_of(characters) = static_cast<LengthPrefix>(bytes);
  if (text != nullptr)
    std::memcpy(characters, text, bytes);
  else
    std::memset(characters, 0, bytes);
  characters[length] = L'\0';
  return characters;
}

BSTR WINAPI SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(std::wcslen(text)));
}

void WINAPI SysFreeString(BSTR text) {
  if (text != nullptr) std::free(reinterpret_cast<char*>(text) - kPrefixSpace);
}

UINT WINAPI SysStringLen(BSTR text) {
  return text == nullptr ? 0 : *prefix_of(text) / sizeof(OLECHAR);
}
