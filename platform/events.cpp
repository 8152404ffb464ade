// The blocking event wait. Messages are dispatched as usual; what the layer's window procedure makes of them
// (control events, close requests, moves, sizes, activation) is queued and handed out oldest first.
#include <windows.h>

#include "platform/window_layer.h"

namespace {

EventQueue gEvents;
LayerEvent gLastEvent{0, -1, 0, 0};

// WM_COMMAND: a notification from a control, or a menu item or accelerator (no control handle).
void QueueCommand(int window, WPARAM wParam, LPARAM lParam) {
  const HWND control = reinterpret_cast<HWND>(lParam);
  if (!control) {
    QueueEvent(kEventMenu, window, 0, 0);
    return;
  }
  // Numbers handed out for -1 do not fit the 16 bits of the identifier in wParam: ask the table first.
  int number = ControlNumberOf(control);
  if (number < 0) number = GetDlgCtrlID(control);
  QueueEvent(kEventControl, window, number, HIWORD(wParam));
}

// The layer's own handling; returns true when the message is answered with *result.
bool HandleMessage(int number, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND:
      QueueCommand(number, wParam, lParam);
      return false;
    case WM_CLOSE:
      // The close box only reports; the program decides when the window goes.
      QueueEvent(kEventCloseWindow, number, 0, 0);
      *result = 0;
      return true;
    case WM_MOVE:
      QueueEvent(kEventMoved, number, 0, 0);
      return false;
    case WM_SIZE:
      QueueEvent(kEventSized, number, 0, 0);
      return false;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) QueueEvent(kEventActivated, number, 0, 0);
      return false;
    default:
      return false;
  }
}

// Tab and Shift+Tab inside a layer window move the focus to the next or previous control that takes it.
bool MoveFocusOnTab(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (!root || WindowNumberOf(root) < 0) return false;
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  const HWND next = GetNextDlgTabItem(root, GetFocus(), backwards);
  if (next) SetFocus(next);
  return true;
}

int Deliver(const LayerEvent& event) {
  gLastEvent.code = event.code;
  gLastEvent.window = event.window;
  if (event.code == kEventControl) {
    gLastEvent.control = event.control;
    gLastEvent.type = event.type;
  }
  return event.code;
}

}  // namespace

void QueueEvent(int code, int window, int control, int type) { gEvents.Push({code, window, control, type}); }

LRESULT CALLBACK LayerWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    const int number = static_cast<int>(reinterpret_cast<intptr_t>(create->lpCreateParams));
    if (LayerWindow* window = gLayerWindows.Find(number)) window->handle = handle;
  }
  const int number = WindowNumberOf(handle);
  if (const WindowCallback callback = WindowCallbackFor(number)) {
    const LRESULT answer = callback(handle, message, wParam, lParam);
    if (answer != kCallbackContinue) return answer;
  }
  if (message == WM_NCDESTROY) {
    // Unregistering a class deletes its background brush; a brush set by the program (a gradient) stays
    // its own, so the class gets the plain background back first.
    SetClassLongPtrA(handle, GCLP_HBRBACKGROUND, COLOR_BTNFACE + 1);
    if (LayerWindow* window = gLayerWindows.Find(number)) window->handle = nullptr;
  }
  LRESULT result = 0;
  if (HandleMessage(number, message, wParam, lParam, &result)) return result;
  return DefWindowProcA(handle, message, wParam, lParam);
}

int EventWait() {
  LayerEvent event;
  if (gEvents.Pop(&event)) return Deliver(event);
  MSG msg;
  const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == -1) return Deliver({0, -1, 0, 0});
  if (got && !MoveFocusOnTab(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (gEvents.Pop(&event)) return Deliver(event);
  return Deliver({static_cast<int>(msg.message), WindowNumberContaining(msg.hwnd), 0, 0});
}

int EventControl() { return gLastEvent.control; }
int EventWindow() { return gLastEvent.window; }
int EventType() { return gLastEvent.type; }
