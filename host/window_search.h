#pragma once
#include "platform/text.h"

// The decimal handle of a window titled (or, for the layer's own windows, containing) the title, or empty text.
Text FindTitledWindow(int anchorWindow, TextView title);
