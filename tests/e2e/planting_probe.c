/* Loads DLLs by their bare names, as careless code would: proves that a planted DLL would be noticed. */
#include <windows.h>

int main(void) { return LoadLibraryA("riched20.dll") ? 0 : 1; }
