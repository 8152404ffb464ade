#pragma once
// One run of the dialog host, driven from outside as a user would: its windows found by title and class.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/ui_driver.h"

namespace {

constexpr char kSetupDate[] = "13.09.2007";
constexpr DWORD kEndTimeoutMs = 10000;

struct Arguments {
  std::string installedVersion = "0";
  std::string installedDate;
  int top = 112;
  int bottom = 0;
  int noUninstall = 1;
  int offerShortcut = 0;
  int stayOnTop = 0;
  std::string picture = "embedded";
};

// One run of the dialog host; the process is killed when a test leaves it running.
class DialogRun {
public:
  explicit DialogRun(const Arguments& arguments, bool linger = true) {
    const std::vector<std::string> values = {
        "Velkor_400", "1007", kSetupDate, "Dorvanix", "http://www.dorvanix.example", "Beschreibung",
        arguments.installedVersion, arguments.installedDate, std::to_string(arguments.top),
        std::to_string(arguments.bottom), std::to_string(arguments.noUninstall),
        std::to_string(arguments.offerShortcut), std::to_string(arguments.stayOnTop), arguments.picture};
    std::string line;
    for (const std::string& value : values) line += (line.empty() ? "" : " ") + ui::QuoteArgument(value);
    if (linger) line += " linger";
    process_ = ui::ProcessStart(ui::ProgramFolder() + "dialog_host.exe", line);
    if (process_.started()) background_ = ui::WaitTopWindow("WindowClass_0", "SETUP", process_.id());
  }
  ~DialogRun() { process_.Kill(); }

  HWND background() const { return background_; }
  const ui::Process& process() const { return process_; }

  // The dialog window: the other visible "SETUP" window of the host, once the welcome line is typed.
  HWND WaitDialog() {
    ui::WaitUntil([&] { return (dialog_ = FindDialog()) != nullptr; });
    return dialog_;
  }
  HWND FindDialog() const {
    for (HWND window : ui::TopWindows(nullptr, "SETUP", process_.id()))
      if (window != background_ && IsWindowVisible(window)) return window;
    return nullptr;
  }
  HWND Control(int id) const { return ui::FindChildById(dialog_, id); }
  HWND BackgroundControl(int id) const { return ui::FindChildById(background_, id); }

  // The result: after "Weiter" window 0 stays until closed, as the installer later closes it.
  int Result() {
    DWORD code = 0;
    if (!process_.Wait(kEndTimeoutMs, &code)) return -1;
    return static_cast<int>(code);
  }
  int CloseBackgroundAndResult() {
    ui::RequestClose(background_);
    return Result();
  }

private:
  ui::Process process_;
  HWND background_ = nullptr;
  HWND dialog_ = nullptr;
};

}  // namespace
