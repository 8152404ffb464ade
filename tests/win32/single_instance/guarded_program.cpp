// A program behind the single-instance guard, for the guard tests:
//   guarded_program <guardName> <readyEvent> <quitEvent> <goEvent or -> <windowTitle or ->
// Waits for the go event (after releasing the semaphore "<goEvent>_waiting"), passes the guard, opens a window of
// the window layer with the title, sets the ready event and keeps running until the quit event (at most 30 s);
// then ends with 7. A copy that the guard stops ends inside the guard with 0.
#include <windows.h>

#include <string>

#include "platform/window_services.h"
#include "setup/single_instance.h"

int main(int argc, char** argv) {
  if (argc != 6) return 1;
  const std::string go = argv[4];
  const std::string title = argv[5];
  ServicesStart();
  if (go != "-") {
    HANDLE waiting = OpenSemaphoreA(SEMAPHORE_MODIFY_STATE, FALSE, (go + "_waiting").c_str());
    HANDLE start = OpenEventA(SYNCHRONIZE, FALSE, go.c_str());
    ReleaseSemaphore(waiting, 1, nullptr);
    WaitForSingleObject(start, 10000);
  }
  EnsureSingleInstance(argv[1]);
  if (title != "-") WindowOpen(0, 0, 0, 200, 100, title.c_str(), 0, nullptr);
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
  SetEvent(ready);
  HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
  const DWORD started = GetTickCount();
  while (GetTickCount() - started < 30000 &&
         MsgWaitForMultipleObjects(1, &quit, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return 7;
}
