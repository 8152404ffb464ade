// The end of every run: everything still open is released and the process ends with exit code 0.
#include <windows.h>

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/window_layer.h"

void ProgramEnd() {
  WindowsCloseAll();
  ToolTipRelease();
  EditorLibraryRelease();
  RequestersRelease();
  FileCloseAll();
  FontFreeAll();
  ImageFreeAll();
  ExitProcess(0);
}
