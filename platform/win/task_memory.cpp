#include <cstdlib>

#include "platform/win/task_memory_api.h"

LPVOID WINAPI CoTaskMemAlloc(std::size_t size) {
  return std::malloc(size == 0 ? 1 : size);
}

void WINAPI CoTaskMemFree(LPVOID block) {
  std::free(block);
}
