// Container controls: plain child areas that group controls. Notifications and colour requests of the controls
// inside go on to the top-level window, so they reach the layer's events and the window's callback like those
// of any other control.
#include <windows.h>

#include "platform/window_layer.h"

namespace {

constexpr char kContainerClass[] = "ContainerClass_Layer";
// ContainerCreate's flags: a border or a dialog frame, else either edge or both.
constexpr uint32_t kFlagBorder = 1;
constexpr uint32_t kFlagDialogFrame = 2;
constexpr uint32_t kFlagStaticEdge = 4;
constexpr uint32_t kFlagClientEdge = 8;

LRESULT CALLBACK ContainerProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (const HWND top = GetAncestor(handle, GA_ROOT); top && top != handle)
        return SendMessageA(top, message, wParam, lParam);
      break;
    default:
      break;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

bool gContainerClassRegistered = false;

bool RegisterContainerClass() {
  if (gContainerClassRegistered) return true;
  WNDCLASSA containerClass{};
  containerClass.lpfnWndProc = ContainerProc;
  containerClass.cbWndExtra = sizeof(LONG_PTR);
  containerClass.hInstance = GetModuleHandleA(nullptr);
  containerClass.hCursor = gLayerArrow;
  containerClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  containerClass.lpszClassName = kContainerClass;
  gContainerClassRegistered = RegisterClassA(&containerClass) != 0;
  return gContainerClassRegistered;
}

}  // namespace

intptr_t ContainerCreate(int number, int x, int y, int width, int height, uint32_t flags) {
  if (!RegisterContainerClass()) return 0;
  DWORD style = WS_CHILD | WS_VISIBLE;
  // WS_EX_CONTROLPARENT lets Tab reach the controls inside.
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (flags & (kFlagBorder | kFlagDialogFrame)) {
    if (flags & kFlagBorder) style |= WS_BORDER;
    if (flags & kFlagDialogFrame) style |= WS_DLGFRAME;
  } else {
    if (flags & kFlagStaticEdge) exStyle |= WS_EX_STATICEDGE;
    if (flags & kFlagClientEdge) exStyle |= WS_EX_CLIENTEDGE;
  }
  int assigned = number;
  const HWND handle = ControlCreate(number, kContainerClass, "", style, exStyle, x, y, width, height,
                                    ControlKind::Container, &assigned);
  if (handle) ControlParentPush(handle);
  return ControlCreated(number, assigned, handle);
}
