#pragma once
// What the files of the window layer share: the window and control tables, the program icon and cursor, the
// event queue and the helpers that tie Windows handles to layer numbers. Not for the layer's users.
#include <windows.h>

#include <cstdlib>

#include "platform/event_queue.h"
#include "platform/object_table.h"
#include "platform/window_services.h"

enum class ControlKind { Editor, Button, Text, Link, Image, Container, Frame, Option, CheckBox };

struct LayerWindow {
  HWND handle = nullptr;  // null once Windows destroyed it, for instance together with its owner
  WindowCallback callback = nullptr;
  char className[32] = {};
};

struct LayerControl {
  HWND handle = nullptr;
  ControlKind kind = ControlKind::Text;
  int optionGroup = 0;  // option boxes of one run share it
  COLORREF hoverColour = 0;
  bool hover = false;
};

// A growable list of window handles on the C heap.
struct HandleList {
  HWND* items = nullptr;
  int count = 0;
  int capacity = 0;

  HandleList() = default;
  HandleList(const HandleList&) = delete;
  HandleList& operator=(const HandleList&) = delete;
  ~HandleList() { std::free(items); }

  bool Add(HWND window) {
    if (count == capacity) {
      const int grown = capacity ? capacity * 2 : 8;
      auto* more = static_cast<HWND*>(std::realloc(items, sizeof(HWND) * static_cast<size_t>(grown)));
      if (!more) return false;
      items = more;
      capacity = grown;
    }
    items[count++] = window;
    return true;
  }
};

extern ObjectTable<LayerWindow> gLayerWindows;
extern ObjectTable<LayerControl> gLayerControls;
extern HICON gLayerIcon;
extern HCURSOR gLayerArrow;

// The procedure installed for this window: its own, else the one for every window; null when none.
WindowCallback WindowCallbackFor(int number);
void WindowsCloseAll();
// The window procedure of every layer window.
LRESULT CALLBACK LayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void QueueEvent(int code, int window, int control, int type);
// The number of the layer window that contains this window (itself, or its top-level window); -1 if none.
int WindowNumberContaining(HWND window);
// The number of the control with this handle, or -1.
int ControlNumberOf(HWND control);
LayerControl* ControlFind(int number);
// Creates a control of the given class in the current control parent, replacing any control of that number,
// with the default control font. *assigned receives the number used. Null on failure.
HWND ControlCreate(int number, const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
                   int width, int height, ControlKind kind, int* assigned);
// What a creating operation returns: the fresh identifier for number -1, else the handle; 0 on failure.
intptr_t ControlCreated(int number, int assigned, HWND handle);
// A container becomes the parent of the controls created after it, until ControlListEnd.
void ControlParentPush(HWND parent);
// Drops the controls whose windows Windows has destroyed (with their window or container).
void ControlsForgetDestroyed();
// Release what was set up on first use, at the end of the program.
void EditorLibraryRelease();
void ToolTipRelease();
void RequestersRelease();
