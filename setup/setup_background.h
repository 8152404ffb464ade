#pragma once
// The full-screen setup background (window 0): the welcome line typed onto the gradient, the two credit
// links, the colour hook that draws them transparently, and the typing timer whose last tick opens the
// setup dialog's window and hands it to the dialog.
#include <windows.h>

#include "platform/text.h"
#include "setup/setup_fonts.h"

// Opens window 0 maximised with its label and links; false when the window or its control list cannot be made.
bool SetupBackgroundOpen(const SetupFonts& fonts);

// Window callback of window 0: white and red text on a transparent background.
LRESULT BackgroundColourHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The typing timer has no procedure of its own: each tick reaches the event loop as this event of window 0.
constexpr int kEventTypingTick = WM_TIMER;

// Starts typing the welcome line from its first character, one character per 50 ms tick; false when the timer
// cannot be started.
bool TypingStart();
// One tick: shows one more character; the last one stops the timer and opens the dialog window (hidden).
// Returns that window's number once it is open, else -1.
int TypeWelcomeLine();
// Shows the whole line at once and opens the dialog window, for when the line cannot be typed; its number or -1.
int CompleteWelcomeLine();
void TypingCounterReset();

// The web address behind a credit link's control number; empty for any other control.
Text CreditLinkAddress(int control);
// Opens the address with the program registered for web pages; window 0 stops staying on top for good.
// By reference: the caller holds the address as a text, and a view measured larger here.
void OpenCreditLink(const Text& address);
