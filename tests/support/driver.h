#pragma once
// Drives another program's windows as a user would: start it, find its windows, click, read texts, answer
// message boxes and the folder browser. Every wait is on a condition, under a generous ceiling.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/scoped_resources.h"

namespace ui {

constexpr DWORD kPatienceMs = 30000;

// A started program; its handle is closed when this goes out of scope (the program itself keeps running).
struct Process {
  ScopedHandle handle;
  DWORD id = 0;
};
// The program at a full path (Wine also starts a Unix program by its own), with arguments, in a working folder
// (empty: the driver's own), with CreateProcess's creation flags; check handle.
Process Start(const std::string& exePath, const std::string& arguments = "", const std::string& folder = "",
              DWORD flags = 0);
bool WaitExit(const Process& process, DWORD* exitCode, DWORD timeoutMs = kPatienceMs);
bool Running(const Process& process);
// Ends a program left behind by a failed check, so the next case starts alone.
void Kill(const Process& process);
// The folder of the running test program, ending with a backslash.
std::string ProgramFolder();

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kPatienceMs);

// Top-level windows of a process, visible ones only unless told; null class or title match any.
std::vector<HWND> TopWindows(DWORD processId, const char* className = nullptr, const char* title = nullptr,
                             bool visibleOnly = true);
// The first visible one of them that matches, waited for; null when none came.
HWND WaitWindow(DWORD processId, const char* className, const std::function<bool(HWND)>& matches);
// The first visible one of them with that title (null: any), holding a button with this text unless that is null.
HWND WaitTopWindow(DWORD processId, const char* className, const char* title, const char* button = nullptr);
// Descendants in Windows' enumeration order; a null class matches any.
std::vector<HWND> Children(HWND parent, const char* className = nullptr);
HWND ChildWithText(HWND parent, const char* className, const std::string& text);
HWND ChildWithId(HWND parent, int id);

std::string TextOf(HWND window);
// Clicks a control a user could click (shown and enabled), posted so that a modal window it opens cannot block
// the driver; the root window is woken afterwards, since its loop turns notifications into events.
bool Click(HWND control);

struct Box {
  HWND window = nullptr;
  std::string title;
  std::string text;
};
bool WaitMessageBox(DWORD processId, Box* box);
// Presses a dialog's button by its id and waits until the dialog is gone.
bool Press(HWND dialog, int buttonId);

HWND WaitFolderBrowser(DWORD processId);
// The name the browser shows for its selected folder.
std::string SelectedFolder(HWND browser);

}  // namespace ui
