// Binds a delay-loaded function on its first call, in place of the C runtime's larger helper. The import library's
// stub of each function calls this with the DLL's descriptor and the function's address slot, then jumps to the
// address returned. The DLL is loaded by name, after start-up has narrowed the DLL search (to the system folder
// where Windows allows it); a name load also keeps the side-by-side redirection that gives the program version 6
// of the common controls.
#include <windows.h>

#include <cstdint>

namespace {

// The delay-import descriptor as the import library writes it: addresses relative to the image base. Our import
// libraries (tools/make-delay-lib) import every function by name.
struct DelayImportDescriptor {
  uint32_t attributes;
  uint32_t dllName;
  uint32_t moduleHandle;
  uint32_t addressTable;
  uint32_t nameTable;
  uint32_t boundAddressTable;
  uint32_t unloadAddressTable;
  uint32_t timeStamp;
};

// What the loader reports when a statically imported DLL or function is missing: a system without one of its
// own user-interface functions cannot run the program, and there is no window to say so.
constexpr UINT kDllNotFound = 0xC0000135;
constexpr UINT kEntryPointNotFound = 0xC0000139;

}  // namespace

extern "C" IMAGE_DOS_HEADER __ImageBase;

extern "C" FARPROC WINAPI __delayLoadHelper2(const DelayImportDescriptor* descriptor, FARPROC* slot) {
  char* const base = reinterpret_cast<char*>(&__ImageBase);
  auto* const module = reinterpret_cast<HMODULE*>(base + descriptor->moduleHandle);
  if (!*module) *module = LoadLibraryA(base + descriptor->dllName);
  if (!*module) ExitProcess(kDllNotFound);
  const auto* const addresses = reinterpret_cast<FARPROC*>(base + descriptor->addressTable);
  const auto* const names = reinterpret_cast<IMAGE_THUNK_DATA32*>(base + descriptor->nameTable);
  const auto* const name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names[slot - addresses].u1.AddressOfData);
  const FARPROC function = GetProcAddress(*module, name->Name);
  if (!function) ExitProcess(kEntryPointNotFound);
  *slot = function;
  return function;
}
