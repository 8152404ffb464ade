#include "tests/e2e/installer_session.h"

#include <algorithm>

namespace e2e {

namespace {

constexpr char kWelcomeLine[] = "Willkommen zum Setup von:";
constexpr char kClosingLine[] = "Hilfe einzubinden.";
constexpr DWORD kWindowTimeoutMs = 15000;
constexpr DWORD kInstallTimeoutMs = 30000;

UINT RestartMessage() {
  static const UINT message = RegisterWindowMessageA("PB_MSG_ID");
  return message;
}

int restartsSeen = 0;

void Shot(const std::string& prefix, const char* screen) {
  if (!prefix.empty()) ui::SaveScreenshot(prefix + "-" + screen);
}

bool IsOption(HWND control) { return (ui::StyleOf(control) & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }

}  // namespace

// ---- Broadcast listener ----

BroadcastListener::BroadcastListener() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "VelkorRestartListener";
  RegisterClassA(&windowClass);
  window_ = CreateWindowA("VelkorRestartListener", "restart listener", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                          nullptr, windowClass.hInstance, nullptr);
}

BroadcastListener::~BroadcastListener() {
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK BroadcastListener::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RestartMessage() && wParam == 10174 && lParam == 0) ++restartsSeen;
  return DefWindowProcA(window, message, wParam, lParam);
}

int BroadcastListener::Received() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return restartsSeen;
}

void BroadcastListener::Reset() {
  Received();
  restartsSeen = 0;
}

// ---- Texts ----

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

std::string Utf8FromCp1252(const std::string& text) {
  if (text.empty()) return text;
  std::wstring wide(text.size(), L'\0');
  const int wideLength = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                             static_cast<int>(wide.size()));
  std::string utf8(static_cast<size_t>(wideLength) * 3, '\0');
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(static_cast<size_t>(length));
  return utf8;
}

// ---- One run ----

bool InstallerRun::Start() {
  QueryPerformanceCounter(&started_);
  process_ = ui::ProcessStart(installer_);
  return process_.started();
}

double InstallerRun::Elapsed() const {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - started_.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND InstallerRun::WaitBackground() {
  background_ = ui::WaitTopWindow("WindowClass_0", "SETUP", Pid(), true, kWindowTimeoutMs);
  return background_;
}

std::string InstallerRun::WelcomeLine() {
  for (HWND label : ui::Descendants(background_, "Static")) {
    const std::string text = ui::TextOf(label);
    if (!text.empty() && std::string(kWelcomeLine).compare(0, text.size(), text) == 0) return text;
  }
  return std::string();
}

HWND InstallerRun::WaitDialog() {
  dialog_ = nullptr;
  ui::WaitUntil(
      [&] {
        for (HWND window : ui::TopWindows(nullptr, "SETUP", Pid())) {
          if (window != background_ && IsWindowVisible(window) && ui::FindChild(window, "Button", "Weiter")) {
            dialog_ = window;
            return true;
          }
        }
        return false;
      },
      kWindowTimeoutMs, 5);
  return dialog_;
}

std::vector<std::string> InstallerRun::DialogTexts() {
  std::vector<std::string> texts;
  for (HWND label : ui::Descendants(dialog_, "Static")) texts.push_back(ui::TextOf(label));
  return texts;
}

HWND InstallerRun::DialogControl(const char* label) { return ui::FindChild(dialog_, "Button", label); }

std::vector<DialogOption> InstallerRun::DialogOptions() {
  std::vector<DialogOption> options;
  for (HWND control : ui::Descendants(dialog_, "Button"))
    if (IsOption(control)) options.push_back({ui::TextOf(control), ui::IsEnabled(control), ui::IsShown(control)});
  return options;
}

bool InstallerRun::Choose(const char* optionLabel) {
  HWND next = DialogControl("Weiter");
  if (!ui::Click(DialogControl(optionLabel))) return false;
  return ui::WaitUntil([&] { return ui::IsEnabled(next); }, kWindowTimeoutMs, 5);
}

bool InstallerRun::Continue() { return ui::PostClick(DialogControl("Weiter")); }

bool InstallerRun::Cancel() { return ui::PostClick(DialogControl("Abbruch")); }

HWND InstallerRun::WaitBrowser() {
  browser_ = ui::WaitFolderBrowser(Pid(), kWindowTimeoutMs);
  return browser_;
}

bool InstallerRun::BrowserProposes(const std::string& folder, std::string* shown, DWORD timeoutMs) {
  // The last two names of the path identify it well enough: every stand-in folder has a unique parent.
  std::vector<std::string> expected;
  size_t end = folder.size();
  if (end && folder[end - 1] == '\\') --end;
  for (int i = 0; i < 2; ++i) {
    const size_t slash = folder.rfind('\\', end - 1);
    if (slash == std::string::npos) break;
    expected.push_back(folder.substr(slash + 1, end - slash - 1));
    end = slash;
  }
  std::vector<std::string> selection;
  const bool proposed = ui::WaitUntil(
      [&] {
        selection = ui::FolderBrowserSelection(browser_);
        return selection.size() >= expected.size() &&
               std::equal(expected.begin(), expected.end(), selection.begin());
      },
      timeoutMs, 10);
  if (shown) {
    shown->clear();
    for (auto name = selection.rbegin(); name != selection.rend(); ++name) *shown += "/" + *name;
  }
  return proposed;
}

// Wine's folder browser now and then leaves its initial selection at the top of the tree; a user then picks the
// folder by hand, and so does the driver.
bool InstallerRun::BrowserSelects(const std::string& folder, std::string* shown, bool* proposed) {
  const bool right = BrowserProposes(folder, shown);
  if (proposed) *proposed = right;
  if (right) return true;
  std::string path = folder;
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return ui::FolderBrowserSelect(browser_, path) && BrowserProposes(folder, shown, kWindowTimeoutMs);
}

bool InstallerRun::AnswerBrowser(bool ok) { return ui::AnswerFolderBrowser(browser_, ok, kWindowTimeoutMs); }

bool InstallerRun::WaitMessage(ui::MessageBoxInfo* box) { return ui::WaitMessageBox(Pid(), box, kWindowTimeoutMs); }

bool InstallerRun::AnswerMessage(const ui::MessageBoxInfo& box) {
  return ui::AnswerMessageBox(box, IDOK, kWindowTimeoutMs);
}

HWND InstallerRun::WaitProgress() {
  progress_ = ui::WaitTopWindow("WindowClass_1", "Fortschritt ...", Pid(), true, kWindowTimeoutMs);
  return progress_;
}

HWND InstallerRun::LogControl() { return ui::FindChildById(progress_, 100); }

bool InstallerRun::WaitLogComplete(std::vector<std::string>* lines) {
  HWND log = LogControl();
  std::string text;
  // The installer handles no messages while it installs, so each read returns only once it waits again.
  const bool complete = ui::WaitUntil(
      [&] {
        text = ui::TextOf(log);
        const size_t closing = sizeof(kClosingLine) - 1;
        return text.size() >= closing && text.compare(text.size() - closing, closing, kClosingLine) == 0;
      },
      kInstallTimeoutMs, 5);
  *lines = LinesOf(text);
  return complete;
}

bool InstallerRun::Finish() { return ui::PostClick(ui::FindChildById(progress_, 101)); }

bool InstallerRun::WaitExit(DWORD* exitCode, DWORD timeoutMs) { return process_.Wait(timeoutMs, exitCode); }

// ---- A whole run ----

WalkOutcome Walk(const std::string& installerPath, const Walkthrough& walkthrough) {
  WalkOutcome outcome;
  InstallerRun run(installerPath);
  const std::string& shots = walkthrough.screenshots;
  auto failed = [&](const char* step) {
    outcome.failedStep = step;
    return outcome;
  };
  if (!run.Start()) return failed("start");
  if (!run.WaitBackground()) return failed("background window");
  if (!shots.empty()) {
    ui::WaitUntil([&] { return run.WelcomeLine().size() >= 8; }, kWindowTimeoutMs, 5);
    Shot(shots, "1-welcome");
  }
  if (!run.WaitDialog()) return failed("setup dialog");
  double shown = run.Elapsed();
  outcome.dialogTexts = run.DialogTexts();
  outcome.options = run.DialogOptions();
  if (!run.Choose(walkthrough.option)) return failed("choosing the option");
  Shot(shots, "2-dialog");
  outcome.secondsWithUser += run.Elapsed() - shown;
  if (!run.Continue()) return failed("Weiter");
  if (!run.WaitBrowser()) return failed("folder browser");
  shown = run.Elapsed();
  std::string selection;
  if (!walkthrough.folder.empty()) {
    if (!run.BrowserSelects(walkthrough.folder, &selection, &outcome.folderProposed)) {
      run.AnswerBrowser(false);
      outcome.failedStep = "folder browser selects " + selection;
      return outcome;
    }
  }
  Shot(shots, "3-folder");
  outcome.secondsWithUser += run.Elapsed() - shown;
  if (!run.AnswerBrowser(true)) return failed("answering the folder browser");
  if (walkthrough.answerWarning) {
    if (!run.WaitMessage(&outcome.warning)) return failed("warning");
    shown = run.Elapsed();
    Shot(shots, "4-warning");
    outcome.secondsWithUser += run.Elapsed() - shown;
    if (!run.AnswerMessage(outcome.warning)) return failed("answering the warning");
  }
  if (!run.WaitProgress()) return failed("progress window");
  const bool complete = run.WaitLogComplete(&outcome.log);
  outcome.secondsToLog = run.Elapsed();
  if (!complete) return failed("complete log");
  Shot(shots, "5-progress");
  if (!run.Finish()) return failed("Fertig");
  if (!run.WaitExit(&outcome.exitCode)) return failed("exit");
  return outcome;
}

}  // namespace e2e
