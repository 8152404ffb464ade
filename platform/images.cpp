// Numbered images: bitmaps loaded from memory, created, resized and copied.
#include <windows.h>

#include "platform/bitmap_decode.h"
#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/object_table.h"

namespace {

struct Image {
  HBITMAP bitmap;
};

ObjectTable<Image> images;

// A device context with the bitmap selected: the open drawing's own when it draws on this bitmap (a bitmap
// can be selected into one context only), else a private memory context.
class BitmapContext {
public:
  explicit BitmapContext(HBITMAP bitmap) : dc_(DrawingContextOf(bitmap)) {
    if (dc_) return;
    dc_ = CreateCompatibleDC(nullptr);
    if (!dc_) return;
    previous_ = SelectObject(dc_, bitmap);
    if (!previous_) {
      DeleteDC(dc_);
      dc_ = nullptr;
    }
  }
  ~BitmapContext() {
    if (!previous_) return;
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  BitmapContext(const BitmapContext&) = delete;
  BitmapContext& operator=(const BitmapContext&) = delete;
  HDC get() const { return dc_; }

private:
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

void FreeBitmap(HBITMAP bitmap) {
  DrawingRelease(bitmap);
  DeleteObject(bitmap);
}

void ImageFree(int number) {
  Image* image = images.Find(number);
  if (!image) return;
  FreeBitmap(image->bitmap);
  images.Remove(number);
}

// Puts the bitmap under the number, replacing what was there; the caller's result for a creating call.
HBITMAP ImageStore(int number, HBITMAP bitmap) {
  if (!bitmap) return nullptr;
  ImageFree(number);
  int assigned = number;
  Image* image = images.Add(number, &assigned);
  if (!image) {
    DeleteObject(bitmap);
    return nullptr;
  }
  image->bitmap = bitmap;
  return number == kFreshNumber ? reinterpret_cast<HBITMAP>(static_cast<intptr_t>(assigned)) : bitmap;
}

HBITMAP CreateBitmap32(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first, as the converted pixels come
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

HBITMAP CreateDisplayBitmap(int width, int height) {
  HDC screen = GetDC(nullptr);
  if (!screen) return nullptr;
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

// A new bitmap of the given size in the format of the model: 32-bit for the images loaded from memory,
// the display's format for the others.
HBITMAP CreateLike(HBITMAP model, int width, int height) {
  DIBSECTION section;
  if (GetObjectA(model, sizeof section, &section) == static_cast<int>(sizeof section)) {
    void* bits;
    return CreateBitmap32(width, height, &bits);
  }
  return CreateDisplayBitmap(width, height);
}

bool SizeOf(HBITMAP bitmap, int* width, int* height) {
  BITMAP info;
  if (GetObjectA(bitmap, sizeof info, &info) == 0) return false;
  *width = info.bmWidth;
  *height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  return true;
}

}  // namespace

HBITMAP ImageLoadFromMemory(int number, const void* address, uint32_t size) {
  BitmapPicture picture;
  if (number < kFreshNumber || !BitmapExamine(address, size, &picture)) return nullptr;
  ImageFree(number);
  void* bits = nullptr;
  HBITMAP bitmap = CreateBitmap32(picture.width, picture.height, &bits);
  if (!bitmap) return nullptr;
  BitmapToPixels32(picture, static_cast<uint32_t*>(bits));
  return ImageStore(number, bitmap);
}

HBITMAP ImageCreate(int number, int width, int height) {
  if (number < kFreshNumber || width <= 0 || height <= 0) return nullptr;
  ImageFree(number);
  HBITMAP bitmap = CreateDisplayBitmap(width, height);
  if (!bitmap) return nullptr;
  {
    BitmapContext context(bitmap);
    if (!context.get() || !PatBlt(context.get(), 0, 0, width, height, BLACKNESS)) {
      DeleteObject(bitmap);
      return nullptr;
    }
  }
  return ImageStore(number, bitmap);
}

int ImageResize(int number, int width, int height) {
  Image* image = images.Find(number);
  int oldWidth, oldHeight;
  if (!image || width <= 0 || height <= 0 || !SizeOf(image->bitmap, &oldWidth, &oldHeight)) return 0;
  if (oldWidth == width && oldHeight == height) return 1;
  HBITMAP resized = CreateLike(image->bitmap, width, height);
  if (!resized) return 0;
  bool stretched = false;
  {
    BitmapContext from(image->bitmap);
    BitmapContext to(resized);
    if (from.get() && to.get()) {
      SetStretchBltMode(to.get(), HALFTONE);
      SetBrushOrgEx(to.get(), 0, 0, nullptr);
      stretched = StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, oldWidth, oldHeight, SRCCOPY);
    }
  }
  if (!stretched) {
    DeleteObject(resized);
    return 0;
  }
  FreeBitmap(image->bitmap);
  image->bitmap = resized;
  return 1;
}

HBITMAP ImageCopy(int number, int newNumber) {
  Image* image = images.Find(number);
  int width, height;
  if (!image || newNumber < kFreshNumber || !SizeOf(image->bitmap, &width, &height)) return nullptr;
  HBITMAP copy = CreateLike(image->bitmap, width, height);
  if (!copy) return nullptr;
  bool copied = false;
  {
    BitmapContext from(image->bitmap);
    BitmapContext to(copy);
    copied = from.get() && to.get() && BitBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, SRCCOPY);
  }
  if (!copied) {
    DeleteObject(copy);
    return nullptr;
  }
  // Made before the target number is freed, so that copying an image onto its own number keeps it.
  return ImageStore(newNumber, copy);
}

int ImageExists(int number) { return images.Find(number) != nullptr; }

HBITMAP ImageHandle(int number) {
  const Image* image = images.Find(number);
  return image ? image->bitmap : nullptr;
}

int ImageWidth(int number) {
  const Image* image = images.Find(number);
  int width, height;
  return image && SizeOf(image->bitmap, &width, &height) ? width : 0;
}

int ImageHeight(int number) {
  const Image* image = images.Find(number);
  int width, height;
  return image && SizeOf(image->bitmap, &width, &height) ? height : 0;
}

void ImageFreeAll() {
  while (images.Count() > 0) ImageFree(images.NumberAt(0));
}

intptr_t ImageDrawTarget(int number) { return reinterpret_cast<intptr_t>(ImageHandle(number)); }

bool ImageHolds(HBITMAP bitmap) {
  for (int i = 0; i < images.Count(); ++i)
    if (images.ObjectAt(i)->bitmap == bitmap) return true;
  return false;
}
