#pragma once
#include "platform/text.h"

// The installed compiler's bare version text ("4.10"), or the empty text.
Text GetCompilerVersion();
// Runs the program at the path with "/VERSION" and returns the first line of its output, reduced.
Text ReadCompilerBanner(TextView compilerPath);
