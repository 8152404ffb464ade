// The icon Explorer shows for the built exe, loaded as a data file: each of its three sizes is an image of its own,
// stored PNG-compressed, that Windows decodes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/fixtures.h"

TEST(ExeResources, IconAtEachSizeIsItsOwnPngImageAndDecodes) {
  HMODULE module = LoadLibraryExA(fx::InstallerPath().c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr) << fx::InstallerPath();
  auto* group = static_cast<BYTE*>(
      LockResource(LoadResource(module, FindResourceA(module, MAKEINTRESOURCEA(1), RT_GROUP_ICON))));
  ASSERT_NE(group, nullptr);
  for (int size : {16, 32, 48}) {
    SCOPED_TRACE(size);
    const int id = LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_ICON);
    ASSERT_NE(found, nullptr);
    auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(module, found)));
    const std::string image(reinterpret_cast<const char*>(bytes), SizeofResource(module, found));
    ASSERT_GE(image.size(), 24u);
    EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(static_cast<uint8_t>(image[19]), size) << "width";
    HICON icon = CreateIconFromResourceEx(bytes, static_cast<DWORD>(image.size()), TRUE, 0x00030000, size, size, 0);
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
  }
  FreeLibrary(module);
}
