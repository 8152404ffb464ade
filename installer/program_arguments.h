#pragma once
// The part of a Windows command line that WinMain receives: what follows the program's own name.

// Skips the program name (in double quotes, or up to the first blank) and the blanks after it.
const char* CommandLineArguments(const char* commandLine);
