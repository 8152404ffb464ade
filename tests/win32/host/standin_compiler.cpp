// Stands in for the host's compiler in the query tests. VELKOR_STANDIN_MODE chooses what it does:
//   print   writes VELKOR_STANDIN_TEXT and ends        blocks  writes the '|'-separated parts 300 ms apart
//   hang    writes the text and never ends             grandchild  starts a lingering copy on the same output, writes, ends
//   linger  (the lingering copy) waits for the event "velkor_standin_release", then writes until the pipe breaks
//   flood   two threads write 64 KB blocks of the text without pause, for 60 s or until the pipe breaks
// Every run appends its command line and start-up flags to VELKOR_STANDIN_LOG; hang and linger write their
// process id to VELKOR_STANDIN_PIDFILE.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
std::string Env(const char* name) {
  char value[32768];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length && length < sizeof value ? std::string(value, length) : std::string();
}

bool Write(const std::string& text) {
  DWORD written = 0;
  return WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void AppendTo(const std::string& path, const std::string& line) {
  if (path.empty()) return;
  if (FILE* file = std::fopen(path.c_str(), "ab")) {
    std::fputs(line.c_str(), file);
    std::fclose(file);
  }
}

std::string gBlock;

DWORD WINAPI Flood(void*) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < 60000;)
    if (!Write(gBlock)) break;
  return 0;
}

void StartLingeringCopy() {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  SetEnvironmentVariableA("VELKOR_STANDIN_MODE", "linger");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  PROCESS_INFORMATION started{};
  std::string commandLine = std::string("\"") + self + "\"";
  if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
}
}  // namespace

int main() {
  const std::string mode = Env("VELKOR_STANDIN_MODE");
  const std::string text = Env("VELKOR_STANDIN_TEXT");
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  char flags[64];
  std::snprintf(flags, sizeof flags, "|flags=%lx|show=%d\n", startup.dwFlags, startup.wShowWindow);
  AppendTo(Env("VELKOR_STANDIN_LOG"), mode + "|" + GetCommandLineA() + flags);
  if (mode == "hang" || mode == "linger") AppendTo(Env("VELKOR_STANDIN_PIDFILE"), std::to_string(GetCurrentProcessId()));

  if (mode == "print" || mode == "hang") Write(text);
  if (mode == "hang") Sleep(INFINITE);
  if (mode == "blocks") {
    size_t start = 0;
    for (size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1) {
      Write(text.substr(start, bar - start));
      Sleep(300);
    }
    Write(text.substr(start));
  }
  if (mode == "grandchild") {
    StartLingeringCopy();
    Write(text);
  }
  if (mode == "flood") {
    while (gBlock.size() < 65536) gBlock += text;
    if (HANDLE second = CreateThread(nullptr, 0, Flood, nullptr, 0, nullptr)) CloseHandle(second);
    Flood(nullptr);
  }
  if (mode == "linger") {
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, "velkor_standin_release");
    WaitForSingleObject(release, 20000);
    for (int i = 0; i < 200; ++i, Sleep(50))
      if (!Write("x")) return 0;  // the reader is gone: nobody else holds the read end
    return 3;
  }
  return 0;
}
