// Stands in for PureBasic's command-line compiler: answers "/VERSION" with a banner as the real one does, and
// notes each call in called.txt beside itself so that a test can see it was run.
#include <windows.h>

#include <cstring>

int main() {
  char path[MAX_PATH + 16] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = std::strrchr(path, '\\');
  if (length && slash) {
    std::strcpy(slash + 1, "called.txt");
    HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (log != INVALID_HANDLE_VALUE) {
      const char* commandLine = GetCommandLineA();
      DWORD written = 0;
      WriteFile(log, commandLine, static_cast<DWORD>(std::strlen(commandLine)), &written, nullptr);
      WriteFile(log, "\r\n", 2, &written, nullptr);
      CloseHandle(log);
    }
  }
  static const char kBanner[] = "PureBasic 4.10 (Windows - x86)\r\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), kBanner, sizeof(kBanner) - 1, &written, nullptr);
  return 0;
}
