#include "installer/payload_catalogue.h"

namespace {

struct CatalogueEntry {
  PayloadId block;
  int base;  // 0 library target, 1 help target, 2 examples folder
  const char* suffix;
  const char* successLine;
  const char* failureLine;
};

const CatalogueEntry kCatalogue[kCatalogueItemCount] = {
    {PayloadId::Library, 0, "", "\rLibrary entpackt", "\rLibrary nicht entpackt"},
    {PayloadId::Help, 1, "", "\rLibrary Hilfe entpackt", "\rLibrary Hilfe nicht entpackt"},
    {PayloadId::Picture1, 2, "\\bilder\\00001.bmp", "\rBild 1 für Demo entpackt", "\rBild 1 für Demo nicht entpackt"},
    {PayloadId::Picture2, 2, "\\bilder\\00002.bmp", "\rBild 2 für Demo entpackt", "\rBild 2 für Demo nicht entpackt"},
    {PayloadId::Picture3, 2, "\\bilder\\00003.bmp", "\rBild 3 für Demo entpackt", "\rBild 3 für Demo nicht entpackt"},
    {PayloadId::Picture4, 2, "\\bilder\\00004.bmp", "\rBild 4 für Demo entpackt", "\rBild 4 für Demo nicht entpackt"},
    {PayloadId::Picture5, 2, "\\bilder\\00005.bmp", "\rBild 5 für Demo entpackt", "\rBild 5 für Demo nicht entpackt"},
    {PayloadId::Picture6, 2, "\\bilder\\00006.bmp", "\rBild 6 für Demo entpackt", "\rBild 6 für Demo nicht entpackt"},
    {PayloadId::Example, 2, "\\Velkor_400_test.pb", "\rBeispiel 1 entpackt", "\rBeispiel 1 nicht entpackt"},
};

}  // namespace

CatalogueItem CatalogueItemAt(const RunState& run, int index) {
  const CatalogueEntry& entry = kCatalogue[index];
  const Text& base = entry.base == 0 ? run.libraryTarget : entry.base == 1 ? run.helpTarget : run.examplesFolder;
  return {entry.block, base + entry.suffix, entry.successLine, entry.failureLine};
}
