// The end of every run: everything still open is released before the process ends.
#include <windows.h>

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/window_layer.h"

void ProgramEnd(UINT exitCode) {
  WindowsCloseAll();
  ToolTipRelease();
  EditorLibraryRelease();
  RequestersRelease();
  FileCloseAll();
  FontFreeAll();
  ImageFreeAll();
  ExitProcess(exitCode);
}
