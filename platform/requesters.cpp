// The folder requester and the message box. While one is open, the program's other windows are disabled, so
// the user answers it before anything else.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/folder_path.h"
#include "platform/scoped_resources.h"
#include "platform/window_layer.h"

namespace {

using BrowseForFolder = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA);
using PathFromIdList = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);

// Set up on first use and kept until the end.
ScopedLibrary gShell;
ScopedCom gCom;

template <typename Procedure>
Procedure ShellProcedure(const char* name) {
  // Through a generic function type: GetProcAddress's own type matches no real signature.
  return reinterpret_cast<Procedure>(reinterpret_cast<void (*)()>(GetProcAddress(gShell.get(), name)));
}

// The windows a requester disabled, enabled again when it closes.
class DisabledWindows {
public:
  DisabledWindows() {
    foreground_ = GetForegroundWindow();
    EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
  }
  ~DisabledWindows() {
    for (int i = 0; i < disabled_.count; ++i)
      if (IsWindow(disabled_.items[i])) EnableWindow(disabled_.items[i], TRUE);
  }
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

  // The requester's owner: the foreground window when it belongs to this process. The process makes all its
  // windows on its one thread, so the thread tells, as it does for the windows disabled above.
  HWND Owner() const {
    return foreground_ && GetWindowThreadProcessId(foreground_, nullptr) == GetCurrentThreadId() ? foreground_
                                                                                                  : nullptr;
  }

private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    auto* list = reinterpret_cast<DisabledWindows*>(self);
    if (window != list->foreground_ && IsWindowVisible(window) && IsWindowEnabled(window) &&
        list->disabled_.Add(window))
      EnableWindow(window, FALSE);
    return TRUE;
  }

  HWND foreground_ = nullptr;
  HandleList disabled_;
};

// Preselects the initial folder once the browser is up.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM, LPARAM data) {
  const char* path = reinterpret_cast<const char*>(data);
  if (message == BFFM_INITIALIZED && path[0]) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

Text RequestFolder(TextView title, TextView initialPath) {
  gCom.Start();
  if (!gShell) gShell.Reset(SystemLibraryLoad("SHELL32.DLL"));
  if (!gShell) return Text();
  const auto browse = ShellProcedure<BrowseForFolder>("SHBrowseForFolderA");
  const auto pathFrom = ShellProcedure<PathFromIdList>("SHGetPathFromIDListA");
  if (!browse || !pathFrom) return Text();

  const Text start = FolderBrowserStart(initialPath);
  char name[MAX_PATH] = {};
  DisabledWindows disabled;
  BROWSEINFOA info{};
  info.hwndOwner = disabled.Owner();
  info.pszDisplayName = name;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_NEWDIALOGSTYLE;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());
  LPITEMIDLIST chosen = browse(&info);
  if (!chosen) return Text();
  // A folder without a file-system path (such as "Computer") gives the empty text, like a cancel.
  char path[MAX_PATH] = {};
  const BOOL isPath = pathFrom(chosen, path);
  CoTaskMemFree(chosen);
  return isPath ? FolderWithBackslash(path) : Text();
}

int ShowMessage(TextView title, TextView text) {
  DisabledWindows disabled;
  return MessageBoxA(disabled.Owner(), text.c_str(), title.c_str(), MB_OK);
}

void RequestersRelease() {
  // COM ends first, while SHELL32 is still loaded: ending it may release objects that live in SHELL32.
  gCom.End();
  gShell.Reset();
}
