// The exe's entry point, in place of the C runtime's start-up. The program reads no arguments through the C runtime,
// starts no threads, uses no thread-local data and ends only through ExitProcess, so that start-up code (argument
// vectors, TLS callbacks, pseudo-relocation, the math error hook, the exception filter) would only add size.
// The link refuses anything that would need a pseudo-relocation (--disable-runtime-pseudo-reloc).
#include <windows.h>

#include "installer/program_arguments.h"

// GCC's routine that runs the global constructors on targets without an init section.
extern "C" void __main();

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int show);

// The global constructors register destructors here. Registered functions would run only through exit(), which
// the program never calls (ProgramEnd ends the process with ExitProcess), so nothing is kept.
extern "C" int atexit(void (*)()) { return 0; }

// The linker's default entry for a GUI program.
extern "C" void WinMainCRTStartup() {
  __main();
  char program[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  char* arguments = const_cast<char*>(CommandLineArguments(GetCommandLineA(), program));
  ExitProcess(WinMain(GetModuleHandleA(nullptr), nullptr, arguments, SW_SHOWDEFAULT));
}
