// Memory blocks from the program's own heap, created on first use.
#include <windows.h>

#include "platform/memory.h"

namespace {
HANDLE gHeap = nullptr;

HANDLE Heap() {
  if (!gHeap) gHeap = HeapCreate(0, 0, 0);
  return gHeap;
}
}  // namespace

void* MemoryAllocate(int size) {
  if (size < 0 || !Heap()) return nullptr;
  return HeapAlloc(Heap(), 0, static_cast<SIZE_T>(size));
}

void MemoryFree(void* block) {
  if (block && Heap()) HeapFree(Heap(), 0, block);
}
