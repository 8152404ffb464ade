// Target program for the window driver's tests: one window titled with its first argument, holding
// a push button that opens a message box, a disabled button, a check box and a nested child area.
// The exit code tells the test which message-box button was pressed (1 OK, 2 Cancel) plus 10 x argument count.
#include <windows.h>

#include <cstdlib>

namespace {

int boxAnswer = 0;

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == 10 && HIWORD(wParam) == BN_CLICKED) {
        boxAnswer = MessageBoxA(window, "Zeile eins\rZeile zwei", "Hinweis", MB_OKCANCEL);
        DestroyWindow(window);
      }
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const char* title = __argc > 1 ? __argv[1] : "DriverTarget";
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = TargetProcedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "DriverTargetClass";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("DriverTargetClass", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 200,
                              nullptr, nullptr, instance, nullptr);
  CreateWindowA("Button", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, window,
                reinterpret_cast<HMENU>(10), instance, nullptr);
  HWND off = CreateWindowA("Button", "Off", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 100, 10, 80, 24, window,
                           reinterpret_cast<HMENU>(11), instance, nullptr);
  EnableWindow(off, FALSE);
  HWND area = CreateWindowA("Static", "", WS_CHILD | WS_VISIBLE, 10, 50, 200, 100, window,
                            reinterpret_cast<HMENU>(20), instance, nullptr);
  CreateWindowA("Button", "Haken", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 5, 7, 120, 20, area,
                reinterpret_cast<HMENU>(12), instance, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return boxAnswer + 10 * (__argc - 1);
}
