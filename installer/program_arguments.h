#pragma once
// The part of a Windows command line that WinMain receives: what follows the program's own name.

// Skips the program name (in double quotes, or up to the first blank) and the blanks after it. Some launchers
// pass the program's own full path unquoted, blanks and all: that whole path is the name then.
const char* CommandLineArguments(const char* commandLine, const char* programPath);
