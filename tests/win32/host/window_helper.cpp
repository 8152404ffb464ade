// A second process for the host tests.
//   listen <resultFile> <readyEvent> <markerFile>: records the first "PB_MSG_ID" message it receives as
//       "wParam lParam markerExisted" and ends; ends with 2 when none comes within 15 s.
//   show <class> <title> <readyEvent> <quitEvent>: keeps a hidden top-level window of that class and title open
//       until the quit event is set (at most 20 s).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
UINT restartMessage = 0;
std::string resultFile;
std::string markerFile;

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == restartMessage) {
    const bool marker = GetFileAttributesA(markerFile.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (FILE* file = std::fopen(resultFile.c_str(), "wb")) {
      std::fprintf(file, "%u %ld %d", static_cast<unsigned>(wParam), static_cast<long>(lParam), marker ? 1 : 0);
      std::fclose(file);
    }
    PostQuitMessage(0);
    return 0;
  }
  if (message == WM_TIMER) PostQuitMessage(2);
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND OpenWindow(const char* className, const char* title, WNDPROC procedure) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  return CreateWindowA(className, title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                       windowClass.hInstance, nullptr);
}

void Signal(const char* eventName) {
  HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName);
  SetEvent(event);
  CloseHandle(event);
}
}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "listen" && argc == 5) {
    resultFile = argv[2];
    markerFile = argv[4];
    restartMessage = RegisterWindowMessageA("PB_MSG_ID");
    HWND window = OpenWindow("VelkorListener", "listener", ListenerProc);
    SetTimer(window, 1, 15000, nullptr);
    Signal(argv[3]);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return static_cast<int>(message.wParam);
  }
  if (mode == "show" && argc == 6) {
    OpenWindow(argv[2], argv[3], DefWindowProcA);
    Signal(argv[4]);
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, argv[5]);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 20000 &&
           MsgWaitForMultipleObjects(1, &quit, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    return 0;
  }
  return 1;
}
