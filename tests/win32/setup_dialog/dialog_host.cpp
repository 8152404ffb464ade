// Runs the setup dialog for the tests, as the installer will: ServicesStart, optionally image 1, then
// ShowSetupDialog with the thirteen arguments from the command line. The exit code is the dialog result.
//   dialog_host <13 arguments> [picture | embedded] [linger]
//     picture:  image 1 is a generated 55 x 150 bitmap in (200, 30, 40), to be scaled up to 110 x 300
//     embedded: image 1 is the setup picture the installer carries
//     linger:   after a result, window 0 stays until it is closed (so a test can look at it)
//   dialog_host fonts <file>: writes the desktop DPI and the four setup fonts' heights into file
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "payload/payload_blocks.h"
#include "platform/graphics.h"
#include "platform/window_services.h"
#include "setup/setup_dialog.h"
#include "setup/setup_fonts.h"
#include "tests/support/bitmap_file.h"

namespace {

// Image 1 as a 55 x 150 bitmap of one colour, (200, 30, 40), for the dialog to scale up.
void LoadGeneratedPicture() {
  constexpr int kWidth = 55;
  constexpr int kHeight = 150;
  Bytes row;
  for (int x = 0; x < kWidth; ++x) row.insert(row.end(), {40, 30, 200});  // blue, green, red
  static const Bytes file = BitmapFile(kWidth, kHeight, 24, {}, std::vector<Bytes>(kHeight, row));
  ImageLoadFromMemory(1, file.data(), static_cast<uint32_t>(file.size()));
}

int WriteFonts(const char* path) {
  SetupFonts fonts;
  if (!SetupFontsLoad(&fonts)) return 2;
  FILE* out = std::fopen(path, "wb");
  if (!out) return 3;
  std::fprintf(out, "%d", GetDesktopDpi());
  for (int number : {fonts.note, fonts.banner, fonts.page, fonts.credit}) {
    LOGFONTA font{};
    GetObjectA(FontHandle(number), sizeof(font), &font);
    std::fprintf(out, " %ld", font.lfHeight);
  }
  std::fprintf(out, "\n");
  std::fclose(out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  ServicesStart();
  if (argc == 3 && std::strcmp(argv[1], "fonts") == 0) return WriteFonts(argv[2]);
  if (argc < 14) return 99;
  bool linger = false;
  for (int i = 14; i < argc; ++i) {
    if (std::strcmp(argv[i], "picture") == 0) LoadGeneratedPicture();
    if (std::strcmp(argv[i], "embedded") == 0) {
      const PayloadBlock picture = PayloadGet(PayloadId::SetupPicture);
      if (picture.bytes) ImageLoadFromMemory(1, picture.bytes);
    }
    if (std::strcmp(argv[i], "linger") == 0) linger = true;
  }
  const int32_t result = ShowSetupDialog({.title = argv[1],
                                          .setupVersion = std::atoi(argv[2]),
                                          .setupDate = argv[3],
                                          .authorName = argv[4],
                                          .webAddress = argv[5],
                                          .descriptionText = argv[6],
                                          .installedVersion = std::atoi(argv[7]),
                                          .installedDate = argv[8],
                                          .topColourIndex = std::atoi(argv[9]),
                                          .bottomColourIndex = std::atoi(argv[10]),
                                          .noUninstall = std::atoi(argv[11]),
                                          .offerShortcut = std::atoi(argv[12]),
                                          .stayOnTop = std::atoi(argv[13])});
  std::printf("result %d\n", result);
  std::fflush(stdout);
  while (linger && WindowExists(0)) {
    if (EventWait() == kEventCloseWindow && EventWindow() == 0) WindowClose(0);
  }
  return result;
}
