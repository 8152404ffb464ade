#pragma once
// Numbered windows and controls, the blocking event wait and the requesters.
// Passing -1 as a number asks for a fresh one: the call then returns the identifier to use later.
#include <windows.h>
#include <cstdint>
#include "platform/text.h"
#include "platform/window_flags.h"

constexpr int kEventControl = 13100;
constexpr int kEventCloseWindow = 16;
constexpr int kEventMoved = 3;
constexpr int kEventSized = 5;
constexpr int kEventRepaint = 15;
constexpr int kEventMenu = 13101;
constexpr int kEventActivated = 13104;

// Returned by a window callback to let the layer go on with its own handling.
constexpr LRESULT kCallbackContinue = (LRESULT)0xE0E0E0E1;
using WindowCallback = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Starts the services; from here on no system error box (no disk in a drive) waits for a person.
void ServicesStart();
// Releases everything still open and ends the process with this exit code.
[[noreturn]] void ProgramEnd(UINT exitCode = 0);

intptr_t WindowOpen(int number, int x, int y, int width, int height, TextView title, uint32_t flags,
                    HWND parent);
void WindowClose(int number);
HWND WindowHandle(int number);
int WindowExists(int number);
void WindowHide(int number, bool hide);
void WindowKeepOnTop(int number, bool on);
int WindowInnerWidth(int number);
int WindowInnerHeight(int number);
void WindowSetCallback(WindowCallback procedure, int number);
// The number of the window with this handle, or -1.
int WindowNumberOf(HWND window);

int EventWait();
int EventControl();
int EventWindow();
int EventType();

HWND ControlListBegin(HWND window);
void ControlListEnd();
intptr_t EditorCreate(int number, int x, int y, int width, int height, uint32_t flags);
intptr_t ButtonCreate(int number, int x, int y, int width, int height, TextView text);
intptr_t TextCreate(int number, int x, int y, int width, int height, TextView text);
intptr_t LinkCreate(int number, int x, int y, int width, int height, TextView text, uint32_t hoverColour);
intptr_t ImageControlCreate(int number, int x, int y, int width, int height, HBITMAP image);
intptr_t ContainerCreate(int number, int x, int y, int width, int height, uint32_t flags);
intptr_t FrameCreate(int number, int x, int y, int width, int height, TextView text);
intptr_t OptionCreate(int number, int x, int y, int width, int height, TextView text);
intptr_t CheckBoxCreate(int number, int x, int y, int width, int height, TextView text);
void ControlSetText(int number, TextView text);
Text ControlText(int number);
int ControlState(int number);
void ControlSetState(int number, bool checked);
void ControlDisable(int number, bool disable);
void ControlHide(int number, bool hide);
void ControlResize(int number, int x, int y, int width, int height);
// fontHandle -1 stands for the system's default GUI font; number -1 sets the default font of later controls.
void ControlSetFont(int number, intptr_t fontHandle);
void ControlToolTip(int number, TextView text);
HWND ControlHandle(int number);

Text RequestFolder(TextView title, TextView initialPath);
int ShowMessage(TextView title, TextView text);

// Loads a system DLL from the system folder only, never from the exe's folder or the current directory.
HMODULE SystemLibraryLoad(const char* name);
