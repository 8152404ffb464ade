#pragma once
// Finds the active PureBasic directory and the program associated with a file extension.
#include "platform/text.h"

// The PureBasic directory, ending with a backslash, or the empty text.
Text LocatePureBasic();
// The program registered to open files of this extension (given without its dot), or the empty text.
Text GetAssociatedProgram(TextView extension);
