// The desktops (display monitors) attached to the screen, primary first, and the desktop's resolution.
#include <windows.h>

#include "platform/graphics.h"
#include "platform/last_error.h"
#include "platform/scoped_resources.h"

namespace {

// Only the sizes: nothing asks a desktop for its colour depth or refresh rate.
struct Desktop {
  int width;
  int height;
};

constexpr char kDesktopSizeError[] = "ERROR, desktop size not found";
constexpr int kMostDesktops = 16;
Desktop gDesktops[kMostDesktops];
int gDesktopCount = 0;

using EnumDisplayDevicesProcedure = BOOL(WINAPI*)(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD);

// Windows 95 and NT 4 have no EnumDisplayDevicesA, so it is looked up rather than imported.
EnumDisplayDevicesProcedure FindEnumDisplayDevices() {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<EnumDisplayDevicesProcedure>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "EnumDisplayDevicesA")));
}

void AddDesktop(const Desktop& desktop, bool primary) {
  if (gDesktopCount == kMostDesktops) return;
  if (primary) {
    for (int i = gDesktopCount; i > 0; --i) gDesktops[i] = gDesktops[i - 1];
    gDesktops[0] = desktop;
  } else {
    gDesktops[gDesktopCount] = desktop;
  }
  ++gDesktopCount;
}

void ExamineDisplayDevices(EnumDisplayDevicesProcedure enumDisplayDevices) {
  for (DWORD index = 0; gDesktopCount < kMostDesktops; ++index) {
    DISPLAY_DEVICEA device{};
    device.cb = sizeof device;
    if (!enumDisplayDevices(nullptr, index, &device, 0)) return;
    if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) ||
        (device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER))
      continue;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode)) continue;
    AddDesktop({static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)},
               (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0);
  }
}

void ExamineScreen() { AddDesktop({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, true); }

const Desktop* DesktopAt(int index) { return index >= 0 && index < gDesktopCount ? &gDesktops[index] : nullptr; }

}  // namespace

int DesktopExamine() {
  gDesktopCount = 0;
  if (EnumDisplayDevicesProcedure enumDisplayDevices = FindEnumDisplayDevices())
    ExamineDisplayDevices(enumDisplayDevices);
  if (gDesktopCount == 0) ExamineScreen();
  return gDesktopCount;
}

int DesktopWidth(int index) {
  const Desktop* desktop = DesktopAt(index);
  return desktop ? desktop->width : 0;
}

int DesktopHeight(int index) {
  const Desktop* desktop = DesktopAt(index);
  return desktop ? desktop->height : 0;
}

int16_t GetDesktopDpi() {
  SetLastErrorText("");
  const ScopedWindowDc desktop(GetDesktopWindow());
  const int16_t dpi = desktop ? static_cast<int16_t>(GetDeviceCaps(desktop.get(), LOGPIXELSX)) : 0;
  if (dpi < 1) {
    SetLastErrorText(kDesktopSizeError);
    return 0;
  }
  return dpi;
}
