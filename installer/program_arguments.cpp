#include "installer/program_arguments.h"

namespace {
// Spaces, tabs and control characters separate the program name from its arguments.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }
}  // namespace

const char* CommandLineArguments(const char* commandLine) {
  const char* at = commandLine;
  if (*at == '"') {
    // A quoted name may hold blanks; it ends at the closing quote, or with the line when there is none.
    ++at;
    while (*at != '\0' && *at != '"') ++at;
    if (*at == '"') ++at;
  } else {
    while (*at != '\0' && !IsBlank(*at)) ++at;
  }
  while (IsBlank(*at)) ++at;
  return at;
}
