// Numbered controls: the current control parent, the default control font, and the standard control kinds.
#include <windows.h>

#include "platform/scoped_resources.h"
#include "platform/window_layer.h"

namespace {

// The font handle that stands for the system's default GUI font.
constexpr intptr_t kGuiFontHandle = -1;

// Styles of the standard controls.
constexpr DWORD kEditorStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                               ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;
constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD kFrameStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_GROUPBOX;
// ControlCreate adds WS_GROUP to the first option box of a run.
constexpr DWORD kOptionStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kCheckBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX;
// STM_SETIMAGE takes a bitmap only from a static of the bitmap type.
constexpr DWORD kImageStyle = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP;

// The stack of control parents: the window of ControlListBegin below the containers created since.
HandleList gParents;
HFONT gDefaultFont = nullptr;  // null: the system's default GUI font
ScopedLibrary gEditorLibrary;
const char* gEditorClass = nullptr;
// The control created last, to tell whether an option box continues a run of option boxes.
ControlKind gLastKind = ControlKind::Text;
HWND gLastParent = nullptr;
int gLastGroup = 0;
int gGroupCount = 0;

HWND CurrentParent() { return gParents.count ? gParents.items[gParents.count - 1] : nullptr; }

// A container that goes takes its place in the parent stack with it, and the containers pushed after it,
// which lay inside it: the parent below it is current again.
void ParentsForget(HWND container) {
  for (int i = 0; i < gParents.count; ++i) {
    if (gParents.items[i] != container) continue;
    gParents.count = i;
    return;
  }
}

HWND Handle(int number) {
  LayerControl* control = ControlFind(number);
  return control ? control->handle : nullptr;
}

void ControlDestroy(int number) {
  LayerControl* control = gLayerControls.Find(number);
  if (!control) return;
  ParentsForget(control->handle);
  if (control->handle && IsWindow(control->handle)) DestroyWindow(control->handle);
  gLayerControls.Remove(number);
  ControlsForgetDestroyed();
}

HFONT DefaultFont() {
  return gDefaultFont ? gDefaultFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The rich-edit library is loaded once, from the system folder only.
const char* EditorClass() {
  if (!gEditorClass) {
    if (gEditorLibrary.Reset(SystemLibraryLoad("RICHED20.DLL")); gEditorLibrary) {
      gEditorClass = "RichEdit20A";
    } else if (gEditorLibrary.Reset(SystemLibraryLoad("RICHED32.DLL")); gEditorLibrary) {
      gEditorClass = "RichEdit";
    }
  }
  return gEditorClass;
}

intptr_t Create(int number, const char* className, TextView text, DWORD style, int x, int y, int width,
                int height, ControlKind kind) {
  int assigned = number;
  const HWND handle =
      ControlCreate(number, className, text.c_str(), style, 0, x, y, width, height, kind, &assigned);
  return ControlCreated(number, assigned, handle);
}

}  // namespace

void ControlParentPush(HWND parent) { gParents.Add(parent); }

HWND ControlListBegin(HWND window) {
  if (!window || !IsWindow(window)) return nullptr;
  gParents.count = 0;
  return gParents.Add(window) ? window : nullptr;
}

void ControlListEnd() {
  if (gParents.count > 1) --gParents.count;
}

LayerControl* ControlFind(int number) {
  LayerControl* control = gLayerControls.Find(number);
  return control && control->handle && IsWindow(control->handle) ? control : nullptr;
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

HWND ControlCreate(int number, const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
                   int width, int height, ControlKind kind, int* assigned) {
  // The old control goes first: it may be the current parent, which then gives way to the one below it.
  if (number != kFreshNumber) ControlDestroy(number);
  const HWND parent = CurrentParent();
  if (!parent || !IsWindow(parent)) return nullptr;
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

void EditorLibraryRelease() {
  gEditorLibrary.Reset();
  gEditorClass = nullptr;
}

intptr_t EditorCreate(int number, int x, int y, int width, int height, uint32_t flags) {
  const char* className = EditorClass();
  if (!className) return 0;
  int assigned = number;
  const HWND handle = ControlCreate(number, className, "", kEditorStyle | flags, WS_EX_CLIENTEDGE, x, y, width,
                                    height, ControlKind::Editor, &assigned);
  return ControlCreated(number, assigned, handle);
}

intptr_t ButtonCreate(int number, int x, int y, int width, int height, TextView text) {
  return Create(number, "Button", text, kButtonStyle, x, y, width, height, ControlKind::Button);
}

intptr_t TextCreate(int number, int x, int y, int width, int height, TextView text) {
  return Create(number, "Static", text, kTextStyle, x, y, width, height, ControlKind::Text);
}

intptr_t FrameCreate(int number, int x, int y, int width, int height, TextView text) {
  return Create(number, "Button", text, kFrameStyle, x, y, width, height, ControlKind::Frame);
}

intptr_t OptionCreate(int number, int x, int y, int width, int height, TextView text) {
  return Create(number, "Button", text, kOptionStyle, x, y, width, height, ControlKind::Option);
}

intptr_t CheckBoxCreate(int number, int x, int y, int width, int height, TextView text) {
  return Create(number, "Button", text, kCheckBoxStyle, x, y, width, height, ControlKind::CheckBox);
}

intptr_t ImageControlCreate(int number, int x, int y, int width, int height, HBITMAP image) {
  int assigned = number;
  const HWND handle =
      ControlCreate(number, "STATIC", "", kImageStyle, 0, x, y, width, height, ControlKind::Image, &assigned);
  if (handle) {
    SendMessageA(handle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    // A bitmap static takes the bitmap's size: the control keeps the one asked for.
    SetWindowPos(handle, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return ControlCreated(number, assigned, handle);
}

void ControlSetText(int number, TextView text) {
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

void ControlSetState(int number, bool checked) {
  LayerControl* control = ControlFind(number);
  if (!control) return;
  if (control->kind == ControlKind::Option && checked) {
    for (int i = 0; i < gLayerControls.Count(); ++i) {
      const LayerControl* other = gLayerControls.ObjectAt(i);
      if (other->kind == ControlKind::Option && other->optionGroup == control->optionGroup)
        SendMessageA(other->handle, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageA(control->handle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ControlDisable(int number, bool disable) {
  if (const HWND handle = Handle(number)) EnableWindow(handle, disable ? FALSE : TRUE);
}

void ControlHide(int number, bool hide) {
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
  const HFONT font = fontHandle == kGuiFontHandle ? static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))
                                                  : reinterpret_cast<HFONT>(fontHandle);
  if (number == kFreshNumber) {
    gDefaultFont = font;
    return;
  }
  if (const HWND handle = Handle(number)) SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HWND ControlHandle(int number) { return Handle(number); }
