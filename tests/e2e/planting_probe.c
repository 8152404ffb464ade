/* Loads DLLs by their bare names, as careless code would: proves that a planted DLL would be noticed. */
#include <windows.h>

int main(void) {
  HMODULE riched = LoadLibraryA("riched20.dll");
  HMODULE version = LoadLibraryA("version.dll");
  return riched && version ? 0 : 1;
}
