// Finds the PureBasic directory from the registry entries that make PureBasic.exe open files, trying four
// sources in turn, and the program associated with a file extension.
#include "registry/host_lookup.h"

#include <windows.h>

#include "registry/key_search.h"
#include "registry/lookup_rules.h"
#include "registry/registry_access.h"
#include "registry/registry_key.h"

namespace {

constexpr DWORD kCommandLineBufferSize = 522;
constexpr DWORD kNameBufferSize = 255;

// Asked afresh at every branch.
bool ClassesRootBranch() { return PlatformTakesClassesRoot(static_cast<uint32_t>(GetVersion())); }

// The first source reads the default value directly: any value type, at most 521 characters.
Text ReadDirectCommandLine() {
  const bool classesRoot = ClassesRootBranch();
  const HKEY root = classesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
  const char* path = classesRoot ? "Applications\\PureBasic.exe\\shell\\open\\command"
                                 : "Software\\Classes\\PureBasic.exe\\shell\\open\\command";
  char buffer[kCommandLineBufferSize] = {};
  const ScopedKey key = OpenKey(root, path, KEY_ALL_ACCESS);
  if (!key) return Text();
  DWORD size = sizeof buffer;
  if (RegQueryValueExA(key.get(), "", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return Text();
  return TextFromMemory(buffer, sizeof buffer);
}

Text ReadLibraryCommandLine() {
  if (ClassesRootBranch())
    return RegReadString(HKEY_CLASSES_ROOT, "Applications\\Purebasic.exe\\shell\\open\\command", "");
  return RegReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\Applications\\Purebasic.exe\\shell\\open\\command",
                       "");
}

Text ReadSearchedCommandLine() {
  const Text path = RegFindSubKey(HKEY_CLASSES_ROOT, "PureBasic.exe", "command");
  const HKEY root = RegRootFromName(path);
  const int slash = TextFind(path, "\\");
  const Text keyPath = slash ? TextMid(path, slash + 1, path.length()) : Text();
  return RegReadString(root, keyPath, "");
}

// The default value of a key below HKEY_CLASSES_ROOT, read with read access into a 255-byte buffer.
bool ReadClassesDefault(TextView path, Text& value) {
  char buffer[kNameBufferSize] = {};
  const ScopedKey key = OpenKey(HKEY_CLASSES_ROOT, path.c_str(), KEY_READ);
  if (!key) return false;
  DWORD size = sizeof buffer;
  if (RegQueryValueExA(key.get(), "", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return false;
  // The reported size counts the terminating zero.
  value = TextFromMemory(buffer, static_cast<int>(size) - 1);
  return true;
}

}  // namespace

Text LocatePureBasic() {
  Text directory;
  if (CutDirectCommandLine(ReadDirectCommandLine(), directory)) return directory;
  if (CutLibraryCommandLine(ReadLibraryCommandLine(), directory)) return directory;
  if (CutSearchedCommandLine(ReadSearchedCommandLine(), directory)) return directory;
  if (CutAssociatedCommandLine(GetAssociatedProgram("pb"), directory)) return directory;
  return Text();
}

Text GetAssociatedProgram(TextView extension) {
  Text className;
  Text commandLine;
  if (!ReadClassesDefault("." + extension, className) ||
      !ReadClassesDefault(className + "\\Shell\\Open\\Command", commandLine))
    return Text();
  return ProgramFromCommandLine(commandLine);
}
