#pragma once
// The rules of the PureBasic lookup that need no registry: which branch the platform takes,
// and how each source cuts the directory out of a command line.
#include <cstdint>

#include "platform/text.h"

// The platform branch on a GetVersion() value: true takes HKEY_CLASSES_ROOT, false HKEY_LOCAL_MACHINE.
bool PlatformTakesClassesRoot(uint32_t version);

// Each cut returns false when the command line does not name PureBasic.exe (in any letter case): that
// source does not count. Otherwise it returns true and sets directory, which may then be empty.

// First source: drop an opening quote and the last six characters, then take the directory part; keeps the
// letter case.
bool CutDirectCommandLine(TextView commandLine, Text& directory);
// Second source: everything in front of the name, upper case, without double quotes.
bool CutLibraryCommandLine(TextView commandLine, Text& directory);
// Third source: the directory part of the text between the opening quote and the next one, upper case.
bool CutSearchedCommandLine(TextView commandLine, Text& directory);
// Fourth source: the directory part of the associated program, upper case.
bool CutAssociatedCommandLine(TextView program, Text& directory);

// A directory the lookup found that stands on its own: "C:\..." or a network path "\\server\...". An empty or
// relative one would be taken from the current folder, which may be any download folder.
bool IsAbsoluteDirectory(TextView directory);

// The program of an association's command line: through ".exe" and one more character, without double
// quotes; a command line that names no ".exe" comes back unchanged.
Text ProgramFromCommandLine(TextView commandLine);
