// Start of the platform services: the tables, the common controls, the program icon and the arrow cursor.
#include <windows.h>
#include <commctrl.h>

#include "platform/window_layer.h"

ObjectTable<LayerWindow> gLayerWindows;
ObjectTable<LayerControl> gLayerControls;
HICON gLayerIcon = nullptr;
HCURSOR gLayerArrow = nullptr;

void ServicesStart() {
  // No system error box (no disk in a drive) may wait for a person: such failures reach the caller as errors.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  InitCommonControls();
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // Icon resource 1 is the program icon; a program without one gets windows without an icon.
  gLayerIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  gLayerArrow = LoadCursorA(nullptr, IDC_ARROW);
}
