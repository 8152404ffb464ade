#include "installer/program_arguments.h"

namespace {
// Spaces, tabs and control characters separate the program name from its arguments.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// The line without the program's own path when it begins with that path, unquoted, up to a blank or its end.
const char* AfterUnquotedPath(const char* commandLine, const char* programPath) {
  const char* at = commandLine;
  for (; *programPath != '\0'; ++at, ++programPath)
    if (Upper(*at) != Upper(*programPath)) return commandLine;
  return *at == '\0' || IsBlank(*at) ? at : commandLine;
}
}  // namespace

const char* CommandLineArguments(const char* commandLine, const char* programPath) {
  const char* at = commandLine;
  if (*at == '"') {
    // A quoted name may hold blanks; it ends at the closing quote, or with the line when there is none.
    ++at;
    while (*at != '\0' && *at != '"') ++at;
    if (*at == '"') ++at;
  } else if (at = AfterUnquotedPath(commandLine, programPath); at == commandLine) {
    while (*at != '\0' && !IsBlank(*at)) ++at;
  }
  while (IsBlank(*at)) ++at;
  return at;
}
