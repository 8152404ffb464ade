#pragma once
// Helpers with which a test drives another process's windows as a user would: start the program, find its
// windows by title and class, click controls, read their texts, states and positions, answer message boxes and
// the folder browser, and save screenshots. Every wait is bounded.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

constexpr DWORD kDefaultTimeoutMs = 10000;

// ---- Processes ----

// A started process; the handles are closed when it goes out of scope (the process itself keeps running).
class Process {
public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();

  HANDLE handle() const { return handle_; }
  DWORD id() const { return id_; }
  bool started() const { return handle_ != nullptr; }

  // Waits at most timeoutMs for the process to end; true with its exit code when it did.
  bool Wait(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
  bool Running() const;
  // Ends the process (for cleaning up after a failed test) and waits for it briefly.
  void Kill();

private:
  friend Process ProcessStart(const std::string&, const std::string&, const std::string&);
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// Starts the program at the full path exePath with the given argument text (quoted as needed by the caller).
// An empty workingFolder keeps the test's own. Check started() on the result.
Process ProcessStart(const std::string& exePath, const std::string& arguments = "",
                     const std::string& workingFolder = "");
// The folder of the running test program, ending with a backslash (helper programs are built next to it).
std::string ProgramFolder();
// Quotes one command-line argument so that the C runtime's parser gives it back unchanged.
std::string QuoteArgument(const std::string& argument);

// ---- Waiting ----

// Polls condition every stepMs until it holds (true) or timeoutMs has passed (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs, DWORD stepMs = 20);

// ---- Finding windows ----

// Top-level windows; a null className or title matches any, processId 0 any process.
std::vector<HWND> TopWindows(const char* className, const char* title, DWORD processId = 0);
HWND FindTopWindow(const char* className, const char* title, DWORD processId = 0, bool visibleOnly = false);
HWND WaitTopWindow(const char* className, const char* title, DWORD processId = 0, bool visibleOnly = true,
                   DWORD timeoutMs = kDefaultTimeoutMs);
// Waits until the window is gone (destroyed) or, with hiddenCounts, no longer visible.
bool WaitWindowGone(HWND window, bool hiddenCounts = false, DWORD timeoutMs = kDefaultTimeoutMs);

// All descendants of parent (children, grandchildren, ...) in Windows' enumeration order; className null = any.
std::vector<HWND> Descendants(HWND parent, const char* className = nullptr);
// The first descendant with this control identifier, or null.
HWND FindChildById(HWND parent, int id);
// The first descendant of this class (case-insensitive) whose text is exactly text; null arguments match any.
HWND FindChild(HWND parent, const char* className, const char* text);

// ---- Reading ----

std::string TextOf(HWND window);
std::string ClassOf(HWND window);
int IdOf(HWND window);
DWORD ProcessOf(HWND window);
LONG StyleOf(HWND window);
// BM_GETCHECK: 1 checked, 0 not (option and check boxes).
int CheckStateOf(HWND window);
bool IsEnabled(HWND window);
// Visible on screen: the window and all its parents are visible.
bool IsShown(HWND window);
// The window's outer rectangle in the client coordinates of reference (screen coordinates when null).
RECT RectIn(HWND window, HWND reference);
// Client area size.
SIZE ClientSizeOf(HWND window);
// The owner of a top-level window, or null.
HWND OwnerOf(HWND window);
bool IsTopMost(HWND window);

// ---- Acting ----

// Clicks a button, option or check box as a user would; returns once the control has handled the click (what
// the program then makes of it may follow a moment later: wait for it with WaitUntil).
// False (nothing sent) when the control is disabled or not shown, since a user could not click it either.
bool Click(HWND control);
// The same, posted without waiting: for clicks that open a modal window (a requester or a message box).
bool PostClick(HWND control);
// Presses and releases the left mouse button at the control's centre (for controls drawn by the program,
// such as links); posted. False when the control is disabled or not shown.
bool MouseClick(HWND control);
// Asks the window to close, as the close box or Alt+F4 does (posted WM_SYSCOMMAND SC_CLOSE).
void RequestClose(HWND window);

// ---- Message boxes and the folder browser (both are dialogs of class "#32770") ----

struct MessageBoxInfo {
  HWND window = nullptr;
  std::string title;
  std::string text;  // the static with id 0xFFFF
};
// Waits for a visible message box of the process; true with its title and text.
bool WaitMessageBox(DWORD processId, MessageBoxInfo* info, DWORD timeoutMs = kDefaultTimeoutMs);
// Presses the button with this id (IDOK, IDCANCEL, ...) and waits until the box has closed.
bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId = IDOK, DWORD timeoutMs = kDefaultTimeoutMs);
// Waits for a visible folder browser of the process (its title is localised: found by its tree view).
HWND WaitFolderBrowser(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);
// Presses OK (id 1) or Cancel (id 2) and waits until the browser has closed.
bool AnswerFolderBrowser(HWND browser, bool ok, DWORD timeoutMs = kDefaultTimeoutMs);
// The names shown for the selected folder and its parents in the browser's tree, the selected one first
// (read from the browser's process); empty when nothing is selected.
std::vector<std::string> FolderBrowserSelection(HWND browser);
// Selects a folder (a Windows path) in the browser, as a user picking it in the tree would; true once asked.
bool FolderBrowserSelect(HWND browser, const std::string& path);

// ---- Tool tips ----

struct ToolTip {
  HWND tool = nullptr;  // the control the tip belongs to (tools identified by their window)
  std::string text;
};
// Every tool tip that the process's tool-tip windows hold, read through memory lent inside that process.
std::vector<ToolTip> ToolTipsOf(DWORD processId);

// ---- Screenshots ----

// The folder where screenshots go (a Unix path, build/screenshots), created on first use.
std::string ScreenshotFolder();
// Saves the whole X display as <ScreenshotFolder()>/<name>.png; true when the file was written.
bool SaveScreenshot(const std::string& name);

// ---- Pixels of another process's window ----

// The colour (red + 256 green + 65536 blue) of the screen pixel at a point of the window's client area,
// or -1 when it cannot be read.
long PixelAt(HWND window, int x, int y);

}  // namespace ui
