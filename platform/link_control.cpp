// Link controls: a static drawn by the layer. Transparent, in the colour its parent asks for (black by
// default), in the hover colour while the mouse is over it, grey when disabled; the hand cursor over it, and a
// release of the left button over it is reported like a click.
#include <windows.h>

#include "platform/colours.h"
#include "platform/scoped_resources.h"
#include "platform/window_layer.h"

namespace {

WNDPROC gStaticProc = nullptr;
HCURSOR gHandCursor = nullptr;

// Repaints the parent's area under the link as well, so the old text does not show through.
void Repaint(HWND handle) {
  RECT rect;
  const HWND parent = GetParent(handle);
  GetWindowRect(handle, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Paint(HWND handle, const LayerControl* control) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(handle, &paint);
  SetTextColor(dc, RGB(0, 0, 0));
  // The parent (or its callback) may choose the text colour, as for any static.
  SendMessageA(GetParent(handle), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(handle));
  SetBkMode(dc, TRANSPARENT);
  if (!IsWindowEnabled(handle)) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  } else if (control && control->hover) {
    SetTextColor(dc, control->hoverColour);
  }
  Text text;
  const int room = GetWindowTextLengthA(handle) + 1;
  if (char* buffer = text.buffer(room)) text.resize(GetWindowTextA(handle, buffer, room + 1));
  RECT rect;
  GetClientRect(handle, &rect);
  {
    const ScopedSelection font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(handle, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text.c_str(), text.length(), &rect, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
  }
  EndPaint(handle, &paint);
}

void SetHover(HWND handle, LayerControl* control, bool hover) {
  if (!control || control->hover == hover) return;
  control->hover = hover;
  if (hover) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, handle, 0};
    TrackMouseEvent(&track);
  }
  Repaint(handle);
}

void Click(HWND handle, LPARAM lParam) {
  RECT rect;
  GetClientRect(handle, &rect);
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (!PtInRect(&rect, point)) return;
  const int id = GetDlgCtrlID(handle);
  SendMessageA(GetParent(handle), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(handle));
}

LRESULT CALLBACK LinkProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  LayerControl* control = ControlFind(ControlNumberOf(handle));
  switch (message) {
    case WM_NCHITTEST:
      return HTCLIENT;  // a plain static lets the mouse through to its parent
    case WM_SETCURSOR:
      SetCursor(gHandCursor);
      return TRUE;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      Paint(handle, control);
      return 0;
    case WM_MOUSEMOVE:
      SetHover(handle, control, true);
      return 0;
    case WM_MOUSELEAVE:
      SetHover(handle, control, false);
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(handle);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == handle) ReleaseCapture();
      Click(handle, lParam);
      return 0;
    case WM_ENABLE:
      Repaint(handle);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = CallWindowProcA(gStaticProc, handle, message, wParam, lParam);
      Repaint(handle);
      return result;
    }
    default:
      return CallWindowProcA(gStaticProc, handle, message, wParam, lParam);
  }
}

}  // namespace

intptr_t LinkCreate(int number, int x, int y, int width, int height, TextView text, uint32_t hoverColour) {
  if (!gHandCursor) gHandCursor = LoadCursorA(nullptr, IDC_HAND);
  if (!gHandCursor) gHandCursor = gLayerArrow;
  int assigned = number;
  const HWND handle = ControlCreate(number, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, 0, x, y, width, height,
                                    ControlKind::Link, &assigned);
  if (!handle) return 0;
  ControlFind(assigned)->hoverColour = ColourRgb(hoverColour);
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkProc)));
  if (!gStaticProc) gStaticProc = previous;
  return ControlCreated(number, assigned, handle);
}
