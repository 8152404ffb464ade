/* Calls a delay-loaded function that cannot be bound, through the installer's own delay-load helper: "dll" one
   of a DLL that does not exist, anything else one that user32 does not export. Returns 0 only if the call came
   back, which it must not. */
#include <string.h>
#include <windows.h>

int WINAPI VelkorAbsent(void);
int WINAPI VelkorNoSuchExport(void);

int main(int argc, char** argv) {
  if (argc > 1 && strcmp(argv[1], "dll") == 0) VelkorAbsent();
  else VelkorNoSuchExport();
  return 0;
}
