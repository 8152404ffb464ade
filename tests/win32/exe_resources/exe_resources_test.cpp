// Loads the built exe as a data file and checks what Explorer and the loader read from it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string gExePath;

struct Pixel {
  uint8_t blue, green, red, alpha;
};

class ExeResources : public ::testing::Test {
protected:
  void SetUp() override {
    module_ = LoadLibraryExA(gExePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << gExePath;
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }

  // The raw bytes of the icon image Windows picks from the group for an exact size.
  std::string IconImage(int size) {
    HRSRC group = FindResourceA(module_, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    if (!group) return {};
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module_, group)));
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceA(module_, MAKEINTRESOURCEA(id), RT_ICON);
    if (!image) return {};
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module_, image)));
    return std::string(bytes, SizeofResource(module_, image));
  }

  // The icon at one size as Windows decodes it: top-down 32-bit pixels of its colour bitmap.
  std::vector<Pixel> IconPixels(int size) {
    HICON icon = static_cast<HICON>(LoadImageA(module_, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
    if (!icon) return {};
    ICONINFO info = {};
    std::vector<Pixel> pixels(size * size);
    BITMAP bitmap = {};
    if (GetIconInfo(icon, &info) && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap) && bitmap.bmWidth == size &&
        bitmap.bmHeight == size) {
      BITMAPINFO format = {};
      format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
      HDC screen = GetDC(nullptr);
      if (GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &format, DIB_RGB_COLORS) != size) pixels.clear();
      ReleaseDC(nullptr, screen);
    } else {
      pixels.clear();
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    return pixels;
  }

  HMODULE module_ = nullptr;
};

// Every size is its own PNG-compressed image, and it decodes to the drawn picture: transparent rounded corners, the
// teal gradient at the top, the white V in the middle of the upper half.
TEST_F(ExeResources, IconAtEachSizeIsItsOwnPngImageAndDecodes) {
  for (int size : {16, 32, 48}) {
    SCOPED_TRACE(size);
    const std::string image = IconImage(size);
    ASSERT_GE(image.size(), 24u);
    EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(static_cast<uint8_t>(image[19]), size) << "IHDR width";
    EXPECT_EQ(static_cast<uint8_t>(image[23]), size) << "IHDR height";

    const std::vector<Pixel> pixels = IconPixels(size);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size));
    EXPECT_EQ(pixels[0].alpha, 0) << "corner";
    const Pixel top = pixels[size / 10 * size + size / 2 - size / 8];
    EXPECT_EQ(top.alpha, 255);
    EXPECT_GT(top.blue, 150);
    EXPECT_GT(top.green, 100);
    EXPECT_LT(top.red, 40);
    const Pixel stroke = pixels[(size * 2 / 5) * size + size * 32 / 100];
    EXPECT_GT(stroke.red, 180) << "the V";
  }
}

TEST_F(ExeResources, ManifestAndGermanVersionInformation) {
  HRSRC manifest = FindResourceA(module_, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(module_, manifest))),
                         SizeofResource(module_, manifest));
  EXPECT_NE(text.find("requestedExecutionLevel"), std::string::npos);

  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeA(gExePath.c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoA(gExePath.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  char* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040704E4\\ProductName", reinterpret_cast<void**>(&value),
                             &length));
  EXPECT_STREQ(value, "PB-Library Velkor_400");
  VS_FIXEDFILEINFO* fixed = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00070000u);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: win32_exe_resources <path of Velkor400_Setup.exe> [gtest flags]\n");
    return 2;
  }
  gExePath = argv[1];
  return RUN_ALL_TESTS();
}
