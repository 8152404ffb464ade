#include "installer/command_line.h"

const char kUsageText[] =
    "Aufruf: Velkor400_Setup.exe [/S] [/LOG=Datei] [/D=Ordner]\r\n"
    "\r\n"
    "/S\t\tohne Fenster und ohne Meldungen installieren\r\n"
    "/LOG=Datei\tdas Protokoll der Installation auch in diese Datei schreiben\r\n"
    "/D=Ordner\tder PureBasic-Ordner; muss der letzte Schalter sein: er reicht bis\r\n"
    "\t\tzum Zeilenende, mit Leerzeichen und ohne Anführungszeichen\r\n"
    "/?\t\tdiese Hilfe\r\n"
    "\r\n"
    "Rückgabewerte (mit Schaltern):\r\n"
    "0\tinstalliert\r\n"
    "1\tnicht installiert: vom Versionsvergleich abgelehnt oder abgebrochen\r\n"
    "2\tinstalliert mit Fehlern: eine Datei oder das Protokoll nicht geschrieben\r\n"
    "3\tfalsche Befehlszeile oder kein Zielordner\r\n"
    "4\tdas Setup läuft bereits\r\n";

namespace {

bool IsBlank(unsigned char c) { return c == ' ' || c == '\t'; }

bool StartsWithSwitch(TextView text, int position, const char* name) {
  const Text piece = TextMid(text, position + 1, TextLength(name));
  return TextUpper(piece) == name;
}

// A drive root ("C:" or "C:\...") or a network path ("\\server\..."): a relative folder would depend on the
// directory the installer happens to be started from. A character that no Windows path holds (a stray quote of a
// quoted switch followed by more arguments), a ":" after the drive, or a name ending in a blank or a dot (which
// Windows drops) makes the folder unusable too; so does a switch after a blank, which leaves "...PB \LOG=...".
bool IsUsableFolder(TextView folder) {
  for (int i = 0; i < folder.length(); ++i) {
    const unsigned char c = folder.at(i);
    if (c < ' ' || TextFind("\"<>|*?", TextChar(c)) > 0 || (c == ':' && i != 1)) return false;
    if (c == '\\' && i > 0 && (folder.at(i - 1) == ' ' || folder.at(i - 1) == '.')) return false;
  }
  const unsigned char first = TextUpper(TextLeft(folder, 1)).at(0);
  if (first >= 'A' && first <= 'Z' && folder.at(1) == ':') return folder.length() == 2 || folder.at(2) == '\\';
  return folder.length() > 2 && folder.at(0) == '\\' && folder.at(1) == '\\';
}

// The rest of the line after "/D=": blanks at the end dropped, one pair of enclosing quotes removed.
// By reference: the caller holds a text, and a view measured larger here.
Text FolderArgument(const Text& rest, bool quotedSwitch) {
  int end = rest.length();
  while (end > 0 && IsBlank(rest.at(end - 1))) --end;
  int start = 0;
  if (quotedSwitch || rest.at(0) == '"') {
    if (!quotedSwitch) start = 1;
    if (end > start && rest.at(end - 1) == '"') --end;
  }
  Text folder;
  for (int i = start; i < end; ++i) folder += static_cast<char>(rest.at(i) == '/' ? '\\' : rest.at(i));
  if (!folder.empty() && folder.at(folder.length() - 1) != '\\') folder += '\\';
  return folder;
}

// One argument up to the next blank outside quotes; the quotes themselves are dropped.
Text NextToken(TextView text, int& position) {
  Text token;
  bool quoted = false;
  for (; position < text.length() && (quoted || !IsBlank(text.at(position))); ++position) {
    if (text.at(position) == '"')
      quoted = !quoted;
    else
      token += static_cast<char>(text.at(position));
  }
  return token;
}

// False for anything that is no switch of ours.
bool ApplySwitch(CommandLine& line, TextView token) {
  const Text name = TextUpper(token);
  if (name == "/S") {
    line.silent = true;
  } else if (name == "/?") {
    line.help = true;
  } else if (TextLeft(name, 5) == "/LOG=" && token.length() > 5) {
    line.logPath = TextMid(token, 6, token.length());
  } else {
    return false;
  }
  return true;
}

}  // namespace

CommandLine ParseCommandLine(TextView arguments) {
  CommandLine line;
  int position = 0;
  bool afterLog = false;
  while (true) {
    while (position < arguments.length() && IsBlank(arguments.at(position))) ++position;
    if (position >= arguments.length()) break;
    line.anySwitch = true;
    const bool quotedSwitch = arguments.at(position) == '"';
    const int switchStart = quotedSwitch ? position + 1 : position;
    if (StartsWithSwitch(arguments, switchStart, "/D=")) {
      line.folder = FolderArgument(TextMid(arguments, switchStart + 4, arguments.length()), quotedSwitch);
      if (!IsUsableFolder(line.folder)) line.usageError = true;
      break;
    }
    const Text token = NextToken(arguments, position);
    if (!ApplySwitch(line, token)) {
      line.usageError = true;
      // A word right after /LOG= may be the rest of an unquoted path with blanks: no file is named after its start.
      if (afterLog && token.at(0) != '/') line.logPath = Text();
    }
    afterLog = TextUpper(TextLeft(token, 5)) == "/LOG=";
  }
  return line;
}
