// Numbered controls: the current control parent, the default control font, and the standard control kinds.
#include <windows.h>

#include "platform/window_layer.h"

// The stack of control parents: the window of ControlListBegin below the containers created since.
static HandleList gParents;
static HFONT gDefaultFont = nullptr;  // null: the system's default GUI font
static HMODULE gEditorLibrary = nullptr;
static const char* gEditorClass = nullptr;
// The control created last, to tell whether an option box continues a run of option boxes.
static ControlKind gLastKind = ControlKind::Text;
static HWND gLastParent = nullptr;
static int gLastGroup = 0;
static int gGroupCount = 0;

static bool ParentPush(HWND parent) { return gParents.Add(parent); }

void ControlParentPush(HWND parent) { ParentPush(parent); }

HWND ControlListBegin(HWND window) {
  if (!window || !IsWindow(window)) return nullptr;
  gParents.count = 0;
  return ParentPush(window) ? window : nullptr;
}

void ControlListEnd() {
  if (gParents.count > 1) --gParents.count;
}

LayerControl* ControlFind(int number) {
  LayerControl* control = gLayerControls.Find(number);
  return control && control->handle && IsWindow(control->handle) ? control : nullptr;
}

static HWND Handle(int number) {
  LayerControl* control = ControlFind(number);
  return control ? control->handle : nullptr;
}

int ControlNumberOf(HWND handle) {
  if (!handle) return -1;
  for (int i = 0; i < gLayerControls.Count(); ++i)
    if (gLayerControls.ObjectAt(i)->handle == handle) return gLayerControls.NumberAt(i);
  return -1;
}

void ControlsForgetDestroyed() {
  for (int i = gLayerControls.Count() - 1; i >= 0; --i) {
    const HWND handle = gLayerControls.ObjectAt(i)->handle;
    if (!handle || !IsWindow(handle)) gLayerControls.Remove(gLayerControls.NumberAt(i));
  }
}

static void ControlDestroy(int number) {
  LayerControl* control = gLayerControls.Find(number);
  if (!control) return;
  if (control->handle && IsWindow(control->handle)) DestroyWindow(control->handle);
  gLayerControls.Remove(number);
  ControlsForgetDestroyed();
}

static HFONT DefaultFont() {
  return gDefaultFont ? gDefaultFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HWND ControlCreate(int number, const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
                   int width, int height, ControlKind kind, int* assigned) {
  const HWND parent = gParents.count ? gParents.items[gParents.count - 1] : nullptr;
  if (!parent || !IsWindow(parent)) return nullptr;
  if (number != kFreshNumber) ControlDestroy(number);
  LayerControl* control = gLayerControls.Add(number, assigned);
  if (!control) return nullptr;
  control->kind = kind;
  if (kind == ControlKind::Option) {
    const bool continuesRun = gLastKind == ControlKind::Option && gLastParent == parent;
    if (!continuesRun) {
      style |= WS_GROUP;
      gLastGroup = ++gGroupCount;
    }
    control->optionGroup = gLastGroup;
  }
  // The control identifier is the number, which control events report.
  const HWND handle = CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent,
                                      reinterpret_cast<HMENU>(static_cast<intptr_t>(*assigned)),
                                      GetModuleHandleA(nullptr), nullptr);
  // The table may have moved while the control was created: look the entry up again.
  control = gLayerControls.Find(*assigned);
  if (!handle) {
    gLayerControls.Remove(*assigned);
    return nullptr;
  }
  control->handle = handle;
  gLastKind = kind;
  gLastParent = parent;
  SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
  return handle;
}

intptr_t ControlCreated(int number, int assigned, HWND handle) {
  if (!handle) return 0;
  return number == kFreshNumber ? assigned : reinterpret_cast<intptr_t>(handle);
}

// The rich-edit library is loaded once, from the system folder only.
static const char* EditorClass() {
  if (!gEditorClass) {
    if ((gEditorLibrary = SystemLibraryLoad("RICHED20.DLL"))) {
      gEditorClass = "RichEdit20A";
    } else if ((gEditorLibrary = SystemLibraryLoad("RICHED32.DLL"))) {
      gEditorClass = "RichEdit";
    }
  }
  return gEditorClass;
}

void EditorLibraryRelease() {
  if (gEditorLibrary) FreeLibrary(gEditorLibrary);
  gEditorLibrary = nullptr;
  gEditorClass = nullptr;
}

intptr_t EditorCreate(int number, int x, int y, int width, int height, uint32_t flags) {
  const char* className = EditorClass();
  if (!className) return 0;
  int assigned = number;
  const HWND handle = ControlCreate(number, className, "", 0x503111C4 | flags, WS_EX_CLIENTEDGE, x, y, width,
                                    height, ControlKind::Editor, &assigned);
  return ControlCreated(number, assigned, handle);
}

static intptr_t Create(int number, const char* className, const Text& text, DWORD style, int x, int y,
                       int width, int height, ControlKind kind) {
  int assigned = number;
  const HWND handle =
      ControlCreate(number, className, text.c_str(), style, 0, x, y, width, height, kind, &assigned);
  return ControlCreated(number, assigned, handle);
}

intptr_t ButtonCreate(int number, int x, int y, int width, int height, const Text& text) {
  return Create(number, "Button", text, 0x50030000 | BS_PUSHBUTTON, x, y, width, height, ControlKind::Button);
}

intptr_t TextCreate(int number, int x, int y, int width, int height, const Text& text) {
  return Create(number, "Static", text, 0x50020000 | SS_LEFT, x, y, width, height, ControlKind::Text);
}

intptr_t FrameCreate(int number, int x, int y, int width, int height, const Text& text) {
  return Create(number, "Button", text, 0x50020007, x, y, width, height, ControlKind::Frame);
}

intptr_t OptionCreate(int number, int x, int y, int width, int height, const Text& text) {
  // ControlCreate adds WS_GROUP to the first option box of a run.
  return Create(number, "Button", text, 0x50010009, x, y, width, height, ControlKind::Option);
}

intptr_t CheckBoxCreate(int number, int x, int y, int width, int height, const Text& text) {
  return Create(number, "Button", text, 0x50030003, x, y, width, height, ControlKind::CheckBox);
}

intptr_t ImageControlCreate(int number, int x, int y, int width, int height, HBITMAP image) {
  // STM_SETIMAGE takes a bitmap only from a static of the bitmap type.
  int assigned = number;
  const HWND handle = ControlCreate(number, "STATIC", "", 0x50000100 | SS_BITMAP, 0, x, y, width, height,
                                    ControlKind::Image, &assigned);
  if (handle) SendMessageA(handle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
  return ControlCreated(number, assigned, handle);
}

void ControlSetText(int number, const Text& text) {
  if (const HWND handle = Handle(number)) SetWindowTextA(handle, text.c_str());
}

Text ControlText(int number) {
  Text text;
  const HWND handle = Handle(number);
  if (!handle) return text;
  // Room for a rich edit that reports each line break as two bytes.
  const int length = GetWindowTextLengthA(handle) * 2 + 1;
  char* buffer = text.buffer(length);
  if (!buffer) return text;
  text.resize(GetWindowTextA(handle, buffer, length + 1));
  return text;
}

int ControlState(int number) {
  const HWND handle = Handle(number);
  return handle && SendMessageA(handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void ControlSetState(int number, int state) {
  LayerControl* control = ControlFind(number);
  if (!control) return;
  if (control->kind == ControlKind::Option && state) {
    for (int i = 0; i < gLayerControls.Count(); ++i) {
      const LayerControl* other = gLayerControls.ObjectAt(i);
      if (other->kind == ControlKind::Option && other->optionGroup == control->optionGroup)
        SendMessageA(other->handle, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageA(control->handle, BM_SETCHECK, state ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ControlDisable(int number, int disable) {
  if (const HWND handle = Handle(number)) EnableWindow(handle, disable ? FALSE : TRUE);
}

void ControlHide(int number, int hide) {
  if (const HWND handle = Handle(number)) ShowWindow(handle, hide ? SW_HIDE : SW_SHOW);
}

void ControlResize(int number, int x, int y, int width, int height) {
  const HWND handle = Handle(number);
  RECT rect;
  if (!handle || !GetWindowRect(handle, &rect)) return;
  MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&rect), 2);
  if (x == kKeepValue) x = rect.left;
  if (y == kKeepValue) y = rect.top;
  if (width == kKeepValue) width = rect.right - rect.left;
  if (height == kKeepValue) height = rect.bottom - rect.top;
  MoveWindow(handle, x, y, width, height, TRUE);
}

void ControlSetFont(int number, intptr_t fontHandle) {
  const HFONT font =
      fontHandle == -1 ? static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)) : reinterpret_cast<HFONT>(fontHandle);
  if (number == kFreshNumber) {
    gDefaultFont = font;
    return;
  }
  if (const HWND handle = Handle(number)) SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HWND ControlHandle(int number) { return Handle(number); }
