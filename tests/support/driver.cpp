#include "tests/support/driver.h"

#include <commctrl.h>

namespace ui {

namespace {

// A hung program must not hang the driver.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return 0;
  return static_cast<LRESULT>(result);
}

bool ClassIs(HWND window, const char* className) {
  char name[256] = {};
  return !className || (GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, className) == 0);
}

BOOL CALLBACK Collect(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

}  // namespace

Process Start(const std::string& exePath, const std::string& arguments, const std::string& folder, DWORD flags) {
  // Quoted only where it must be: Wine finds a Unix program only by its bare path.
  const bool blank = exePath.find(' ') != std::string::npos;
  std::string commandLine = (blank ? "\"" + exePath + "\"" : exePath) + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  Process process;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info))
    return process;
  CloseHandle(info.hThread);
  process.handle.Reset(info.hProcess);
  process.id = info.dwProcessId;
  return process;
}

bool WaitExit(const Process& process, DWORD* exitCode, DWORD timeoutMs) {
  return process.handle && WaitForSingleObject(process.handle.get(), timeoutMs) == WAIT_OBJECT_0 &&
         GetExitCodeProcess(process.handle.get(), exitCode);
}

bool Running(const Process& process) {
  return process.handle && WaitForSingleObject(process.handle.get(), 0) == WAIT_TIMEOUT;
}

void Kill(const Process& process) {
  if (!Running(process)) return;
  TerminateProcess(process.handle.get(), 1);
  WaitForSingleObject(process.handle.get(), kPatienceMs);
}

std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {};
  const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return program.substr(0, program.find_last_of('\\') + 1);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(10))
    if (GetTickCount() - start >= timeoutMs) return false;
  return true;
}

std::vector<HWND> TopWindows(DWORD processId, const char* className, const char* title, bool visibleOnly) {
  std::vector<HWND> all, found;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && (!visibleOnly || IsWindowVisible(window)) && ClassIs(window, className) &&
        (!title || TextOf(window) == title))
      found.push_back(window);
  }
  return found;
}

HWND WaitWindow(DWORD processId, const char* className, const std::function<bool(HWND)>& matches) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND window : TopWindows(processId, className))
      if (matches(window)) return (found = window) != nullptr;
    return false;
  });
  return found;
}

HWND WaitTopWindow(DWORD processId, const char* className, const char* title, const char* button) {
  return WaitWindow(processId, className, [&](HWND window) {
    return (!title || TextOf(window) == title) && (!button || ChildWithText(window, "Button", button));
  });
}

std::vector<HWND> Children(HWND parent, const char* className) {
  std::vector<HWND> all, found;
  if (parent) EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all)
    if (ClassIs(window, className)) found.push_back(window);
  return found;
}

HWND ChildWithText(HWND parent, const char* className, const std::string& text) {
  for (HWND window : Children(parent, className))
    if (TextOf(window) == text) return window;
  return nullptr;
}

HWND ChildWithId(HWND parent, int id) {
  for (HWND window : Children(parent))
    if (GetDlgCtrlID(window) == id) return window;
  return nullptr;
}

std::string TextOf(HWND window) {
  std::string text(static_cast<size_t>(SendBounded(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<size_t>(SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
  return text;
}

bool Click(HWND control) {
  if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control)) return false;
  return PostMessageA(control, BM_CLICK, 0, 0) && PostMessageA(GetAncestor(control, GA_ROOT), WM_NULL, 0, 0);
}

bool WaitMessageBox(DWORD processId, Box* box) {
  const HWND window =
      WaitWindow(processId, "#32770", [](HWND dialog) { return GetDlgItem(dialog, 0xFFFF) != nullptr; });
  if (window) *box = {window, TextOf(window), TextOf(GetDlgItem(window, 0xFFFF))};
  return window != nullptr;
}

bool Press(HWND dialog, int buttonId) {
  return Click(GetDlgItem(dialog, buttonId)) && WaitUntil([&] { return !IsWindowVisible(dialog); });
}

HWND WaitFolderBrowser(DWORD processId) {
  return WaitWindow(processId, "#32770", [](HWND dialog) { return !Children(dialog, WC_TREEVIEWA).empty(); });
}

std::string SelectedFolder(HWND browser) {
  const std::vector<HWND> trees = Children(browser, WC_TREEVIEWA);
  DWORD processId = 0;
  if (trees.empty() || !GetWindowThreadProcessId(trees[0], &processId)) return "";
  // The request and its text go into the browser's own memory, where the tree view reads and fills them.
  struct Request {
    TVITEMA item;
    char text[512];
  } request{};
  const ScopedHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
  auto* const remote =
      static_cast<Request*>(VirtualAllocEx(process.get(), nullptr, sizeof request, MEM_COMMIT, PAGE_READWRITE));
  if (!remote) return "";
  request.item.mask = TVIF_TEXT;
  request.item.hItem = reinterpret_cast<HTREEITEM>(SendBounded(trees[0], TVM_GETNEXTITEM, TVGN_CARET, 0));
  request.item.pszText = remote->text;
  request.item.cchTextMax = sizeof request.text - 1;
  const bool read = request.item.hItem &&
                    WriteProcessMemory(process.get(), remote, &request, sizeof request, nullptr) &&
                    SendBounded(trees[0], TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote)) &&
                    ReadProcessMemory(process.get(), remote, &request, sizeof request, nullptr);
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return read ? request.text : "";
}

}  // namespace ui
