// The demo's helper: prepares a stand-in PureBasic folder, drives a first installation as a user would when no
// person is at the display, and reports what the installer left behind.
//   e2e_demo prepare            fresh C:\PureBasic\ registered as the active PureBasic
//   e2e_demo drive <installer>  a first installation with screenshots; prints the log
//   e2e_demo report             the installed files and the installation record
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/installer_session.h"
#include "tests/e2e/stand_in_host.h"

using namespace e2e;

namespace {

constexpr char kDemoRoot[] = "C:\\PureBasic\\";

void Print(const std::string& text) { std::printf("%s\n", Utf8FromCp1252(text).c_str()); }

int Prepare() {
  RemoveTree(kDemoRoot);
  CleanRegistry();
  if (!MakeStandInHost(kDemoRoot) || !RegisterPureBasic(kDemoRoot)) {
    std::fprintf(stderr, "demo: cannot prepare %s\n", kDemoRoot);
    return 1;
  }
  std::printf("demo: stand-in PureBasic folder %s, registered as the active PureBasic\n", kDemoRoot);
  return 0;
}

void ListFiles(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ListFiles(folder + name + "\\");
    } else {
      std::printf("  %8lu  ", found.nFileSizeLow);
      Print(folder + name);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

int Report() {
  std::printf("demo: files below %s\n", kDemoRoot);
  ListFiles(kDemoRoot);
  bool found = false;
  const std::string version = RecordValue("Version", &found);
  if (found)
    std::printf("demo: installation record Version=%s Date=%s\n", version.c_str(), RecordValue("Date").c_str());
  else
    std::printf("demo: no installation record\n");
  return 0;
}

int Drive(const std::string& installer) {
  Walkthrough walkthrough;
  walkthrough.screenshots = "demo";
  walkthrough.folder = kDemoRoot;
  const WalkOutcome outcome = Walk(installer, walkthrough);
  if (!outcome.failedStep.empty()) {
    std::fprintf(stderr, "demo: the run stopped at: %s\n", outcome.failedStep.c_str());
    return 1;
  }
  std::printf("demo: the installer's log:\n");
  for (const std::string& line : outcome.log) Print("  | " + line);
  std::printf("demo: exit code %lu, log complete after %.2f s\n", outcome.exitCode, outcome.secondsToLog);
  std::printf("demo: screenshots in %s (demo-*.png)\n", ui::ScreenshotFolder().c_str());
  return Report();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "prepare") return Prepare();
  if (mode == "report") return Report();
  if (mode == "drive" && argc > 2) return Drive(argv[2][0] == '/' ? WindowsPathOf(argv[2]) : argv[2]);
  std::fprintf(stderr, "usage: e2e_demo prepare | drive <installer> | report\n");
  return 2;
}
