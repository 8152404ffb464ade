#pragma once
// Where the version query finds the compiler.
#include "platform/text.h"

// The compiler below the PureBasic directory ("compilers\pbcompiler.exe" appended), or the empty text when the
// directory is not an absolute path: an empty or relative one would start whatever the current folder holds.
Text CompilerPathIn(TextView pureBasicDirectory);
