// The restricted DLL search by itself: a DLL beside the program, under a name no system DLL has, is found by a
// load by name before the restriction and not after it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/dll_search.h"
#include "tests/support/driver.h"

TEST(DllSearch, RestrictionSkipsTheProgramsOwnFolder) {
  const std::string beside = ui::ProgramFolder() + "velkor_beside.dll";
  ASSERT_TRUE(CopyFileA((ui::ProgramFolder() + "planted_marker.dll").c_str(), beside.c_str(), FALSE));
  HMODULE before = LoadLibraryA("velkor_beside.dll");
  EXPECT_TRUE(before) << "the planted DLL is not found even without the restriction";
  if (before) FreeLibrary(before);
  RestrictDllSearch();
  HMODULE after = LoadLibraryA("velkor_beside.dll");
  EXPECT_FALSE(after);
  if (after) FreeLibrary(after);
  // The rest of this program searches as before, its own folder included.
  SetDllDirectoryA(nullptr);
  using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
  if (const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesProc>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories"))))
    setDefault(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  DeleteFileA((beside + ".loaded").c_str());
  DeleteFileA(beside.c_str());
}
