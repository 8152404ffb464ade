#pragma once
// What an installation writes, and the log it shows and writes, as the end-to-end tests expect them.
#include <string>

#include "payload/payload_blocks.h"

struct InstalledItem {
  PayloadId block;
  const char* target;
  const char* name;  // the log says "<name> entpackt" or "<name> nicht entpackt"
};
inline constexpr InstalledItem kItems[] = {
    {PayloadId::Library, "PureLibraries\\UserLibraries\\Velkor_400", "Library"},
    {PayloadId::Help, "Help\\Velkor400.chm", "Library Hilfe"},
    {PayloadId::Picture1, "Examples\\QZLibs\\Bilder\\00001.bmp", "Bild 1 für Demo"},
    {PayloadId::Picture2, "Examples\\QZLibs\\Bilder\\00002.bmp", "Bild 2 für Demo"},
    {PayloadId::Picture3, "Examples\\QZLibs\\Bilder\\00003.bmp", "Bild 3 für Demo"},
    {PayloadId::Picture4, "Examples\\QZLibs\\Bilder\\00004.bmp", "Bild 4 für Demo"},
    {PayloadId::Picture5, "Examples\\QZLibs\\Bilder\\00005.bmp", "Bild 5 für Demo"},
    {PayloadId::Picture6, "Examples\\QZLibs\\Bilder\\00006.bmp", "Bild 6 für Demo"},
    {PayloadId::Example, "Examples\\QZLibs\\Velkor_400_test.pb", "Beispiel 1"},
};

// The log's lines, each ended by CR LF: failed has a bit per item, folders is the number of folder lines.
inline std::string ExpectedLog(unsigned failed, int folders) {
  const char* const folderLines[] = {"Directory <Examples> erstellt", "Directory <Examples\\QZLibs> erstellt",
                                     "Directory <Examples\\QZLibs\\Bilder> erstellt"};
  std::string log = "Starte die Installation ...\r\n\r\n";
  for (int i = 0; i < 9; ++i) {
    for (int d = 3 - folders; i == 2 && d < 3; ++d) log += std::string(folderLines[d]) + "\r\n";
    log += std::string(kItems[i].name) + (failed >> i & 1 ? " nicht entpackt\r\n" : " entpackt\r\n");
  }
  for (const char* line : {"", failed ? "Installation mit Fehlern beendet" : "Installation erfolgreich abgeschlossen",
                           "", "Es wird versucht, den Compiler neu zu starten ...", "",
                           "Sollte die Library nicht eingebunden worden sein,",
                           "weil der Compiler nicht neu gestartet werden konnte,",
                           "so starten Sie bitte neu um die Library und deren", "Hilfe einzubinden."})
    log += std::string(line) + "\r\n";
  return log;
}
