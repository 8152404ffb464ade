// Tool tips of controls: one tool-tip window for the whole program, created on first use.
#include <windows.h>
#include <commctrl.h>

#include "platform/window_layer.h"

namespace {

HWND gToolTips = nullptr;

HWND ToolTipWindow() {
  if (!gToolTips || !IsWindow(gToolTips)) {
    gToolTips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  }
  return gToolTips;
}

}  // namespace

void ControlToolTip(int number, TextView text) {
  LayerControl* control = ControlFind(number);
  if (!control) return;
  const HWND tips = ToolTipWindow();
  if (!tips) return;
  // The size of the first tool-info layout: every version of the common controls accepts it.
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control->handle);
  tool.uId = reinterpret_cast<UINT_PTR>(control->handle);
  SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTipRelease() {
  if (gToolTips && IsWindow(gToolTips)) DestroyWindow(gToolTips);
  gToolTips = nullptr;
}
