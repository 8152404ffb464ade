#pragma once
// Memory blocks from the program's own heap, not cleared; null when no memory is left.

void* MemoryAllocate(int size);
void MemoryFree(void* block);
