// Ends through ProgramEnd with a window, controls, a tool tip, a buffered file, a font and an image still open.
// Argument: the path of the file to write. Any exit code but 0 tells the test that ProgramEnd returned.
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/window_services.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  ServicesStart();
  WindowOpen(1, 0, 0, 300, 284, "Fortschritt ...", kWindowCentreScreen, nullptr);
  ControlListBegin(WindowHandle(1));
  EditorCreate(100, 10, 10, 280, 230, 2048);
  ButtonCreate(101, 10, 250, 280, 24, "Fertig");
  ControlToolTip(101, "Tipp");
  FontLoad(0, "Arial", 8, 0);
  ImageCreate(0, 16, 16);
  if (!FileCreate(1, argv[1])) return 3;
  for (const char* byte = "bis zum Ende gepuffert"; *byte; ++byte) FileWriteByte(1, *byte);
  ProgramEnd();
}
