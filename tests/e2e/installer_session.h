#pragma once
// Drives one run of the installer as a user would: the welcome screen, the setup dialog, the folder browser,
// message boxes and the progress window with its log and "Fertig".
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/ui_driver.h"

namespace e2e {

// A hidden top-level window that counts PureBasic's compiler-restart broadcasts ("PB_MSG_ID", 10174, 0).
class BroadcastListener {
public:
  BroadcastListener();
  ~BroadcastListener();
  BroadcastListener(const BroadcastListener&) = delete;
  BroadcastListener& operator=(const BroadcastListener&) = delete;
  bool Ready() const { return window_ != nullptr; }
  // Handles what has arrived so far and returns the number of restart requests seen since the last Reset.
  int Received();
  void Reset();

private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
};

// The lines of a text whose lines end with CR LF or a lone CR (the log control gives CR LF).
std::vector<std::string> LinesOf(const std::string& text);
// Code page 1252 to UTF-8, for printing on a terminal.
std::string Utf8FromCp1252(const std::string& text);

struct DialogOption {
  std::string label;
  bool enabled;
  bool shown;
};

class InstallerRun {
public:
  explicit InstallerRun(std::string installerPath) : installer_(std::move(installerPath)) {}
  // A run left behind by a failed check is ended, so the next scenario starts alone.
  ~InstallerRun() { process_.Kill(); }

  bool Start();
  DWORD Pid() const { return process_.id(); }
  const ui::Process& Process() const { return process_; }
  // Seconds since Start.
  double Elapsed() const;

  // Window 0, the full-screen background, once it is visible.
  HWND WaitBackground();
  // The part of the welcome line typed so far.
  std::string WelcomeLine();
  // The visible dialog window with its page built.
  HWND WaitDialog();
  // Every static text of the dialog page, in creation order.
  std::vector<std::string> DialogTexts();
  // A button, option or check box of the dialog page by its exact label; null when there is none.
  HWND DialogControl(const char* label);
  // The three action options of the page with their states.
  std::vector<DialogOption> DialogOptions();
  // Clicks the option and waits until "Weiter" is enabled.
  bool Choose(const char* optionLabel);
  bool Continue();
  bool Cancel();
  HWND WaitBrowser();
  // Waits until the browser's selection is the folder (a Windows path); false with what it shows otherwise.
  bool BrowserProposes(const std::string& folder, std::string* shown = nullptr, DWORD timeoutMs = 1000);
  // Makes sure the folder is selected: the proposal when it is right (proposed then says so), else the user
  // picks the folder.
  bool BrowserSelects(const std::string& folder, std::string* shown, bool* proposed = nullptr);
  bool AnswerBrowser(bool ok);
  bool WaitMessage(ui::MessageBoxInfo* box);
  bool AnswerMessage(const ui::MessageBoxInfo& box);
  HWND WaitProgress();
  HWND LogControl();
  // Waits until the log shows its closing line (the run then waits for "Fertig") and gives the log's lines.
  bool WaitLogComplete(std::vector<std::string>* lines);
  bool Finish();
  // Waits for the process to end; true with its exit code.
  bool WaitExit(DWORD* exitCode, DWORD timeoutMs = 15000);

private:
  std::string installer_;
  ui::Process process_;
  LARGE_INTEGER started_{};
  HWND background_ = nullptr;
  HWND dialog_ = nullptr;
  HWND browser_ = nullptr;
  HWND progress_ = nullptr;
};

// A whole run from start to exit, choosing one option and accepting the proposed folder.
struct Walkthrough {
  const char* option = "installieren";
  // The folder the browser must propose; any other proposal is cancelled, so nothing is written elsewhere.
  std::string folder;
  bool answerWarning = false;  // a message box comes between the folder browser and the progress window
  std::string screenshots;     // non-empty: a screenshot of each screen, named with this prefix
};

struct WalkOutcome {
  std::string failedStep;  // empty when every step went through
  std::vector<std::string> dialogTexts;
  std::vector<DialogOption> options;
  bool folderProposed = false;  // the browser came up with the expected folder already selected
  ui::MessageBoxInfo warning;
  std::vector<std::string> log;
  double secondsToLog = 0;  // from the start to the complete log, the run then waiting for "Fertig"
  double secondsWithUser = 0;  // of those, the time the installer waited for the driver on its screens
  DWORD exitCode = 0xFFFFFFFF;
};

WalkOutcome Walk(const std::string& installerPath, const Walkthrough& walkthrough);

}  // namespace e2e
