// Stands in for PureBasic's command-line compiler. Every run appends "<process id> <command line> flags=<startup
// flags> show=<show state>" to called.txt beside itself. VELKOR_STANDIN chooses what it then does:
//   (unset)     prints a PureBasic 4.10 banner and ends
//   hang        prints the banner and never ends
//   flood       prints the banner, then blocks of "x" for a minute, also once nobody reads them any more
//   grandchild  starts a copy in mode linger on the same output, prints the banner and ends
//   linger      waits up to a minute for the event "velkor_standin_release", then writes until the pipe breaks:
//               exit code 0 when a write failed (no read end is left), 3 when every write went through
#include <windows.h>

#include <string>

namespace {

bool Write(const std::string& text) {
  DWORD written = 0;
  return WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void NoteCall() {
  char path[MAX_PATH + 16] = {};
  std::string log(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  log = log.substr(0, log.find_last_of('\\') + 1) + "called.txt";
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  const std::string line = std::to_string(GetCurrentProcessId()) + " " + GetCommandLineA() +
                           " flags=" + std::to_string(startup.dwFlags) + " show=" + std::to_string(startup.wShowWindow) + "\r\n";
  HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

void StartLingeringCopy() {
  char self[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  SetEnvironmentVariableA("VELKOR_STANDIN", "linger");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(self, nullptr, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) return;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

}  // namespace

int main() {
  NoteCall();
  char setting[16] = {};
  GetEnvironmentVariableA("VELKOR_STANDIN", setting, sizeof setting);
  const std::string mode = setting;
  if (mode == "linger") {
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, "velkor_standin_release");
    WaitForSingleObject(release, 60000);
    CloseHandle(release);
    for (int i = 0; i < 200; ++i, Sleep(10))
      if (!Write("x")) return 0;
    return 3;
  }
  if (mode == "grandchild") StartLingeringCopy();
  Write("PureBasic 4.10 (Windows - x86)\r\n");
  if (mode == "hang") Sleep(INFINITE);
  for (const DWORD start = GetTickCount(); mode == "flood" && GetTickCount() - start < 60000;)
    if (!Write(std::string(65536, 'x'))) Sleep(100);
  return 0;
}
