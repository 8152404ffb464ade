#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "host/compiler_restart.h"
#include "standin.h"

namespace {
// A window in another process that records the first restart message it receives.
class Listener {
public:
  explicit Listener(const std::string& markerFile) {
    static int count = 0;
    const std::string name = "velkor_listener_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    result_ = std::string(temp) + name + ".txt";
    ready_ = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    process_ = ui::ProcessStart(ui::ProgramFolder() + "window_helper.exe",
                                "listen " + ui::QuoteArgument(result_) + " " + name + " " + ui::QuoteArgument(markerFile));
    EXPECT_EQ(WaitForSingleObject(ready_, 10000), WAIT_OBJECT_0);
  }
  ~Listener() {
    process_.Kill();
    CloseHandle(ready_);
    DeleteFileA(result_.c_str());
  }
  // "wParam lParam markerExisted" of the message received, or empty text when none came.
  std::string Record() {
    DWORD exitCode = 99;
    EXPECT_TRUE(process_.Wait(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    std::ifstream file(result_, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

private:
  std::string result_;
  HANDLE ready_;
  ui::Process process_;
};
}  // namespace

TEST(CompilerRestart, EveryListeningWindowGetsTheBroadcastAfterTheCompilerRan) {
  StandinInstallation installation;
  installation.Behave("blocks", "PureBasic|4.10\r\n");
  Listener first(installation.logPath());
  Listener second(installation.logPath());
  EXPECT_EQ(RequestCompilerRestart(), 0);
  EXPECT_EQ(first.Record(), "10174 0 1");
  EXPECT_EQ(second.Record(), "10174 0 1");
}

TEST(CompilerRestart, WithoutACompilerTheBroadcastIsPostedAllTheSame) {
  StandinInstallation installation(StandinInstallation::Compiler::Nothing);
  Listener listener(installation.logPath());
  EXPECT_EQ(RequestCompilerRestart(), 0);
  EXPECT_EQ(listener.Record(), "10174 0 0");
}
