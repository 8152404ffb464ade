// The desktops (display monitors) attached to the screen, primary first.
#include <windows.h>

#include "platform/graphics.h"

namespace {

struct Desktop {
  int width;
  int height;
  int depth;
  int frequency;
};

constexpr int kMostDesktops = 16;
Desktop desktops[kMostDesktops];
int desktopCount = 0;

using EnumDisplayDevicesProcedure = BOOL(WINAPI*)(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD);

// Windows 95 and NT 4 have no EnumDisplayDevicesA, so it is looked up rather than imported.
EnumDisplayDevicesProcedure FindEnumDisplayDevices() {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<EnumDisplayDevicesProcedure>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "EnumDisplayDevicesA")));
}

void AddDesktop(const Desktop& desktop, bool primary) {
  if (desktopCount == kMostDesktops) return;
  if (primary) {
    for (int i = desktopCount; i > 0; --i) desktops[i] = desktops[i - 1];
    desktops[0] = desktop;
  } else {
    desktops[desktopCount] = desktop;
  }
  ++desktopCount;
}

void ExamineDisplayDevices(EnumDisplayDevicesProcedure enumDisplayDevices) {
  for (DWORD index = 0; desktopCount < kMostDesktops; ++index) {
    DISPLAY_DEVICEA device{};
    device.cb = sizeof device;
    if (!enumDisplayDevices(nullptr, index, &device, 0)) return;
    if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) ||
        (device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER))
      continue;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode)) continue;
    AddDesktop({static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight),
                static_cast<int>(mode.dmBitsPerPel), static_cast<int>(mode.dmDisplayFrequency)},
               (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0);
  }
}

void ExamineScreen() {
  Desktop screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 0, 0};
  if (HDC dc = GetDC(nullptr)) {
    screen.depth = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    screen.frequency = GetDeviceCaps(dc, VREFRESH);
    ReleaseDC(nullptr, dc);
  }
  AddDesktop(screen, true);
}

const Desktop* DesktopAt(int index) { return index >= 0 && index < desktopCount ? &desktops[index] : nullptr; }

}  // namespace

int DesktopExamine() {
  desktopCount = 0;
  if (EnumDisplayDevicesProcedure enumDisplayDevices = FindEnumDisplayDevices())
    ExamineDisplayDevices(enumDisplayDevices);
  if (desktopCount == 0) ExamineScreen();
  return desktopCount;
}

int DesktopWidth(int index) {
  const Desktop* desktop = DesktopAt(index);
  return desktop ? desktop->width : 0;
}

int DesktopHeight(int index) {
  const Desktop* desktop = DesktopAt(index);
  return desktop ? desktop->height : 0;
}

int DesktopDepth(int index) {
  const Desktop* desktop = DesktopAt(index);
  return desktop ? desktop->depth : 0;
}

int DesktopFrequency(int index) {
  const Desktop* desktop = DesktopAt(index);
  return desktop ? desktop->frequency : 0;
}
