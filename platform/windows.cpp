// Numbered top-level windows, each of a window class of its own named after its number.
#include <windows.h>

#include "platform/window_layer.h"
#include "platform/window_placement.h"

namespace {

WindowCallback gDefaultCallback = nullptr;

HWND LiveHandle(int number) {
  LayerWindow* window = gLayerWindows.Find(number);
  return window && window->handle && IsWindow(window->handle) ? window->handle : nullptr;
}

// Removes the entry and its class; the window itself must already be gone.
void ForgetWindow(int number) {
  LayerWindow* window = gLayerWindows.Find(number);
  if (!window) return;
  UnregisterClassA(window->className, GetModuleHandleA(nullptr));
  gLayerWindows.Remove(number);
}

// Windows destroys owned windows together with their owner: their entries and classes go as well.
void ForgetDestroyedWindows() {
  for (int i = gLayerWindows.Count() - 1; i >= 0; --i) {
    const HWND handle = gLayerWindows.ObjectAt(i)->handle;
    if (!handle || !IsWindow(handle)) ForgetWindow(gLayerWindows.NumberAt(i));
  }
  ControlsForgetDestroyed();
}

ScreenArea AreaOf(HWND window) {
  RECT rect;
  if (!window || !GetWindowRect(window, &rect)) return {0, 0, 0, 0};
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

bool RegisterLayerClass(const char* className) {
  WNDCLASSA windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = LayerWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = gLayerIcon;
  windowClass.hCursor = gLayerArrow;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  return RegisterClassA(&windowClass) != 0;
}

// Where the window goes: width × height is its client area, the frame is added around it.
WindowPlacement PlaceFor(uint32_t flags, int x, int y, int width, int height, DWORD style, HWND parent) {
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  const ScreenArea screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  ScreenArea over = AreaOf(parent ? parent : GetActiveWindow());
  if (over.width <= 0 || over.height <= 0) over = screen;
  return PlaceWindow(flags, x, y, outer.right - outer.left, outer.bottom - outer.top, screen, over);
}

}  // namespace

intptr_t WindowOpen(int number, int x, int y, int width, int height, TextView title, uint32_t flags,
                    HWND parent) {
  if (number != kFreshNumber) WindowClose(number);
  int assigned = number;
  LayerWindow* window = gLayerWindows.Add(number, &assigned);
  if (!window) return 0;
  // wsprintfA keeps the C runtime's printf family (about 22 KB) out of the exe.
  wsprintfA(window->className, "WindowClass_%ld", static_cast<long>(assigned));
  if (!RegisterLayerClass(window->className)) {
    gLayerWindows.Remove(assigned);
    return 0;
  }

  const DWORD style = WindowStyleFromFlags(flags);
  const WindowPlacement place = PlaceFor(flags, x, y, width, height, style, parent);
  // The procedure learns its number from the creation data, before the first message needs it.
  const HWND handle =
      CreateWindowExA(0, window->className, title.c_str(), style, place.defaultPosition ? CW_USEDEFAULT : place.x,
                      place.defaultPosition ? CW_USEDEFAULT : place.y, place.width, place.height, parent, nullptr,
                      GetModuleHandleA(nullptr), reinterpret_cast<void*>(static_cast<intptr_t>(assigned)));
  if (!handle) {
    ForgetWindow(assigned);
    return 0;
  }
  if (!(flags & kWindowHidden)) ShowWindow(handle, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  return number == kFreshNumber ? assigned : reinterpret_cast<intptr_t>(handle);
}

void WindowClose(int number) {
  LayerWindow* window = gLayerWindows.Find(number);
  if (!window) return;
  const HWND handle = window->handle;
  if (handle && IsWindow(handle)) {
    const HWND owner = GetWindow(handle, GW_OWNER);
    if (owner) SetActiveWindow(owner);
    DestroyWindow(handle);
  }
  ForgetWindow(number);
  ForgetDestroyedWindows();
}

HWND WindowHandle(int number) { return LiveHandle(number); }

int WindowExists(int number) { return LiveHandle(number) ? 1 : 0; }

void WindowHide(int number, bool hide) {
  const HWND handle = LiveHandle(number);
  if (!handle) return;
  if (hide) {
    const HWND owner = GetWindow(handle, GW_OWNER);
    if (owner) SetActiveWindow(owner);
    ShowWindow(handle, SW_HIDE);
  } else {
    ShowWindow(handle, IsZoomed(handle) ? SW_SHOWMAXIMIZED : SW_SHOW);
  }
}

void WindowKeepOnTop(int number, bool on) {
  const HWND handle = LiveHandle(number);
  if (!handle) return;
  SetWindowPos(handle, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int WindowInnerWidth(int number) {
  const HWND handle = LiveHandle(number);
  RECT rect;
  if (!handle || !GetClientRect(handle, &rect)) return 0;
  return rect.right - rect.left;
}

int WindowInnerHeight(int number) {
  const HWND handle = LiveHandle(number);
  RECT rect;
  if (!handle || !GetClientRect(handle, &rect)) return 0;
  const int menuBar = GetMenu(handle) ? GetSystemMetrics(SM_CYMENU) : 0;
  return rect.bottom - rect.top + menuBar;
}

void WindowSetCallback(WindowCallback procedure, int number) {
  if (number == kFreshNumber) {
    gDefaultCallback = procedure;
    return;
  }
  if (LayerWindow* window = gLayerWindows.Find(number)) window->callback = procedure;
}

WindowCallback WindowCallbackFor(int number) {
  LayerWindow* window = gLayerWindows.Find(number);
  if (window && window->callback) return window->callback;
  return gDefaultCallback;
}

int WindowNumberOf(HWND handle) {
  if (!handle) return -1;
  for (int i = 0; i < gLayerWindows.Count(); ++i)
    if (gLayerWindows.ObjectAt(i)->handle == handle) return gLayerWindows.NumberAt(i);
  return -1;
}

int WindowNumberContaining(HWND handle) {
  if (!handle) return -1;
  return WindowNumberOf(GetAncestor(handle, GA_ROOT));
}

void WindowsCloseAll() {
  while (gLayerWindows.Count() > 0) WindowClose(gLayerWindows.NumberAt(gLayerWindows.Count() - 1));
}
