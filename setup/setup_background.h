#pragma once
// The full-screen setup background (window 0): the welcome line typed onto the gradient, the two credit
// links, the colour hook that draws them transparently, and the typing timer whose last tick opens the
// setup dialog's window.
#include <windows.h>

#include "platform/text.h"
#include "setup/setup_fonts.h"

// Opens window 0 maximised with its label and links; false when the window or its control list cannot be made.
bool SetupBackgroundOpen(const SetupFonts& fonts);

// Window callback of window 0: white and red text on a transparent background.
LRESULT BackgroundColourHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Starts typing the welcome line from its first character, one character per 50 ms timer tick.
void TypingStart();
// One timer tick: shows one more character; the last one opens the dialog window (hidden) and stops the timer.
void TypeWelcomeLine();
void TypingCounterReset();

// The dialog window that the last typing step opened, as a window number, and forgets it; -1 when none.
int TakeOpenedDialogWindow();

// The web address behind a credit link's control number; empty for any other control.
Text CreditLinkAddress(int control);
// Opens the address with the program registered for web pages; window 0 stops staying on top for good.
void OpenCreditLink(const Text& address);
