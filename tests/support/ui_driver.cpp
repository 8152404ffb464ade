#include "tests/support/ui_driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

namespace ui {

namespace {

// Bound for a message sent to another process's window: a hung program must not hang the test.
constexpr UINT kSendTimeoutMs = 5000;

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) return 0;
  return static_cast<LRESULT>(result);
}

bool ClassIs(HWND window, const char* className) {
  return !className || _stricmp(ClassOf(window).c_str(), className) == 0;
}

bool TextIs(HWND window, const char* text) { return !text || TextOf(window) == text; }

struct TopSearch {
  const char* className;
  const char* title;
  DWORD processId;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<TopSearch*>(context);
  if (search->processId && ProcessOf(window) != search->processId) return TRUE;
  if (!ClassIs(window, search->className) || !TextIs(window, search->title)) return TRUE;
  search->found->push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

bool UsableByUser(HWND control) { return control && IsShown(control) && IsEnabled(control); }

}  // namespace

// ---- Processes ----

Process::Process(Process&& other) noexcept : handle_(other.handle_), id_(other.id_) {
  other.handle_ = nullptr;
  other.id_ = 0;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    if (handle_) CloseHandle(handle_);
    handle_ = other.handle_;
    id_ = other.id_;
    other.handle_ = nullptr;
    other.id_ = 0;
  }
  return *this;
}

Process::~Process() {
  if (handle_) CloseHandle(handle_);
}

bool Process::Wait(DWORD timeoutMs, DWORD* exitCode) const {
  if (!handle_ || WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0) return false;
  DWORD code = 0;
  if (!GetExitCodeProcess(handle_, &code)) return false;
  if (exitCode) *exitCode = code;
  return true;
}

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

void Process::Kill() {
  if (!Running()) return;
  TerminateProcess(handle_, 1);
  WaitForSingleObject(handle_, 5000);
}

Process ProcessStart(const std::string& exePath, const std::string& arguments, const std::string& workingFolder) {
  Process process;
  std::string commandLine = QuoteArgument(exePath);
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(exePath.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info))
    return process;
  CloseHandle(info.hThread);
  process.handle_ = info.hProcess;
  process.id_ = info.dwProcessId;
  return process;
}

std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  const size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') quoted.append(backslashes * 2 + 1, '\\');
    else quoted.append(backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

// ---- Waiting ----

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(stepMs);
  }
}

// ---- Finding windows ----

std::vector<HWND> TopWindows(const char* className, const char* title, DWORD processId) {
  std::vector<HWND> found;
  TopSearch search{className, title, processId, &found};
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
  return found;
}

HWND FindTopWindow(const char* className, const char* title, DWORD processId, bool visibleOnly) {
  for (HWND window : TopWindows(className, title, processId))
    if (!visibleOnly || IsWindowVisible(window)) return window;
  return nullptr;
}

HWND WaitTopWindow(const char* className, const char* title, DWORD processId, bool visibleOnly, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(className, title, processId, visibleOnly)) != nullptr; },
            timeoutMs);
  return found;
}

bool WaitWindowGone(HWND window, bool hiddenCounts, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window) || (hiddenCounts && !IsWindowVisible(window)); }, timeoutMs);
}

std::vector<HWND> Descendants(HWND parent, const char* className) {
  std::vector<HWND> all;
  if (parent) EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> matching;
  for (HWND window : all)
    if (ClassIs(window, className)) matching.push_back(window);
  return matching;
}

HWND FindChildById(HWND parent, int id) {
  for (HWND window : Descendants(parent))
    if (IdOf(window) == id) return window;
  return nullptr;
}

HWND FindChild(HWND parent, const char* className, const char* text) {
  for (HWND window : Descendants(parent, className))
    if (TextIs(window, text)) return window;
  return nullptr;
}

// ---- Reading ----

std::string TextOf(HWND window) {
  const LRESULT length = SendBounded(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = SendBounded(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof(name));
  return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

int IdOf(HWND window) { return static_cast<int>(GetWindowLongPtrA(window, GWLP_ID)); }

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

int CheckStateOf(HWND window) { return static_cast<int>(SendBounded(window, BM_GETCHECK, 0, 0)); }

bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

bool IsShown(HWND window) { return IsWindowVisible(window) != FALSE; }

RECT RectIn(HWND window, HWND reference) {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (reference) MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE ClientSizeOf(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

HWND OwnerOf(HWND window) { return GetWindow(window, GW_OWNER); }

bool IsTopMost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// ---- Acting ----

bool Click(HWND control) {
  if (!UsableByUser(control)) return false;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) return false;
  // The click arrived as a sent message: a message loop that turns the notification into an event of its own
  // sees that event only when its next posted message comes, so one is posted to wake it.
  PostMessageA(GetAncestor(control, GA_ROOT), WM_NULL, 0, 0);
  return true;
}

bool PostClick(HWND control) {
  if (!UsableByUser(control)) return false;
  return PostMessageA(control, BM_CLICK, 0, 0) != FALSE;
}

bool MouseClick(HWND control) {
  if (!UsableByUser(control)) return false;
  const SIZE size = ClientSizeOf(control);
  const LPARAM at = MAKELPARAM(size.cx / 2, size.cy / 2);
  return PostMessageA(control, WM_MOUSEMOVE, 0, at) && PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
         PostMessageA(control, WM_LBUTTONUP, 0, at);
}

void RequestClose(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

// ---- Message boxes and the folder browser ----

bool WaitMessageBox(DWORD processId, MessageBoxInfo* info, DWORD timeoutMs) {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopWindows("#32770", nullptr, processId)) {
          if (IsWindowVisible(window) && GetDlgItem(window, 0xFFFF)) {
            box = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  if (!box) return false;
  info->window = box;
  info->title = TextOf(box);
  info->text = TextOf(GetDlgItem(box, 0xFFFF));
  return true;
}

bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId, DWORD timeoutMs) {
  HWND button = GetDlgItem(box.window, buttonId);
  if (!PostClick(button)) return false;
  return WaitWindowGone(box.window, true, timeoutMs);
}

HWND WaitFolderBrowser(DWORD processId, DWORD timeoutMs) {
  HWND browser = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopWindows("#32770", nullptr, processId)) {
          if (IsWindowVisible(window) && !Descendants(window, "SysTreeView32").empty()) {
            browser = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return browser;
}

bool AnswerFolderBrowser(HWND browser, bool ok, DWORD timeoutMs) {
  if (!PostClick(GetDlgItem(browser, ok ? IDOK : IDCANCEL))) return false;
  return WaitWindowGone(browser, true, timeoutMs);
}

namespace {

// A block of memory inside another process, for messages whose parameters are pointers: the control answers
// with pointers into its own process.
class RemoteBlock {
public:
  RemoteBlock(DWORD processId, SIZE_T size) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBlock() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  char* address() const { return static_cast<char*>(address_); }
  LPARAM at(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(address() + offset); }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
    return WriteProcessMemory(process_, address() + offset, data, size, nullptr) != FALSE;
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) const {
    return ReadProcessMemory(process_, address() + offset, data, size, nullptr) != FALSE;
  }

private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

constexpr SIZE_T kRemoteTextSize = 1024;

}  // namespace

std::vector<std::string> FolderBrowserSelection(HWND browser) {
  std::vector<std::string> names;
  const std::vector<HWND> trees = Descendants(browser, "SysTreeView32");
  if (trees.empty()) return names;
  HWND tree = trees.front();
  const RemoteBlock block(ProcessOf(tree), sizeof(TVITEMA) + kRemoteTextSize);
  if (!block.address()) return names;
  auto item = reinterpret_cast<HTREEITEM>(SendBounded(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  while (item) {
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = block.address() + sizeof(TVITEMA);
    request.cchTextMax = kRemoteTextSize;
    char text[kRemoteTextSize] = {};
    if (!block.Write(0, &request, sizeof(request)) || !SendBounded(tree, TVM_GETITEMA, 0, block.at()) ||
        !block.Read(sizeof(TVITEMA), text, kRemoteTextSize - 1))
      break;
    names.emplace_back(text);
    item = reinterpret_cast<HTREEITEM>(SendBounded(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
  }
  return names;
}

bool FolderBrowserSelect(HWND browser, const std::string& path) {
  // The browser reads the path from its own process.
  const RemoteBlock block(ProcessOf(browser), path.size() + 1);
  if (!block.address() || !block.Write(0, path.c_str(), path.size() + 1)) return false;
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(browser, BFFM_SETSELECTIONA, TRUE, block.at(), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result) != 0;
}

// ---- Tool tips ----

std::vector<ToolTip> ToolTipsOf(DWORD processId) {
  std::vector<ToolTip> tips;
  const RemoteBlock block(processId, sizeof(TOOLINFOA) + kRemoteTextSize);
  if (!block.address()) return tips;
  for (HWND window : TopWindows(TOOLTIPS_CLASSA, nullptr, processId)) {
    const LRESULT count = SendBounded(window, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      TOOLINFOA info{};
      info.cbSize = sizeof(info);
      if (!block.Write(0, &info, sizeof(info)) ||
          !SendBounded(window, TTM_ENUMTOOLSA, static_cast<WPARAM>(i), block.at()) ||
          !block.Read(0, &info, sizeof(info)))
        continue;
      info.lpszText = block.address() + sizeof(TOOLINFOA);
      const char empty = '\0';
      char text[kRemoteTextSize] = {};
      if (!block.Write(sizeof(TOOLINFOA), &empty, 1) || !block.Write(0, &info, sizeof(info))) continue;
      SendBounded(window, TTM_GETTEXTA, kRemoteTextSize, block.at());
      block.Read(sizeof(TOOLINFOA), text, kRemoteTextSize - 1);
      tips.push_back({(info.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(info.uId) : nullptr, text});
    }
  }
  return tips;
}

// ---- Screenshots ----

std::string ScreenshotFolder() {
  const std::string folder = VELKOR_SCREENSHOT_DIR;
  char windowsPath[MAX_PATH + 1] = {};
  // The folder is a Unix path; Wine maps the root of the Unix file system to drive Z:.
  std::string asWindows = "Z:" + folder;
  for (char& c : asWindows)
    if (c == '/') c = '\\';
  std::strncpy(windowsPath, asWindows.c_str(), MAX_PATH);
  for (char* p = windowsPath + 3; *p; ++p) {
    if (*p != '\\') continue;
    *p = '\0';
    CreateDirectoryA(windowsPath, nullptr);
    *p = '\\';
  }
  CreateDirectoryA(windowsPath, nullptr);
  return folder;
}

namespace {

// A complete PNG file ends with its IEND chunk: "IEND" and that chunk's fixed CRC.
bool IsCompletePng(const std::string& windowsFile) {
  HANDLE file = CreateFileA(windowsFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  unsigned char tail[8] = {};
  DWORD read = 0;
  const bool ok = SetFilePointer(file, -8, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                  ReadFile(file, tail, sizeof(tail), &read, nullptr) && read == sizeof(tail);
  CloseHandle(file);
  return ok && std::memcmp(tail, "IEND\xAE\x42\x60\x82", 8) == 0;
}

}  // namespace

bool SaveScreenshot(const std::string& name) {
  char display[64] = {};
  if (!GetEnvironmentVariableA("DISPLAY", display, sizeof(display))) return false;
  const std::string file = ScreenshotFolder() + "/" + name + ".png";
  const std::string windowsFile = "Z:" + file;
  DeleteFileA(windowsFile.c_str());
  // Wine starts a native program given by its Unix path through start.exe /unix; it does not wait for a
  // native program, so the file is watched until it is complete.
  char system[MAX_PATH + 1] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string start = std::string(system) + "\\start.exe";
  Process import = ProcessStart(start, "/wait /unix /usr/bin/import -display " + std::string(display) +
                                           " -window root " + QuoteArgument(file));
  if (!import.started()) return false;
  if (!import.Wait(20000)) import.Kill();
  return WaitUntil([&] { return IsCompletePng(windowsFile); }, 20000, 50);
}

// ---- Pixels ----

long PixelAt(HWND window, int x, int y) {
  POINT point{x, y};
  if (!ClientToScreen(window, &point)) return -1;
  HDC screen = GetDC(nullptr);
  if (!screen) return -1;
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour == CLR_INVALID ? -1 : static_cast<long>(colour);
}

}  // namespace ui
