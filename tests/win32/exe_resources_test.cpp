// Loads the built exe as a data file and checks what Explorer and the loader read from it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/fixtures.h"

namespace {

struct Pixel {
  uint8_t blue, green, red, alpha;
};

// The icon at one size as Windows decodes it: top-down 32-bit pixels of its colour bitmap; empty when it fails.
std::vector<Pixel> IconPixels(HMODULE module, int size) {
  HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
  ICONINFO info = {};
  std::vector<Pixel> pixels(size * size);
  BITMAPINFO format = {};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  if (!icon || !GetIconInfo(icon, &info) ||
      GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &format, DIB_RGB_COLORS) != size)
    pixels.clear();
  ReleaseDC(nullptr, screen);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (icon) DestroyIcon(icon);
  return pixels;
}

// Each size is its own PNG-compressed image, and it decodes to the drawn picture: transparent rounded corners, the
// teal gradient at the top, the white V in the upper half.
TEST(ExeResources, IconAtEachSizeIsItsOwnPngImageAndDecodes) {
  HMODULE module = LoadLibraryExA(fx::InstallerPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr) << fx::InstallerPath();
  auto* group = static_cast<BYTE*>(LockResource(LoadResource(module, FindResourceA(module, MAKEINTRESOURCEA(1),
                                                                                      RT_GROUP_ICON))));
  ASSERT_NE(group, nullptr);
  for (int size : {16, 32, 48}) {
    SCOPED_TRACE(size);
    const int id = LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_ICON);
    ASSERT_NE(found, nullptr);
    const std::string image(static_cast<const char*>(LockResource(LoadResource(module, found))),
                            SizeofResource(module, found));
    ASSERT_GE(image.size(), 24u);
    EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(static_cast<uint8_t>(image[19]), size) << "width";
    EXPECT_EQ(static_cast<uint8_t>(image[23]), size) << "height";

    const std::vector<Pixel> pixels = IconPixels(module, size);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size));
    EXPECT_EQ(pixels[0].alpha, 0) << "corner";
    const Pixel top = pixels[size / 10 * size + size / 2 - size / 8];
    EXPECT_EQ(top.alpha, 255);
    EXPECT_GT(top.blue, 150);
    EXPECT_GT(top.green, 100);
    EXPECT_LT(top.red, 40);
    EXPECT_GT(pixels[(size * 2 / 5) * size + size * 32 / 100].red, 180) << "the V";
  }
  FreeLibrary(module);
}

TEST(ExeResources, GermanVersionInformation) {
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeA(fx::InstallerPath().c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoA(fx::InstallerPath().c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  char* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040704E4\\ProductName", reinterpret_cast<void**>(&value),
                             &length));
  EXPECT_STREQ(value, "PB-Library Velkor_400");
}

}  // namespace
